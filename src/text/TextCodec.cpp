#include "text/TextCodec.h"

namespace wifi {

std::optional<std::string> TextCodec::Decode(std::string_view bytes) const {
    auto text = converter_->ToUtf8(bytes);
    // Only a text that encodes back to the same bytes may stand for them.
    if (!text || converter_->FromUtf8(*text) != std::string(bytes)) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> TextCodec::Encode(std::string_view text) const {
    return converter_->FromUtf8(text);
}

bool IsAscii(std::string_view bytes) {
    for (unsigned char c : bytes) {
        if (c >= 0x80) {
            return false;
        }
    }
    return true;
}

std::optional<TextEncoding> DetectEncoding(std::string_view bytes,
                                           const TextConverters& converters) {
    if (IsAscii(bytes)) {
        return std::nullopt;
    }
    for (TextEncoding e : {TextEncoding::Utf8, TextEncoding::Gbk}) {
        if (TextCodec(e, converters).Decode(bytes)) {
            return e;
        }
    }
    return std::nullopt;
}

}  // namespace wifi
