#pragma once

namespace wifi {

// Resource ids of the dialog, its controls and its banner picture.
inline constexpr int IDD_CONFIG_DIALOG = 102;
inline constexpr int IDB_BANNER = 136;
// Labels, group boxes and the picture share this id.
inline constexpr int IDC_STATIC = -1;

inline constexpr int IDC_COMPORT = 1002;
inline constexpr int IDC_BAUDRATE = 1004;
inline constexpr int IDC_PARITY = 1005;
inline constexpr int IDC_DATABITS = 1006;
inline constexpr int IDC_STOPBITS = 1007;
inline constexpr int IDC_MSCOMM = 1008;
inline constexpr int IDC_SSID = 1012;
inline constexpr int IDC_SECURITY = 1013;
inline constexpr int IDC_KEYFORMAT = 1014;
inline constexpr int IDC_KEYINDEX = 1015;
inline constexpr int IDC_KEY = 1016;
inline constexpr int IDC_DHCP = 1017;
inline constexpr int IDC_PROTOCOL = 1022;
inline constexpr int IDC_CSMODE = 1023;
inline constexpr int IDC_SERVERIP = 1026;
inline constexpr int IDC_SERVERPORT = 1027;
inline constexpr int IDC_SUBMIT = 1028;
inline constexpr int IDC_GATEWAY = 1031;
inline constexpr int IDC_DNS = 1032;
inline constexpr int IDC_NETMASK = 1033;
inline constexpr int IDC_IPADDR = 1034;
inline constexpr int IDC_CONNECT = 1035;
inline constexpr int IDC_STATUS = 1036;
inline constexpr int IDC_NETTYPE = 1037;
inline constexpr int IDC_FRAMELEN = 1038;
inline constexpr int IDC_FRAMETIME = 1039;

}  // namespace wifi
