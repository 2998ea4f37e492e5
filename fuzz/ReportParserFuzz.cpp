// The report parser on arbitrary text: it must never fail or read outside
// the text, and what it gives must be within what its targets can take.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "protocol/Address.h"
#include "protocol/ReportParser.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckIndex(const std::optional<int>& index, int count) {
    Check(!index || (*index >= -1 && *index < count));
}

void CheckText(const std::optional<std::string>& value) {
    // A value ends at the first line end after its key.
    Check(!value || value->find("\r\n") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const wifi::ReportValues v = wifi::ParseReportValues(text);
    CheckIndex(v.netType, 2);
    CheckIndex(v.security, 4);
    CheckIndex(v.keyMode, 2);
    CheckIndex(v.keyIndex, 4);
    CheckIndex(v.baudRate, 8);
    CheckIndex(v.parity, 3);
    CheckIndex(v.dataBits, 2);
    CheckIndex(v.stopBits, 2);
    CheckIndex(v.scMode, 2);
    Check(!v.dhcp || *v.dhcp == 0 || *v.dhcp == 1);
    for (const auto* value : {&v.ssid, &v.ipAddress, &v.dnsServer, &v.gateway, &v.subnetMask,
                              &v.serverIp, &v.key, &v.port, &v.frameLength, &v.frameTimeout}) {
        CheckText(*value);
    }
    // An address the scanner takes prints back as four numbers 0 to 255.
    if (const auto address = wifi::ScanDottedAddress(text)) {
        const auto dotted = wifi::FormatDottedAddress(*address);
        Check(wifi::ScanDottedAddress(dotted) == address);
    }
    return 0;
}
