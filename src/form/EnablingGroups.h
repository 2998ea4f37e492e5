#pragma once

#include <array>
#include <cstddef>

#include "form/ControlIds.h"

namespace wifi {

// The 21 controls that edit module parameters, in the order every enable or
// disable pass visits them. Enabled only while the module is connected.
inline constexpr std::array<int, 21> ModuleGroup = {
    IDC_SSID,     IDC_SECURITY,   IDC_KEYFORMAT, IDC_KEYINDEX,  IDC_KEY,      IDC_DHCP,
    IDC_IPADDR,   IDC_NETMASK,    IDC_GATEWAY,   IDC_DNS,       IDC_PROTOCOL, IDC_CSMODE,
    IDC_SERVERIP, IDC_SERVERPORT, IDC_FRAMELEN,  IDC_FRAMETIME, IDC_BAUDRATE, IDC_PARITY,
    IDC_DATABITS, IDC_STOPBITS,   IDC_NETTYPE,
};

// The addresses DHCP assigns: disabled while the DHCP box is ticked.
inline constexpr std::array<int, 4> DhcpAddresses = {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS};

// Disabled at start-up: the module group with the status field before its
// last member. The status field is never enabled again.
inline constexpr std::array<int, 22> StartGroup = [] {
    std::array<int, 22> group{};
    for (std::size_t i = 0; i + 1 < ModuleGroup.size(); ++i) {
        group[i] = ModuleGroup[i];
    }
    group[20] = IDC_STATUS;
    group[21] = ModuleGroup.back();
    return group;
}();

}  // namespace wifi
