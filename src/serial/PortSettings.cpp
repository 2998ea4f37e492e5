#include "serial/PortSettings.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace wifi {

std::optional<PortSettings> ParsePortSettings(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');) {
        parts.push_back(part);
    }
    if (parts.size() != 4 || parts[0].empty() || parts[0].size() > 7 ||
        parts[0].find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    PortSettings s;
    s.baud = std::stoi(parts[0]);
    const std::string parity =
        parts[1].size() == 1 ? std::string(1, char(std::tolower((unsigned char)parts[1][0]))) : "";
    if (parity == "n") {
        s.parity = PortSettings::Parity::None;
    } else if (parity == "e") {
        s.parity = PortSettings::Parity::Even;
    } else if (parity == "o") {
        s.parity = PortSettings::Parity::Odd;
    } else {
        return std::nullopt;
    }
    if (parts[2] != "7" && parts[2] != "8") {
        return std::nullopt;
    }
    s.dataBits = parts[2][0] - '0';
    if (parts[3] != "1" && parts[3] != "2") {
        return std::nullopt;
    }
    s.stopBits = parts[3][0] - '0';
    if (s.baud <= 0) {
        return std::nullopt;
    }
    return s;
}

}  // namespace wifi
