#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <string_view>

namespace wifi {

// The encodings a module's texts (SSID, key) come in: GBK, what the tool
// first sent on a Chinese system, or UTF-8, what most newer routers use.
enum class TextEncoding { Utf8, Gbk };

QString EncodingName(TextEncoding encoding);  // "utf-8", "gbk"
std::optional<TextEncoding> EncodingNamed(QStringView name);
// The encoding typed text goes out in unless the user chooses: the system's
// own, as the first tool sent it (GBK on a Windows whose ANSI code page is
// 936), and UTF-8 elsewhere, which is what a Linux or macOS locale uses.
TextEncoding DefaultEncoding();

// One named converter, used both ways, so that bytes decoded for showing are
// encoded back to the very same bytes.
class TextCodec {
  public:
    explicit TextCodec(TextEncoding encoding) : encoding_(encoding) {}
    TextEncoding encoding() const { return encoding_; }

    // The text the bytes stand for; nothing when they are not valid in this
    // encoding, or would not come back byte for byte.
    std::optional<QString> Decode(std::string_view bytes) const;
    // The bytes of the text; nothing when a character has none here.
    std::optional<std::string> Encode(const QString& text) const;
    // The text as well as it goes: U+FFFD where the bytes are invalid.
    QString DecodeLossy(std::string_view bytes) const;

    // Whether this Qt converts GBK at all (with ICU, or Windows's own code
    // page 936).
    static bool GbkAvailable();

  private:
    TextEncoding encoding_;
};

// The encoding reported bytes are in. UTF-8 is tried first: almost any byte
// string decodes as GBK without an error, while GBK text is almost never valid
// UTF-8. Nothing for ASCII, which both read alike, and for bytes valid in
// neither.
std::optional<TextEncoding> DetectEncoding(std::string_view bytes);

bool IsAscii(std::string_view bytes);

}  // namespace wifi
