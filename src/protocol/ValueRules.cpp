#include "protocol/ValueRules.h"

#include <string>

namespace wifi {

namespace {

bool BreaksTheLine(unsigned char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

bool IsControl(std::string_view bytes, std::size_t at) {
    const auto c = static_cast<unsigned char>(bytes[at]);
    if (c < 0x20 || c == 0x7F) {
        return true;
    }
    // C1 controls as UTF-8: C2 80 to C2 9F.
    return c == 0xC2 && at + 1 < bytes.size() &&
           (static_cast<unsigned char>(bytes[at + 1]) & 0xE0) == 0x80;
}

}  // namespace

RuleBreak CheckValue(ValueRule rule, std::string_view bytes, ValueSource source) {
    if (rule == ValueRule::None || source == ValueSource::Compared) {
        return RuleBreak::None;
    }
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const bool refused = source == ValueSource::Given
                                 ? IsControl(bytes, at)
                                 : BreaksTheLine(static_cast<unsigned char>(bytes[at]));
        if (refused) {
            return RuleBreak::ControlCharacter;
        }
    }
    if (rule == ValueRule::Ssid && bytes.size() > kSsidMaxBytes) {
        return RuleBreak::TooLong;
    }
    if (rule == ValueRule::Number) {
        // At most five digits, nothing else, and no more than 65535.
        const bool digits = !bytes.empty() && bytes.size() <= 5 &&
                            bytes.find_first_not_of("0123456789") == std::string_view::npos;
        if (!digits || std::stoul(std::string(bytes)) > 65535) {
            return RuleBreak::NotANumber;
        }
    }
    return RuleBreak::None;
}

}  // namespace wifi
