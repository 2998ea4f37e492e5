#include "protocol/ReportParser.h"

#include "protocol/Commands.h"

namespace wifi {

int ListIndexOfToken(const ListTokens& tokens, std::string_view value) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].empty() && tokens[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<std::string> ReportValue(std::string_view reportText, std::string_view key) {
    constexpr std::string_view kLineEndBytes = "\r\n";
    const auto startsLine = [&](std::size_t at) {
        return at == 0 || kLineEndBytes.find(reportText[at - 1]) != std::string_view::npos;
    };
    std::size_t keyAt = reportText.find(key);
    while (keyAt != std::string_view::npos && !startsLine(keyAt)) {
        keyAt = reportText.find(key, keyAt + 1);
    }
    if (keyAt == std::string_view::npos) {
        return std::nullopt;
    }
    const auto start = keyAt + key.size();
    const auto end = reportText.find_first_of(kLineEndBytes, start);
    if (end == std::string_view::npos) {
        return std::string();
    }
    return std::string(reportText.substr(start, end - start));
}

namespace {

std::optional<int> ListValue(std::string_view text, std::string_view key,
                             const ListTokens& tokens) {
    auto value = ReportValue(text, key);
    if (!value) {
        return std::nullopt;
    }
    return ListIndexOfToken(tokens, *value);
}

std::optional<int> DhcpValue(std::string_view text) {
    auto value = ReportValue(text, report::kDhcp);
    if (value == report::kDhcpEnable) {
        return 1;
    }
    if (value == report::kDhcpDisable) {
        return 0;
    }
    return std::nullopt;
}

}  // namespace

ReportValues ParseReportValues(std::string_view text) {
    using namespace report;
    ReportValues v;
    v.netType = ListValue(text, kNetworkType, kNetworkTypeTokens);
    v.security = ListValue(text, kSecurity, kSecurityTokens);
    v.keyMode = ListValue(text, kKeyMode, kKeyModeTokens);
    v.keyIndex = ListValue(text, kKeyIndex, kKeyIndexTokens);
    v.baudRate = ListValue(text, kBaudrate, kBaudrateTokens);
    v.parity = ListValue(text, kUartCheck, kUartCheckTokens);
    v.dataBits = ListValue(text, kUartBit, kUartBitTokens);
    v.stopBits = ListValue(text, kUartStopbit, kUartStopbitTokens);
    v.scMode = ListValue(text, kScMode, kScModeTokens);
    v.ssid = ReportValue(text, kSsid);
    v.dhcp = DhcpValue(text);
    v.ipAddress = ReportValue(text, kIpAddress);
    v.dnsServer = ReportValue(text, kDnsServer);
    v.gateway = ReportValue(text, kGateway);
    v.subnetMask = ReportValue(text, kSubnetMask);
    v.serverIp = ReportValue(text, kServerIp);
    v.key = ReportValue(text, kKey);
    v.port = ReportValue(text, kPort);
    v.frameLength = ReportValue(text, kUartLong);
    v.frameTimeout = ReportValue(text, kUartTimeout);
    return v;
}

bool IsReportKeyLine(std::string_view line) {
    using namespace report;
    for (std::string_view key :
         {kNetworkType, kSecurity,    kKeyMode,         kKeyIndex, kBaudrate, kUartCheck,
          kUartBit,     kUartStopbit, kScMode,          kSsid,     kDhcp,     kIpAddress,
          kDnsServer,   kGateway,     kSubnetMask,      kServerIp, kKey,      kPort,
          kUartLong,    kUartTimeout, token::kReportEnd}) {
        if (line.starts_with(key)) {
            return true;
        }
    }
    return false;
}

}  // namespace wifi
