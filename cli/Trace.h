#pragma once

#include <string>

#include "serial/TrafficFormat.h"

namespace cli {

// "12:00:01.250 /dev/ttyUSB0 > AT+SZ_SSID=Office\r\n" on standard error, one
// whole line at a time however many ports print at once.
void PrintTraceLine(const std::string& port, wifi::LineDirection direction,
                    const std::string& line);

}  // namespace cli
