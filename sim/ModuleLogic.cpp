#include "ModuleLogic.h"

#include <array>
#include <cctype>
#include <optional>

namespace sim {

namespace {

constexpr std::string_view kOk = "OK\r\n";

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// A decimal number without sign or spaces, within [low, high].
bool IsNumberIn(std::string_view s, long low, long high) {
    if (s.empty() || s.size() > 9) {
        return false;
    }
    long value = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return value >= low && value <= high;
}

// Exactly four numbers 0 to 255 joined by ".", nothing else.
bool IsDottedAddress(std::string_view s) {
    for (int i = 0; i < 4; ++i) {
        const auto dot = i < 3 ? s.find('.') : s.size();
        if (dot == std::string_view::npos || !IsNumberIn(s.substr(0, dot), 0, 255) ||
            (dot > 1 && s[0] == '0')) {
            return false;
        }
        s = i < 3 ? s.substr(dot + 1) : std::string_view();
    }
    return true;
}

// The report's token for a command token, from pairs {command, report}.
template <std::size_t N>
std::optional<std::string_view> Translate(
    const std::array<std::pair<std::string_view, std::string_view>, N>& table,
    std::string_view value) {
    for (const auto& [command, report] : table) {
        if (command == value) {
            return report;
        }
    }
    return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kNetworkTypes{
    {{"AP", "AP"}, {"STA", "STA"}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kSecurity{
    {{"OPEN", "OPEN"}, {"WEP64", "WEP64"}, {"WEP128", "WEP128"}, {"WPA", "WPA/WPA2"}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kDhcp{
    {{"ENABLE", "ENABLE"}, {"DISABLE", "DISENABLE"}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kScModes{
    {{"CLIENT", "Client"}, {"SERVER", "Server"}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kParity{
    {{"", "None"}, {"ODD", "ODD"}, {"EVEN", "EVEN"}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kBaudRates{
    {{"1200", "1200"},
     {"2400", "2400"},
     {"4800", "4800"},
     {"9600", "9600"},
     {"19200", "19200"},
     {"38400", "38400"},
     {"57600", "57600"},
     {"115200", "115200"}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kDataBits{
    {{"8", "8"}, {"9", "9"}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kStopBits{
    {{"1", "1"}, {"2", "2"}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kProtocols{
    {{"TCP", "TCP"}, {"UDP", "UDP"}}};

}  // namespace

ModuleLogic::ModuleLogic(ModuleConfig config) : config_(config), staged_(std::move(config)) {}

void ModuleLogic::RefuseCommandsStartingWith(std::string prefix) {
    refused_.push_back(std::move(prefix));
}

void ModuleLogic::IgnoreCommandsStartingWith(std::string prefix) {
    ignored_.push_back(std::move(prefix));
}

void ModuleLogic::ForgetCommandsStartingWith(std::string prefix) {
    forgotten_.push_back(std::move(prefix));
}

void ModuleLogic::OmitFromReport(std::string key) {
    omitted_.push_back(std::move(key));
}

void ModuleLogic::ReportAs(std::string key, std::string value) {
    reportedAs_.emplace_back(std::move(key), std::move(value));
}

void ModuleLogic::BecomeAnotherModule() {
    config_ = ModuleConfig::Default();
    config_.Set("SSID", "Other-Module");
    staged_ = config_;
    awaitingConnect_ = false;
}

std::string ModuleLogic::Report() const {
    std::string report = config_.Report(omitted_);
    if (passwordFirst_) {
        const auto at = report.rfind("Web_Password:");
        if (at != std::string::npos) {
            const std::string last = report.substr(at);
            report = last + report.substr(0, at);
        }
    }
    for (const auto& [key, value] : reportedAs_) {
        const std::string head = key + ":";
        std::size_t at = report.starts_with(head) ? 0 : report.find("\r\n" + head);
        if (at != std::string::npos && at > 0) {
            at += 2;  // the line after that line end
        }
        if (at == std::string::npos) {
            // A line the configuration does not have: before the report's last.
            const auto last = report.rfind("Web_Password:");
            report.insert(last == std::string::npos ? report.size() : last, head + value + "\r\n");
            continue;
        }
        const auto end = report.find("\r\n", at);
        report.replace(at + head.size(), end - at - head.size(), value);
    }
    return report;
}

ModuleLogic::Outcome ModuleLogic::Handle(std::string_view line) {
    for (const auto& p : ignored_) {
        if (StartsWith(line, p)) {
            return {};
        }
    }
    for (const auto& p : refused_) {
        if (StartsWith(line, p)) {
            return {refusal_};
        }
    }
    if (line == "AT+SZ_CHECKCONFIG=ALL") {
        return {Report()};
    }
    if (line == "AT+SZ_CONNECT=START") {
        awaitingConnect_ = false;
        return {"CONNECTED\r\n"};
    }
    if (line == "AT+SZ_CONFIGURE=START") {
        if (awaitingConnect_) {
            return {refusal_};
        }
        staged_ = config_;
        return {std::string(kOk)};
    }
    if (line == "AT+SZ_SAVE_CONFIG=SAVE") {
        if (saveIgnored_) {
            return {std::string(kOk), false, true};
        }
        config_ = staged_;
        awaitingConnect_ = connectAfterSave_;
        return {std::string(kOk), true, true};
    }
    for (const auto& p : forgotten_) {
        if (StartsWith(line, p)) {
            return {std::string(kOk)};
        }
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        return {refusal_};
    }
    const bool ok = Apply(line.substr(0, eq + 1), line.substr(eq + 1));
    return {ok ? std::string(kOk) : refusal_};
}

bool ModuleLogic::Apply(std::string_view prefix, std::string_view value) {
    auto set = [this](std::string_view key, std::string_view v) {
        staged_.Set(key, std::string(v));
        return true;
    };
    auto setToken = [&](std::string_view key, std::optional<std::string_view> report) {
        return report && set(key, *report);
    };
    auto setNumber = [&](std::string_view key, long low, long high) {
        return IsNumberIn(value, low, high) && set(key, value);
    };
    auto setAddress = [&](std::string_view key) {
        return IsDottedAddress(value) && set(key, value);
    };

    if (prefix == "AT+SZ_SSID=")
        return set("SSID", value);
    if (prefix == "AT+SZ_NETWORKTYPE=")
        return setToken("NetworkType", Translate(kNetworkTypes, value));
    if (prefix == "AT+SZ_SECURITY=")
        return setToken("Security", Translate(kSecurity, value));
    if (prefix == "AT+SZ_WEPINDEX=") {
        // A zero-based key slot and H(ex) or A(SCII); the report counts slots from 1.
        if (value.size() != 2 || value[0] < '0' || value[0] > '3' ||
            (value[1] != 'H' && value[1] != 'A')) {
            return false;
        }
        set("Key_Mode", value[1] == 'H' ? "HEX" : "ASCII");
        return set("Key_Index", std::string(1, static_cast<char>(value[0] + 1)));
    }
    if (prefix == "AT+SZ_SECURITY_KEY=")
        return set("KEY", value);
    if (prefix == "AT+SZ_DHCP=")
        return setToken("DHCP", Translate(kDhcp, value));
    if (prefix == "AT+SZ_IP_DEFAULT=")
        return setAddress("IP_address");
    if (prefix == "AT+SZ_MASK_DEFAULT=")
        return setAddress("Subnet_mask");
    if (prefix == "AT+SZ_GATE_DEFAULT=")
        return setAddress("Gateway_address");
    if (prefix == "AT+SZ_DNS_DEFAULT=")
        return setAddress("DNS_server");
    // The report carries no transport protocol: the value is checked, not kept.
    if (prefix == "AT+SZ_TCPUDP_MODEL=")
        return Translate(kProtocols, value).has_value();
    if (prefix == "AT+SZ_S_C_MODEL=")
        return setToken("SC_Mode", Translate(kScModes, value));
    if (prefix == "AT+SZ_TCP_SERVER_IP=")
        return setAddress("Server_IP");
    if (prefix == "AT+SZ_S_C_PORT=")
        return setNumber("Port", 0, 65535);
    if (prefix == "AT+SZ_BAUDRATE=")
        return setToken("Baudrate", Translate(kBaudRates, value));
    if (prefix == "AT+SZ_UARTDATA_CHECK=")
        return setToken("Uartdata_Check", Translate(kParity, value));
    if (prefix == "AT+SZ_UARTDATA_BIT=")
        return setToken("Uartdata_Bit", Translate(kDataBits, value));
    if (prefix == "AT+SZ_UARTDATA_STOPBIT=")
        return setToken("Uartdata_Stopbit", Translate(kStopBits, value));
    if (prefix == "AT+SZ_DATELENGTH=")
        return setNumber("Uartdata_Long", 0, 65535);
    if (prefix == "AT+SZ_DATETIMEOUT=")
        return setNumber("Uartdata_Timeout", 0, 65535);
    return false;
}

}  // namespace sim
