#include "protocol/ValueRules.h"

#include <string>

namespace wifi {

RuleBreak CheckValue(ValueRule rule, std::string_view bytes) {
    if (rule == ValueRule::None) {
        return RuleBreak::None;
    }
    for (unsigned char c : bytes) {
        if (c < 0x20) {
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
