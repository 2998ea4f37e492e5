#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace wifi {

// Which way a line went: '>' to the module, '<' from it.
enum class LineDirection : char { Sent = '>', Received = '<' };

using WallClock = std::chrono::system_clock;

// Line ends, control bytes and bytes beyond ASCII as escapes (\r, \n, \xB2):
// what crossed the line, exactly, in plain ASCII, for people to read.
std::string VisibleBytes(std::string_view bytes);

// Decoded text with its line ends and other control characters as escapes
// (\r, \n, \x01), every other character as it is.
std::string VisibleText(std::string_view utf8);

// The same, with '"' and '\' escaped too, so that a log can be read back
// byte for byte (Unquote); \t as such.
std::string QuotedBytes(std::string_view bytes);
// The bytes a quoted text stands for: \r, \n, \t, \xHH and any other escaped
// character as itself.
std::string Unquote(std::string_view text);

// "12:00:01.250", the local time of day to the millisecond.
std::string ClockTime(WallClock::time_point time);
// "2026-12-07 12:00:01.250", the local date and time.
std::string LocalDateTime(WallClock::time_point time);
// "2026-12-07T04:05:06.123456Z", UTC to the microsecond.
std::string UtcStamp(WallClock::time_point time);
// "2026-12-07T04:05:06Z", UTC to the second.
std::string UtcSeconds(WallClock::time_point time);

// One line of traffic as --trace and the window's traffic view show it:
// "12:00:01.250 /dev/ttyUSB0 > AT+SZ_SSID=Office\r\n".
// "12:00:01.250 COM3 > ": what comes before a trace line's text.
std::string TracePrefix(std::string_view time, std::string_view port, LineDirection direction);
std::string TraceLine(std::string_view time, std::string_view port, LineDirection direction,
                      std::string_view line);

}  // namespace wifi
