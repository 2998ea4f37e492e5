#include "platform/TextCodec.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace wifi {

namespace {

QByteArray Bytes(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// GBK is converted by Qt where Qt is built with ICU (as on Debian). The
// official Windows builds of Qt have no ICU: there the system's own code page
// 936 conversion serves, which is GBK.
const char* const kGbkName = "GBK";

#ifdef Q_OS_WIN
constexpr UINT kGbkCodePage = 936;

std::optional<QString> WindowsDecodeGbk(std::string_view bytes) {
    if (bytes.empty()) {
        return QString();
    }
    const int n = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                      static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                        static_cast<int>(bytes.size()), wide.data(), n);
    return QString::fromStdWString(wide);
}

std::optional<std::string> WindowsEncodeGbk(const QString& text) {
    if (text.isEmpty()) {
        return std::string();
    }
    const std::wstring wide = text.toStdWString();
    BOOL lost = FALSE;
    const int n = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                      static_cast<int>(wide.size()), nullptr, 0, nullptr, &lost);
    if (n <= 0 || lost) {
        return std::nullopt;
    }
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                        static_cast<int>(wide.size()), out.data(), n, nullptr, &lost);
    return out;
}
#endif

bool QtHasGbk() {
    return QStringDecoder(kGbkName).isValid() && QStringEncoder(kGbkName).isValid();
}

std::optional<QString> StrictDecode(TextEncoding encoding, std::string_view bytes) {
    if (encoding == TextEncoding::Utf8) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        QString text = decoder(Bytes(bytes));
        return decoder.hasError() ? std::nullopt : std::optional<QString>(text);
    }
    if (QtHasGbk()) {
        QStringDecoder decoder(kGbkName, QStringConverter::Flag::Stateless);
        QString text = decoder(Bytes(bytes));
        return decoder.hasError() ? std::nullopt : std::optional<QString>(text);
    }
#ifdef Q_OS_WIN
    return WindowsDecodeGbk(bytes);
#else
    return std::nullopt;
#endif
}

}  // namespace

QString EncodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Gbk ? QStringLiteral("gbk") : QStringLiteral("utf-8");
}

std::optional<TextEncoding> EncodingNamed(QStringView name) {
    if (name.compare(QLatin1String("gbk"), Qt::CaseInsensitive) == 0) {
        return TextEncoding::Gbk;
    }
    if (name.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("utf8"), Qt::CaseInsensitive) == 0) {
        return TextEncoding::Utf8;
    }
    return std::nullopt;
}

TextEncoding DefaultEncoding() {
#ifdef Q_OS_WIN
    return GetACP() == kGbkCodePage ? TextEncoding::Gbk : TextEncoding::Utf8;
#else
    return TextEncoding::Utf8;
#endif
}

bool TextCodec::GbkAvailable() {
#ifdef Q_OS_WIN
    return true;
#else
    return QtHasGbk();
#endif
}

std::optional<QString> TextCodec::Decode(std::string_view bytes) const {
    auto text = StrictDecode(encoding_, bytes);
    // Only a text that encodes back to the same bytes may stand for them.
    if (!text || Encode(*text) != std::string(bytes)) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> TextCodec::Encode(const QString& text) const {
    if (encoding_ == TextEncoding::Utf8) {
        QStringEncoder encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder(text);
        return encoder.hasError() ? std::nullopt : std::optional(bytes.toStdString());
    }
    if (QtHasGbk()) {
        QStringEncoder encoder(kGbkName, QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder(text);
        return encoder.hasError() ? std::nullopt : std::optional(bytes.toStdString());
    }
#ifdef Q_OS_WIN
    return WindowsEncodeGbk(text);
#else
    return std::nullopt;
#endif
}

QString TextCodec::DecodeLossy(std::string_view bytes) const {
    if (encoding_ == TextEncoding::Gbk && QtHasGbk()) {
        return QStringDecoder(kGbkName)(Bytes(bytes));
    }
    return QString::fromUtf8(Bytes(bytes));
}

bool IsAscii(std::string_view bytes) {
    for (unsigned char c : bytes) {
        if (c >= 0x80) {
            return false;
        }
    }
    return true;
}

std::optional<TextEncoding> DetectEncoding(std::string_view bytes) {
    if (IsAscii(bytes)) {
        return std::nullopt;
    }
    for (TextEncoding e : {TextEncoding::Utf8, TextEncoding::Gbk}) {
        if (TextCodec(e).Decode(bytes)) {
            return e;
        }
    }
    return std::nullopt;
}

}  // namespace wifi
