#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/TextConverter.h"
#include "text/TextEncoding.h"

namespace wifi {

// The rule of module texts, on one converter used both ways: bytes stand for
// a text only when that text encodes back to the very same bytes, so that
// what is shown and what goes back to the module never differ by a byte.
// Texts are UTF-8.
class TextCodec {
  public:
    TextCodec(TextEncoding encoding, const TextConverters& converters = SystemTextConverters())
        : encoding_(encoding), converter_(&converters.For(encoding)) {}
    TextEncoding encoding() const { return encoding_; }

    // The text the bytes stand for; nothing when they are not valid in this
    // encoding, or would not come back byte for byte.
    std::optional<std::string> Decode(std::string_view bytes) const;
    // The bytes of the text; nothing when a character has none here.
    std::optional<std::string> Encode(std::string_view text) const;
    // The text as well as it goes: U+FFFD where the bytes are invalid.
    std::string DecodeLossy(std::string_view bytes) const { return converter_->ToUtf8Lossy(bytes); }

  private:
    TextEncoding encoding_;
    const TextConverter* converter_;
};

// The encoding reported bytes are in. UTF-8 is tried first: almost any byte
// string decodes as GBK without an error, while GBK text is almost never valid
// UTF-8. Nothing for ASCII, which both read alike, and for bytes valid in
// neither.
std::optional<TextEncoding> DetectEncoding(
    std::string_view bytes, const TextConverters& converters = SystemTextConverters());

bool IsAscii(std::string_view bytes);

// U+FFFD, the character a lossy decode shows for bytes it could not read.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

}  // namespace wifi
