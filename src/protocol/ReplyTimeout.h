#pragma once

#include <optional>
#include <string_view>

#include "protocol/ReplyClock.h"

namespace wifi {

// How long any answer of the module is awaited, unless the user sets it: the
// same in every window and on the command line.
inline constexpr ReplyClock::Duration kDefaultReplyTimeout{10000};

// A time-out as the user gives it (--timeout): seconds from 0.1 to 3600,
// fractions allowed, written with a dot whatever the locale says; nothing for
// anything else ("0x10", "1e3", "", "-1").
std::optional<ReplyClock::Duration> ParseReplyTimeout(std::string_view seconds);

}  // namespace wifi
