#include <gtest/gtest.h>

#include <set>

#include "Bench.h"
#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/EnablingGroups.h"
#include "form/ListContents.h"

namespace wifi {
namespace {

TEST(DialogTemplate, CaptionFontSizeAndStyles) {
    const auto& d = ConfigDialogTemplate();
    EXPECT_EQ(d.caption, "WIFI参数配置");
    EXPECT_EQ(d.fontName, "宋体");
    EXPECT_EQ(d.fontPointSize, 10);
    EXPECT_EQ(d.width, 339);
    EXPECT_EQ(d.height, 376);
    EXPECT_EQ(d.style, 0x90CA00C0u);
    EXPECT_EQ(d.exStyle, 0x40000u);
}

TEST(DialogTemplate, HoldsFiftyFiveItemsWithTheirIdsInCreationOrder) {
    const auto& items = ConfigDialogTemplate().items;
    ASSERT_EQ(items.size(), 55u);
    const std::vector<std::pair<int, int>> controls = {
        {3, IDC_COMPORT},    {4, IDC_BAUDRATE},   {5, IDC_PARITY},    {6, IDC_DATABITS},
        {7, IDC_STOPBITS},   {12, IDC_MSCOMM},    {17, IDC_SSID},     {19, IDC_SECURITY},
        {21, IDC_KEYFORMAT}, {23, IDC_KEYINDEX},  {25, IDC_KEY},      {27, IDC_DHCP},
        {35, IDC_PROTOCOL},  {37, IDC_CSMODE},    {39, IDC_SERVERIP}, {41, IDC_SERVERPORT},
        {42, IDC_SUBMIT},    {43, IDC_GATEWAY},   {44, IDC_DNS},      {45, IDC_NETMASK},
        {46, IDC_IPADDR},    {47, IDC_CONNECT},   {48, IDC_STATUS},   {49, IDC_NETTYPE},
        {53, IDC_FRAMELEN},  {54, IDC_FRAMETIME},
    };
    std::set<int> numbered;
    for (auto [position, id] : controls) {
        EXPECT_EQ(items[static_cast<std::size_t>(position - 1)].id, id) << "item " << position;
        numbered.insert(position);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!numbered.count(static_cast<int>(i + 1))) {
            EXPECT_EQ(items[i].id, IDC_STATIC) << "item " << i + 1;
        }
    }
}

TEST(DialogTemplate, SpotChecksOfKindTextAndGeometry) {
    const auto& items = ConfigDialogTemplate().items;
    auto check = [&](std::size_t n, ItemKind kind, std::string_view text, int x, int y, int w,
                     int h, std::uint32_t style) {
        const auto& it = items[n - 1];
        EXPECT_EQ(it.kind, kind) << n;
        EXPECT_EQ(it.text, text) << n;
        EXPECT_EQ((std::array{it.x, it.y, it.width, it.height}), (std::array{x, y, w, h})) << n;
        EXPECT_EQ(it.style, style) << n;
    };
    check(1, ItemKind::GroupBox, "通信设置", 7, 200, 78, 128, 0x50000007);
    check(2, ItemKind::Label, "串  口", 14, 69, 26, 13, 0x50020200);
    check(12, ItemKind::CommControl, "", 125, 335, 22, 23, 0x50010000);
    check(27, ItemKind::CheckBox, "", 101, 177, 8, 8, 0x50010003);
    check(28, ItemKind::Label, "启动DHCP", 115, 177, 42, 12, 0x50020000);
    check(35, ItemKind::DropList, "", 148, 282, 44, 54, 0x50210103);
    check(39, ItemKind::IpAddress, "", 148, 300, 66, 12, 0x50010000);
    check(42, ItemKind::PushButton, "提交参数", 222, 340, 87, 20, 0x50010000);
    check(47, ItemKind::PushButton, "连接模块", 25, 88, 51, 15, 0x50010000);
    check(48, ItemKind::Edit, "", 16, 111, 65, 15, 0x50810084);
    check(51, ItemKind::Label, "组帧长度", 11, 284, 33, 12, 0x50020201);
    check(55, ItemKind::Picture, "", 10, 6, 314, 45, 0x5000000E);
}

TEST(DialogTemplate, TabOrderFollowsTheTemplate) {
    const std::vector<int> expected = {
        IDC_COMPORT,  IDC_BAUDRATE,  IDC_PARITY,    IDC_DATABITS,   IDC_STOPBITS, IDC_MSCOMM,
        IDC_SSID,     IDC_SECURITY,  IDC_KEYFORMAT, IDC_KEYINDEX,   IDC_KEY,      IDC_DHCP,
        IDC_PROTOCOL, IDC_CSMODE,    IDC_SERVERIP,  IDC_SERVERPORT, IDC_SUBMIT,   IDC_GATEWAY,
        IDC_DNS,      IDC_NETMASK,   IDC_IPADDR,    IDC_CONNECT,    IDC_STATUS,   IDC_NETTYPE,
        IDC_FRAMELEN, IDC_FRAMETIME,
    };
    EXPECT_EQ(TabOrder(ConfigDialogTemplate()), expected);
}

TEST(ListContents, ElevenListsWithTheirEntriesAndOpeningSelections) {
    EXPECT_EQ(testing::WindowsComPorts().size(), 16u);
    EXPECT_EQ(testing::WindowsComPorts().front(), "COM1");
    EXPECT_EQ(testing::WindowsComPorts().back(), "COM16");
    using V = std::vector<std::string_view>;
    EXPECT_EQ(ListEntries(IDC_BAUDRATE),
              (V{"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}));
    EXPECT_EQ(ListEntries(IDC_PARITY), (V{"无校验", "奇校验", "偶校验"}));
    EXPECT_EQ(ListEntries(IDC_DATABITS), (V{"8", "9"}));
    EXPECT_EQ(ListEntries(IDC_STOPBITS), (V{"1", "2"}));
    EXPECT_EQ(ListEntries(IDC_SECURITY), (V{"OPEN", "WEP64", "WEP128", "WPA"}));
    EXPECT_EQ(ListEntries(IDC_KEYFORMAT), (V{"HEX", "ASCII"}));
    EXPECT_EQ(ListEntries(IDC_KEYINDEX), (V{"1", "2", "3", "4"}));
    EXPECT_EQ(ListEntries(IDC_PROTOCOL), (V{"TCP", "UDP"}));
    EXPECT_EQ(ListEntries(IDC_CSMODE), (V{"客户端", "服务器"}));
    EXPECT_EQ(ListEntries(IDC_NETTYPE), (V{"AP模式", "STA模式"}));
    std::vector<std::pair<int, int>> opening;
    for (const auto& l : ParameterLists()) {
        if (l.initialSelection >= 0) {
            opening.emplace_back(l.id, l.initialSelection);
        }
    }
    EXPECT_EQ(opening, (std::vector<std::pair<int, int>>{{IDC_BAUDRATE, 4},
                                                         {IDC_PARITY, 0},
                                                         {IDC_DATABITS, 0},
                                                         {IDC_STOPBITS, 0},
                                                         {IDC_PROTOCOL, 0}}));
}

TEST(EnablingGroups, StartGroupIsTheModuleGroupWithStatusBeforeItsLast) {
    EXPECT_EQ(ModuleGroup.front(), IDC_SSID);
    EXPECT_EQ(ModuleGroup[6], IDC_IPADDR);
    EXPECT_EQ(ModuleGroup[16], IDC_BAUDRATE);
    EXPECT_EQ(ModuleGroup.back(), IDC_NETTYPE);
    EXPECT_EQ(StartGroup[19], IDC_STOPBITS);
    EXPECT_EQ(StartGroup[20], IDC_STATUS);
    EXPECT_EQ(StartGroup[21], IDC_NETTYPE);
    for (int id : {IDC_STATUS, IDC_SUBMIT, IDC_CONNECT, IDC_COMPORT}) {
        EXPECT_EQ(std::count(ModuleGroup.begin(), ModuleGroup.end(), id), 0) << id;
    }
}

}  // namespace
}  // namespace wifi
