#include "form/Fields.h"

#include <stdexcept>
#include <string>

#include "form/ControlIds.h"
#include "form/ListContents.h"
#include "form/UiText.h"
#include "protocol/Commands.h"

namespace wifi {

namespace {

using K = FieldKind;
using R = ValueRule;
using Names = std::span<const std::string_view>;

// The parity command sends no parity as an empty value; a name must be seen.
constexpr std::array<std::string_view, 3> kParityNames = {"NONE", cmd::kParityValues[1],
                                                          cmd::kParityValues[2]};

// One row a field: name, control, kind, label; report key and tokens; command
// prefix, command values and names of a list's entries; step, source, rule.
// clang-format off
const std::array<Field, kFormFieldCount + 1>& Table() {
    static const std::array<Field, kFormFieldCount + 1> table = {{
        {"netType", IDC_NETTYPE, K::List, UI_TEXT_IN("field", "网络类型"), report::kNetworkType,
         &report::kNetworkTypeTokens, cmd::kNetworkType, cmd::kNetworkTypeValues,
         cmd::kNetworkTypeValues, 2, 0, R::None},
        {"ssid", IDC_SSID, K::Text, UI_TEXT_IN("field", "网络名称"), report::kSsid, nullptr, cmd::kSsid, {}, {}, 1, 0,
         R::Ssid},
        {"security", IDC_SECURITY, K::List, UI_TEXT_IN("field", "安全模式"), report::kSecurity,
         &report::kSecurityTokens, cmd::kSecurity, cmd::kSecurityValues, cmd::kSecurityValues, 3,
         0, R::None},
        {"keyFormat", IDC_KEYFORMAT, K::List, UI_TEXT_IN("field", "密钥格式"), report::kKeyMode,
         &report::kKeyModeTokens, cmd::kWepIndex, {}, ListEntries(IDC_KEYFORMAT), 4, 0, R::None},
        {"keyIndex", IDC_KEYINDEX, K::KeyIndex, UI_TEXT_IN("field", "密钥索引"), report::kKeyIndex,
         &report::kKeyIndexTokens, cmd::kWepIndex, {}, ListEntries(IDC_KEYINDEX), 4, 1, R::None},
        {"key", IDC_KEY, K::Text, UI_TEXT_IN("field", "密钥"), report::kKey, nullptr, cmd::kSecurityKey, {}, {}, 5, 0,
         R::Text},
        {"dhcp", IDC_DHCP, K::Flag, "DHCP", report::kDhcp, nullptr, cmd::kDhcp, cmd::kDhcpValues,
         {}, 6, 0, R::None},
        {"ip", IDC_IPADDR, K::Address, UI_TEXT_IN("field", "IP地址"), report::kIpAddress, nullptr, cmd::kIpDefault, {},
         {}, 7, 0, R::None},
        {"netmask", IDC_NETMASK, K::Address, UI_TEXT_IN("field", "子网掩码"), report::kSubnetMask, nullptr,
         cmd::kMaskDefault, {}, {}, 8, 0, R::None},
        {"gateway", IDC_GATEWAY, K::Address, UI_TEXT_IN("field", "网关地址"), report::kGateway, nullptr,
         cmd::kGateDefault, {}, {}, 9, 0, R::None},
        {"dns", IDC_DNS, K::Address, UI_TEXT_IN("field", "DNS服务器"), report::kDnsServer, nullptr, cmd::kDnsDefault,
         {}, {}, 10, 0, R::None},
        {"serverIp", IDC_SERVERIP, K::Address, UI_TEXT_IN("field", "服务器地址"), report::kServerIp, nullptr,
         cmd::kTcpServerIp, {}, {}, 13, 0, R::None},
        // The report does not carry the transport protocol.
        {"protocol", IDC_PROTOCOL, K::List, UI_TEXT_IN("field", "协议类型"), {}, nullptr, cmd::kTcpUdpModel,
         cmd::kProtocolValues, cmd::kProtocolValues, 11, 0, R::None},
        {"csMode", IDC_CSMODE, K::List, UI_TEXT_IN("field", "C/S模式"), report::kScMode, &report::kScModeTokens,
         cmd::kScModel, cmd::kCsModeValues, cmd::kCsModeValues, 12, 0, R::None},
        {"serverPort", IDC_SERVERPORT, K::Text, UI_TEXT_IN("field", "端口号"), report::kPort, nullptr, cmd::kScPort, {},
         {}, 14, 0, R::Number},
        {"baudRate", IDC_BAUDRATE, K::List, UI_TEXT_IN("field", "波特率"), report::kBaudrate, &report::kBaudrateTokens,
         cmd::kBaudRate, {}, ListEntries(IDC_BAUDRATE), 15, 0, R::None},
        {"parity", IDC_PARITY, K::List, UI_TEXT_IN("field", "检验位"), report::kUartCheck, &report::kUartCheckTokens,
         cmd::kUartDataCheck, cmd::kParityValues, kParityNames, 16, 0, R::None},
        {"dataBits", IDC_DATABITS, K::List, UI_TEXT_IN("field", "数据位"), report::kUartBit, &report::kUartBitTokens,
         cmd::kUartDataBit, {}, ListEntries(IDC_DATABITS), 17, 0, R::None},
        {"stopBits", IDC_STOPBITS, K::List, UI_TEXT_IN("field", "停止位"), report::kUartStopbit,
         &report::kUartStopbitTokens, cmd::kUartDataStopBit, {}, ListEntries(IDC_STOPBITS), 18, 0,
         R::None},
        {"frameLen", IDC_FRAMELEN, K::Text, UI_TEXT_IN("field", "组帧长度"), report::kUartLong, nullptr,
         cmd::kDateLength, {}, {}, 19, 0, R::Number},
        {"frameTime", IDC_FRAMETIME, K::Text, UI_TEXT_IN("field", "组帧周期"), report::kUartTimeout, nullptr,
         cmd::kDateTimeout, {}, {}, 20, 0, R::Number},
        {"save", 0, K::Command, UI_TEXT_IN("field", "保存参数"), {}, nullptr, cmd::kSaveConfig, {}, {}, 21, 0, R::None},
    }};
    return table;
}
// clang-format on

}  // namespace

std::span<const Field> FormFields() {
    return std::span<const Field>(Table()).first(kFormFieldCount);
}

const Field& SaveField() {
    return Table().back();
}

const Field* FindField(std::string_view name) {
    for (const Field& f : FormFields()) {
        if (f.name == name) {
            return &f;
        }
    }
    return nullptr;
}

const Field& FieldOfControl(int id) {
    for (const Field& f : FormFields()) {
        if (f.id == id) {
            return f;
        }
    }
    throw std::logic_error("control " + std::to_string(id) + " holds no field");
}

bool IsSecret(const Field& field) {
    return field.id == IDC_KEY;
}

const Field& FieldOfStep(unsigned step, unsigned source) {
    for (const Field& f : Table()) {
        if (f.step == step && f.stepSource == source) {
            return f;
        }
    }
    return SaveField();
}

}  // namespace wifi
