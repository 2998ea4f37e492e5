#include "form/DialogTemplate.h"

#include "form/ControlIds.h"
#include "form/UiText.h"

namespace wifi {

namespace {

constexpr std::uint32_t kGroupBoxStyle = 0x50000007;
constexpr std::uint32_t kLabelStyle = 0x50020000;
constexpr std::uint32_t kLabelVCentredStyle = 0x50020200;
constexpr std::uint32_t kLabelCentredStyle = 0x50020201;
constexpr std::uint32_t kDropListStyle = 0x50210003;
constexpr std::uint32_t kSortedDropListStyle = 0x50210103;
constexpr std::uint32_t kEditStyle = 0x50810080;
constexpr std::uint32_t kStatusStyle = 0x50810084;
constexpr std::uint32_t kCheckBoxStyle = 0x50010003;
constexpr std::uint32_t kTabStopStyle = 0x50010000;  // buttons, address controls, serial control
constexpr std::uint32_t kPictureStyle = 0x5000000E;

using K = ItemKind;

}  // namespace

const DialogTemplate& ConfigDialogTemplate() {
    static const DialogTemplate dialog = {
        UI_TEXT("WIFI参数配置"),
        "宋体",
        10,
        339,
        376,
        0x90CA00C0,
        0x00040000,
        // Each group's frame, then its labels and controls, in the order a
        // person reads them: top to bottom, left to right. The port and the
        // connect button first, the submit button last; the tab order is
        // this order.
        {
            {IDC_STATIC, K::GroupBox, kGroupBoxStyle, UI_TEXT("配置连接"), 7, 58, 78, 85},
            {IDC_STATIC, K::Label, kLabelVCentredStyle, UI_TEXT("串  口"), 14, 69, 26, 13},
            {IDC_COMPORT, K::DropList, kDropListStyle, "", 43, 68, 38, 75},
            {IDC_CONNECT, K::PushButton, kTabStopStyle, UI_TEXT("连接模块"), 25, 88, 51, 15},
            {IDC_STATUS, K::Edit, kStatusStyle, "", 16, 111, 65, 15},
            {IDC_STATIC, K::GroupBox, kGroupBoxStyle, UI_TEXT("网络类型"), 7, 151, 74, 37},
            {IDC_NETTYPE, K::DropList, kDropListStyle, "", 15, 168, 58, 53},
            {IDC_STATIC, K::GroupBox, kGroupBoxStyle, UI_TEXT("通信设置"), 7, 200, 78, 128},
            {IDC_STATIC, K::Label, kLabelVCentredStyle, UI_TEXT("波特率"), 15, 218, 26, 13},
            {IDC_BAUDRATE, K::DropList, kDropListStyle, "", 43, 218, 38, 60},
            {IDC_STATIC, K::Label, kLabelVCentredStyle, UI_TEXT("检验位"), 15, 234, 26, 13},
            {IDC_PARITY, K::DropList, kDropListStyle, "", 43, 234, 38, 54},
            {IDC_STATIC, K::Label, kLabelVCentredStyle, UI_TEXT("数据位"), 15, 250, 26, 13},
            {IDC_DATABITS, K::DropList, kDropListStyle, "", 43, 250, 38, 37},
            {IDC_STATIC, K::Label, kLabelVCentredStyle, UI_TEXT("停止位"), 15, 265, 26, 13},
            {IDC_STOPBITS, K::DropList, kDropListStyle, "", 43, 265, 38, 50},
            {IDC_STATIC, K::Label, kLabelCentredStyle, UI_TEXT("组帧长度"), 11, 284, 33, 12},
            {IDC_FRAMELEN, K::Edit, kEditStyle, "", 45, 284, 36, 13},
            {IDC_STATIC, K::Label, kLabelCentredStyle, UI_TEXT("组帧周期"), 12, 301, 32, 12},
            {IDC_FRAMETIME, K::Edit, kEditStyle, "", 45, 300, 36, 13},
            {IDC_STATIC, K::GroupBox, kGroupBoxStyle, UI_TEXT("配置参数"), 89, 57, 243, 313},
            {IDC_STATIC, K::GroupBox, kGroupBoxStyle, UI_TEXT("无线设置"), 93, 71, 231, 85},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("网络名称："), 98, 83, 41, 11},
            {IDC_SSID, K::Edit, kEditStyle, "", 142, 80, 177, 15},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("安全模式："), 99, 100, 41, 11},
            {IDC_SECURITY, K::DropList, kDropListStyle, "", 142, 100, 39, 81},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("密钥格式："), 99, 118, 42, 12},
            {IDC_KEYFORMAT, K::DropList, kDropListStyle, "", 142, 116, 39, 49},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("密钥索引："), 191, 117, 39, 12},
            {IDC_KEYINDEX, K::DropList, kDropListStyle, "", 235, 115, 39, 63},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("密钥："), 99, 135, 28, 11},
            {IDC_KEY, K::Edit, kEditStyle, "", 142, 135, 177, 12},
            {IDC_STATIC, K::GroupBox, kGroupBoxStyle, UI_TEXT("网络设置"), 93, 162, 232, 94},
            {IDC_DHCP, K::CheckBox, kCheckBoxStyle, "", 101, 177, 8, 8},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("启动DHCP"), 115, 177, 42, 12},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("IP地址："), 100, 191, 40, 14},
            {IDC_IPADDR, K::IpAddress, kTabStopStyle, "", 158, 187, 151, 13},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("子网掩码："), 100, 208, 40, 14},
            {IDC_NETMASK, K::IpAddress, kTabStopStyle, "", 158, 204, 151, 13},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("网关地址："), 100, 223, 40, 14},
            {IDC_GATEWAY, K::IpAddress, kTabStopStyle, "", 158, 221, 151, 12},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("DNS服务器："), 100, 239, 45, 14},
            {IDC_DNS, K::IpAddress, kTabStopStyle, "", 158, 237, 151, 13},
            {IDC_STATIC, K::GroupBox, kGroupBoxStyle, UI_TEXT("工作模式设置"), 94, 267, 230, 60},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("协议类型："), 100, 283, 40, 13},
            {IDC_PROTOCOL, K::DropList, kSortedDropListStyle, "", 148, 282, 44, 54},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("C/S模式："), 201, 284, 40, 13},
            {IDC_CSMODE, K::DropList, kDropListStyle, "", 244, 282, 44, 57},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("服务器地址："), 101, 302, 45, 16},
            {IDC_SERVERIP, K::IpAddress, kTabStopStyle, "", 148, 300, 66, 12},
            {IDC_STATIC, K::Label, kLabelStyle, UI_TEXT("端口号："), 224, 302, 35, 13},
            {IDC_SERVERPORT, K::Edit, kEditStyle, "", 263, 300, 42, 12},
            {IDC_SUBMIT, K::PushButton, kTabStopStyle, UI_TEXT("提交参数"), 222, 340, 87, 20},
            {IDC_MSCOMM, K::CommControl, kTabStopStyle, "", 125, 335, 22, 23},
            {IDC_STATIC, K::Picture, kPictureStyle, "", 10, 6, 314, 45},
        },
    };
    return dialog;
}

int CheckBoxOfLabel(const DialogTemplate& dialog, std::size_t index) {
    if (index == 0 || index >= dialog.items.size() || dialog.items[index].kind != ItemKind::Label ||
        dialog.items[index - 1].kind != ItemKind::CheckBox) {
        return 0;
    }
    return dialog.items[index - 1].id;
}

std::vector<int> TabOrder(const DialogTemplate& dialog) {
    std::vector<int> ids;
    for (const auto& item : dialog.items) {
        if (item.style & style::kTabStop) {
            ids.push_back(item.id);
        }
    }
    return ids;
}

}  // namespace wifi
