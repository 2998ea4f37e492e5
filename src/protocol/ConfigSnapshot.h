#pragma once

#include <cstdint>
#include <string>

namespace wifi {

// The form values the write sequence is built from: seven list indices (-1
// when the list had no selection when read), three list texts and five dotted
// addresses. Filled when the module reports it is connected and kept current
// by the form's change handlers afterwards.
struct ConfigSnapshot {
    std::string ipText;
    std::string maskText;
    std::string gatewayText;
    std::string dnsText;
    std::string serverIpText;
    std::string baudText;
    std::string dataBitsText;
    std::string stopBitsText;
    std::int32_t security = 0;
    std::int32_t keyFormat = 0;
    std::int32_t keyIndex = 0;
    std::int32_t csMode = 0;
    std::int32_t parity = 0;
    std::int32_t netType = 0;
    std::int32_t protocol = 0;

    bool operator==(const ConfigSnapshot&) const = default;
};

}  // namespace wifi
