#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace wifi {

// The keys of the configuration report. Each line is a key, its value and a
// line end; the report is complete when the line that starts with
// "Web_Password:" has arrived.
namespace report {
inline constexpr std::string_view kNetworkType = "NetworkType:";
inline constexpr std::string_view kSecurity = "Security:";
inline constexpr std::string_view kKeyMode = "Key_Mode:";
inline constexpr std::string_view kKeyIndex = "Key_Index:";
inline constexpr std::string_view kBaudrate = "Baudrate:";
inline constexpr std::string_view kUartCheck = "Uartdata_Check:";
inline constexpr std::string_view kUartBit = "Uartdata_Bit:";
inline constexpr std::string_view kUartStopbit = "Uartdata_Stopbit:";
inline constexpr std::string_view kScMode = "SC_Mode:";
inline constexpr std::string_view kSsid = "SSID:";
inline constexpr std::string_view kDhcp = "DHCP:";
inline constexpr std::string_view kIpAddress = "IP_address:";
inline constexpr std::string_view kDnsServer = "DNS_server:";
inline constexpr std::string_view kGateway = "Gateway_address:";
inline constexpr std::string_view kSubnetMask = "Subnet_mask:";
inline constexpr std::string_view kServerIp = "Server_IP:";
inline constexpr std::string_view kKey = "KEY:";
inline constexpr std::string_view kPort = "Port:";
inline constexpr std::string_view kUartLong = "Uartdata_Long:";
inline constexpr std::string_view kUartTimeout = "Uartdata_Timeout:";

inline constexpr std::string_view kDhcpEnable = "ENABLE";
inline constexpr std::string_view kDhcpDisable = "DISENABLE";
}  // namespace report

// A reported list value: the index of the first equal token, -1 for a value
// that equals none.
using ListTokens = std::array<std::string_view, 8>;
int ListIndexOfToken(const ListTokens& tokens, std::string_view value);

// The report's own tokens for each list, in list order. Unused slots are
// empty and never match (an empty value matches nothing).
namespace report {
inline constexpr ListTokens kNetworkTypeTokens = {"AP", "STA"};
inline constexpr ListTokens kSecurityTokens = {"OPEN", "WEP64", "WEP128", "WPA/WPA2"};
inline constexpr ListTokens kKeyModeTokens = {"HEX", "ASCII"};
inline constexpr ListTokens kKeyIndexTokens = {"1", "2", "3", "4"};
inline constexpr ListTokens kBaudrateTokens = {"1200",  "2400",  "4800",  "9600",
                                               "19200", "38400", "57600", "115200"};
inline constexpr ListTokens kUartCheckTokens = {"None", "ODD", "EVEN"};
inline constexpr ListTokens kUartBitTokens = {"8", "9"};
inline constexpr ListTokens kUartStopbitTokens = {"1", "2"};
inline constexpr ListTokens kScModeTokens = {"Client", "Server"};
}  // namespace report

// The value of a key: the rest of the first line that starts with the key, up
// to its line end (a carriage return or a line feed; empty when none
// follows). A key's text inside another line ("SSID:KEY:x") never counts.
// Nothing when no line starts with the key.
std::optional<std::string> ReportValue(std::string_view reportText, std::string_view key);

// What the report says, target by target. An absent key gives nothing; a list
// value none of its tokens matches gives -1; a DHCP value other than the two
// flag tokens gives nothing. The form holds none of these: they are unknown.
struct ReportValues {
    std::optional<int> netType, security, keyMode, keyIndex, baudRate, parity, dataBits, stopBits,
        scMode;
    std::optional<std::string> ssid;
    std::optional<int> dhcp;
    std::optional<std::string> ipAddress, dnsServer, gateway, subnetMask, serverIp;
    std::optional<std::string> key, port, frameLength, frameTimeout;
};
ReportValues ParseReportValues(std::string_view reportText);

// A line that starts with one of the report's keys ("SSID:x"), the last one
// ("Web_Password:") among them.
bool IsReportKeyLine(std::string_view line);

}  // namespace wifi
