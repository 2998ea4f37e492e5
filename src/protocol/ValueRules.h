#pragma once

#include <cstddef>
#include <string_view>

namespace wifi {

// How a value is checked before a write sends it. What the module stores
// must go out as one command line it takes.
enum class ValueRule {
    None,    // a list, flag or address: the control cannot hold a bad value
    Text,    // no control character (a byte below 0x20: a line end, a NUL)
    Ssid,    // a text of at most kSsidMaxBytes bytes
    Number,  // a decimal number from 0 to 65535
};
inline constexpr std::size_t kSsidMaxBytes = 32;

// What is wrong with a value, if anything.
enum class RuleBreak {
    None,
    ControlCharacter,
    TooLong,
    NotANumber,
    NoValue,       // a list without an entry its command has a token for
    NotEncodable,  // typed text with a character the chosen encoding lacks
    Unknown,       // the module gave no value the form can hold, and nobody else did
};
RuleBreak CheckValue(ValueRule rule, std::string_view bytes);

}  // namespace wifi
