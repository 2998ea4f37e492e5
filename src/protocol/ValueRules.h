#pragma once

#include <cstddef>
#include <string_view>

namespace wifi {

// How a value is checked before a write sends it. What the module stores
// must go out as one command line it takes.
enum class ValueRule {
    None,    // a list, flag or address: the control cannot hold a bad value
    Text,    // nothing that cannot go on the line (see ValueSource)
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
    NoValue,        // a list without an entry its command has a token for
    NotEncodable,   // typed text with a character the chosen encoding lacks
    Unknown,        // the module gave no value the form can hold, and nobody else did
    TooLongToSend,  // its command line would be longer than the serial layer sends
};
// Where a text comes from. One a person gives on the command line may hold no
// control character at all: no byte below 0x20, no DEL, no C1 control
// (U+0080 to U+009F in UTF-8). One the module reported, or a profile that
// read made holds, goes back byte for byte: only what cannot go on the line
// (CR, LF, NUL) is refused, so that a tab in an SSID survives read, then
// write --from.
// A profile diff only compares is checked for nothing (Compared): what it
// would not write is no reason to refuse it.
enum class ValueSource { Given, Kept, Compared };
RuleBreak CheckValue(ValueRule rule, std::string_view bytes,
                     ValueSource source = ValueSource::Kept);

}  // namespace wifi
