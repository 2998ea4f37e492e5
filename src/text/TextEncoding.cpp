#include "text/TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace wifi {

namespace {
constexpr unsigned kGbkCodePage = 936;
}  // namespace

std::string_view EncodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Gbk ? "gbk" : "utf-8";
}

std::string_view EncodingDisplayName(TextEncoding encoding) {
    return encoding == TextEncoding::Gbk ? "GBK" : "UTF-8";
}

std::optional<TextEncoding> EncodingNamed(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "gbk") {
        return TextEncoding::Gbk;
    }
    if (lower == "utf-8" || lower == "utf8") {
        return TextEncoding::Utf8;
    }
    return std::nullopt;
}

TextEncoding DefaultEncoding(unsigned ansiCodePage) {
    return ansiCodePage == kGbkCodePage ? TextEncoding::Gbk : TextEncoding::Utf8;
}

}  // namespace wifi
