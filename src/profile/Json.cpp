#include "profile/Json.h"

#include "text/HexDigit.h"

namespace wifi {

Json BytesAsHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 0xf]);
    }
    return Json{{std::string(kHexKey), hex}};
}

bool IsHexBytes(const Json& value) {
    return value.is_object() && value.size() == 1 && value.contains(kHexKey) &&
           value.at(kHexKey).is_string();
}

std::optional<std::string> HexBytes(const Json& value) {
    if (!IsHexBytes(value)) {
        return std::nullopt;
    }
    const std::string hex = value.at(kHexKey).get<std::string>();
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

std::string JsonLine(const Json& value) {
    if (value.is_object()) {
        std::string text(1, '{');
        for (auto it = value.begin(); it != value.end(); ++it) {
            text.append(text.size() > 1 ? ", " : "")
                .append(JsonLine(it.key()))
                .append(": ")
                .append(JsonLine(*it));
        }
        return text.append("}");
    }
    if (value.is_array()) {
        std::string text(1, '[');
        for (const Json& item : value) {
            text.append(text.size() > 1 ? ", " : "").append(JsonLine(item));
        }
        return text.append("]");
    }
    // A port name or a system's text may hold bytes that are no UTF-8: shown
    // as U+FFFD rather than failing the line.
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace wifi
