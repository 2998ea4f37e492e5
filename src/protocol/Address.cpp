#include "protocol/Address.h"

#include <cctype>

namespace wifi {

namespace {

bool IsScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One "%d": white space, an optional sign, at least one digit. The value is
// clamped far outside the byte range so that long digit runs cannot overflow.
std::optional<long> ScanNumber(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsScanSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const auto digitsAt = pos;
    long value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        if (value < 100000) {
            value = value * 10 + (text[pos] - '0');
        }
        ++pos;
    }
    if (pos == digitsAt) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<Address> ScanDottedAddress(std::string_view text) {
    Address address{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < address.size(); ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '.') {
                return std::nullopt;
            }
            ++pos;
        }
        const auto number = ScanNumber(text, pos);
        if (!number || *number < 0 || *number > 255) {
            return std::nullopt;
        }
        address[i] = static_cast<std::uint8_t>(*number);
    }
    return address;
}

std::string FormatDottedAddress(const Address& address) {
    std::string text;
    for (std::size_t i = 0; i < address.size(); ++i) {
        if (i > 0) {
            text += '.';
        }
        text += std::to_string(address[i]);
    }
    return text;
}

}  // namespace wifi
