#pragma once

#include <optional>
#include <string>

namespace wifi {

// A port's line settings as the communications control takes them:
// "baud,parity,data,stop", for example "19200,n,8,1".
struct PortSettings {
    enum class Parity { None, Even, Odd };
    int baud = 0;
    Parity parity = Parity::None;
    int dataBits = 8;  // 7 or 8
    int stopBits = 1;  // 1 or 2
};

// The settings a text gives; nothing for a text the port cannot take.
std::optional<PortSettings> ParsePortSettings(const std::string& text);

}  // namespace wifi
