#pragma once

#include <array>
#include <string>
#include <string_view>

namespace wifi {

// The module's command set. Every command is one ASCII line: a prefix ending
// in "=", a value, then the line end. The spellings are the module's own
// ("DATE" in the frame commands included) and go out byte for byte.
namespace cmd {
inline constexpr std::string_view kLineEnd = "\r\n";

// Fixed commands: the prefix already carries the value.
inline constexpr std::string_view kCheckConfig = "AT+SZ_CHECKCONFIG=ALL";
inline constexpr std::string_view kConnect = "AT+SZ_CONNECT=START";
inline constexpr std::string_view kConfigure = "AT+SZ_CONFIGURE=START";

// Parameter commands, in the order the write sequence sends them.
inline constexpr std::string_view kSsid = "AT+SZ_SSID=";
inline constexpr std::string_view kNetworkType = "AT+SZ_NETWORKTYPE=";
inline constexpr std::string_view kSecurity = "AT+SZ_SECURITY=";
inline constexpr std::string_view kWepIndex = "AT+SZ_WEPINDEX=";
inline constexpr std::string_view kSecurityKey = "AT+SZ_SECURITY_KEY=";
inline constexpr std::string_view kDhcp = "AT+SZ_DHCP=";
inline constexpr std::string_view kIpDefault = "AT+SZ_IP_DEFAULT=";
inline constexpr std::string_view kMaskDefault = "AT+SZ_MASK_DEFAULT=";
inline constexpr std::string_view kGateDefault = "AT+SZ_GATE_DEFAULT=";
inline constexpr std::string_view kDnsDefault = "AT+SZ_DNS_DEFAULT=";
inline constexpr std::string_view kTcpUdpModel = "AT+SZ_TCPUDP_MODEL=";
inline constexpr std::string_view kScModel = "AT+SZ_S_C_MODEL=";
inline constexpr std::string_view kTcpServerIp = "AT+SZ_TCP_SERVER_IP=";
inline constexpr std::string_view kScPort = "AT+SZ_S_C_PORT=";
inline constexpr std::string_view kBaudRate = "AT+SZ_BAUDRATE=";
inline constexpr std::string_view kUartDataCheck = "AT+SZ_UARTDATA_CHECK=";
inline constexpr std::string_view kUartDataBit = "AT+SZ_UARTDATA_BIT=";
inline constexpr std::string_view kUartDataStopBit = "AT+SZ_UARTDATA_STOPBIT=";
inline constexpr std::string_view kDateLength = "AT+SZ_DATELENGTH=";
inline constexpr std::string_view kDateTimeout = "AT+SZ_DATETIMEOUT=";
inline constexpr std::string_view kSaveConfig = "AT+SZ_SAVE_CONFIG=";
inline constexpr std::string_view kSaveValue = "SAVE";

// Values of the list commands, by the list's index.
inline constexpr std::array<std::string_view, 2> kNetworkTypeValues = {"AP", "STA"};
inline constexpr std::array<std::string_view, 4> kSecurityValues = {"OPEN", "WEP64", "WEP128",
                                                                    "WPA"};
inline constexpr std::array<std::string_view, 2> kProtocolValues = {"TCP", "UDP"};
inline constexpr std::array<std::string_view, 2> kCsModeValues = {"CLIENT", "SERVER"};
// By the DHCP flag: 0 off, 1 on.
inline constexpr std::array<std::string_view, 2> kDhcpValues = {"DISABLE", "ENABLE"};
// By the parity list's index: no parity is an empty value.
inline constexpr std::array<std::string_view, 3> kParityValues = {"", "ODD", "EVEN"};
}  // namespace cmd

// Reply words: each counts only as a whole line (see the dispatcher), never
// inside a longer one, so a value holding one of them moves nothing.
namespace token {
inline constexpr std::string_view kOk = "OK";                // a line of its own
inline constexpr std::string_view kError = "ERROR";          // a line of its own
inline constexpr std::string_view kConnected = "CONNECTED";  // a line of its own
// The last key of the configuration report: the line it starts completes the
// report.
inline constexpr std::string_view kReportEnd = "Web_Password:";
}  // namespace token

// Prefix, value and line end joined into the one string that is sent whole.
std::string CommandLine(std::string_view prefix, std::string_view value = {});

// True when the value holds a carriage return or a line feed: sent inside a
// command it would end the line early and the rest would reach the module as
// a command of its own.
bool HoldsLineEnd(std::string_view value);

}  // namespace wifi
