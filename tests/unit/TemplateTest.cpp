#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "Bench.h"
#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/EnablingGroups.h"
#include "form/ListContents.h"
#include "form/WindowExtras.h"
#include "window/WindowLayout.h"

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

// The items in the order a person reads the form: each group's frame, then
// its labels and controls top to bottom, left to right; the port and the
// connect button first, the submit button last.
TEST(DialogTemplate, HoldsFiftyFiveItemsWithTheirIdsInLayoutOrder) {
    const auto& items = ConfigDialogTemplate().items;
    ASSERT_EQ(items.size(), 55u);
    const std::vector<std::pair<int, int>> controls = {
        {3, IDC_COMPORT},    {4, IDC_CONNECT},    {5, IDC_STATUS},    {7, IDC_NETTYPE},
        {10, IDC_BAUDRATE},  {12, IDC_PARITY},    {14, IDC_DATABITS}, {16, IDC_STOPBITS},
        {18, IDC_FRAMELEN},  {20, IDC_FRAMETIME}, {24, IDC_SSID},     {26, IDC_SECURITY},
        {28, IDC_KEYFORMAT}, {30, IDC_KEYINDEX},  {32, IDC_KEY},      {34, IDC_DHCP},
        {37, IDC_IPADDR},    {39, IDC_NETMASK},   {41, IDC_GATEWAY},  {43, IDC_DNS},
        {46, IDC_PROTOCOL},  {48, IDC_CSMODE},    {50, IDC_SERVERIP}, {52, IDC_SERVERPORT},
        {53, IDC_SUBMIT},    {54, IDC_MSCOMM},
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
    check(8, ItemKind::GroupBox, "通信设置", 7, 200, 78, 128, 0x50000007);
    check(2, ItemKind::Label, "串  口", 14, 69, 26, 13, 0x50020200);
    check(54, ItemKind::CommControl, "", 125, 335, 22, 23, 0x50010000);
    check(34, ItemKind::CheckBox, "", 101, 177, 8, 8, 0x50010003);
    check(35, ItemKind::Label, "启动DHCP", 115, 177, 42, 12, 0x50020000);
    check(46, ItemKind::DropList, "", 148, 282, 44, 54, 0x50210103);
    check(50, ItemKind::IpAddress, "", 148, 300, 66, 12, 0x50010000);
    check(53, ItemKind::PushButton, "提交参数", 222, 340, 87, 20, 0x50010000);
    check(4, ItemKind::PushButton, "连接模块", 25, 88, 51, 15, 0x50010000);
    check(5, ItemKind::Edit, "", 16, 111, 65, 15, 0x50810084);
    check(17, ItemKind::Label, "组帧长度", 11, 284, 33, 12, 0x50020201);
    check(55, ItemKind::Picture, "", 10, 6, 314, 45, 0x5000000E);
}

TEST(DialogTemplate, TabFollowsTheLayoutPortFirstSubmitLast) {
    const std::vector<int> expected = {
        IDC_COMPORT,   IDC_CONNECT,  IDC_STATUS,   IDC_NETTYPE,   IDC_BAUDRATE, IDC_PARITY,
        IDC_DATABITS,  IDC_STOPBITS, IDC_FRAMELEN, IDC_FRAMETIME, IDC_SSID,     IDC_SECURITY,
        IDC_KEYFORMAT, IDC_KEYINDEX, IDC_KEY,      IDC_DHCP,      IDC_IPADDR,   IDC_NETMASK,
        IDC_GATEWAY,   IDC_DNS,      IDC_PROTOCOL, IDC_CSMODE,    IDC_SERVERIP, IDC_SERVERPORT,
        IDC_SUBMIT,    IDC_MSCOMM,
    };
    EXPECT_EQ(TabOrder(ConfigDialogTemplate()), expected);
    // Within a group, each control is on the row of the one before and to
    // its right, or below it: the order a person reads.
    const auto& items = ConfigDialogTemplate().items;
    const DialogItem* previous = nullptr;
    for (const DialogItem& item : items) {
        if (item.kind == ItemKind::GroupBox) {
            previous = nullptr;
        } else if (item.style & style::kTabStop && item.kind != ItemKind::CommControl) {
            if (previous && item.id != IDC_SUBMIT) {
                const bool sameRow = std::abs(item.y - previous->y) <= 3;
                EXPECT_TRUE(sameRow ? item.x > previous->x : item.y > previous->y)
                    << item.id << " after " << previous->id;
            }
            previous = &item;
        }
    }
}

// The label after a check box is its caption: a click on it toggles the box.
TEST(DialogTemplate, TheLabelAfterACheckBoxIsItsCaption) {
    const auto& t = ConfigDialogTemplate();
    std::vector<std::pair<std::size_t, int>> captions;
    for (std::size_t i = 0; i < t.items.size(); ++i) {
        if (const int box = CheckBoxOfLabel(t, i)) {
            captions.emplace_back(i, box);
        }
    }
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(t.items[captions[0].first].text, "启动DHCP");
    EXPECT_EQ(captions[0].second, IDC_DHCP);
    EXPECT_EQ(CheckBoxOfLabel(t, 0), 0);
    EXPECT_EQ(CheckBoxOfLabel(t, t.items.size()), 0);
}

// In English the UART group's labels start in one column: the frame labels,
// centred for four Chinese characters, start where 波特率 does and end where
// they did. The Chinese window keeps its own geometry.
TEST(DialogTemplate, ATranslatedWindowAlignsTheCentredLabelsWithTheirColumn) {
    const auto labelOf = [](const DialogTemplate& t, std::string_view text) {
        const auto at = std::find_if(t.items.begin(), t.items.end(),
                                     [&](const DialogItem& item) { return item.text == text; });
        return at == t.items.end() ? DialogItem{} : *at;
    };
    const DialogTemplate& chinese = ConfigDialogTemplate(Language::Chinese);
    const DialogTemplate& english = ConfigDialogTemplate(Language::English);
    EXPECT_EQ(&chinese, &ConfigDialogTemplate());
    ASSERT_EQ(english.items.size(), chinese.items.size());
    const int column = labelOf(chinese, "波特率").x;
    for (const char* text : {"组帧长度", "组帧周期"}) {
        const DialogItem before = labelOf(chinese, text);
        const DialogItem after = labelOf(english, text);
        EXPECT_TRUE(before.style & style::kCentre) << text;
        EXPECT_FALSE(after.style & style::kCentre) << text;
        EXPECT_EQ(after.x, column) << text;
        EXPECT_EQ(after.x + after.width, before.x + before.width) << text;
        EXPECT_EQ(after.y, before.y) << text;
    }
    // A label reaches as far as the control beside it: "IP address" has
    // the room up to the address.
    const DialogItem ip = labelOf(english, "IP地址：");
    EXPECT_EQ(ip.x, labelOf(chinese, "IP地址：").x);
    EXPECT_EQ(ip.x + ip.width + 1, 158);
    // Nothing else moves.
    int moved = 0;
    for (std::size_t i = 0; i < english.items.size(); ++i) {
        moved += english.items[i].x != chinese.items[i].x;
    }
    EXPECT_EQ(moved, 2);
}

// What a window adds (progress line, encoding, menu button) sits in free
// space: inside the dialog, over no item but the frames of group boxes.
TEST(DialogTemplate, WhatAWindowAddsCoversNoItem) {
    const DialogTemplate& t = ConfigDialogTemplate();
    const auto overlap = [](const int* a, int x, int y, int w, int h) {
        return a[0] < x + w && x < a[0] + a[2] && a[1] < y + h && y < a[1] + a[3];
    };
    const int encoding[4] = {kEncodingRect[0], kEncodingRect[1], kEncodingRect[2],
                             kClosedDropListHeight};
    const int* list = EncodingRect(Language::English);
    const int* label = EncodingLabelRect(Language::English);
    const int translated[4] = {list[0], list[1], list[2], kClosedDropListHeight};
    // In English the label is wider and the list narrower; they still touch
    // nothing, nor each other.
    EXPECT_LE(label[0] + label[2], list[0]);
    EXPECT_EQ(list[0] + list[2], kEncodingRect[0] + kEncodingRect[2]);
    for (const int* extra :
         {kProgressRect, kEncodingLabelRect, +encoding, kMenuButtonRect, label, +translated}) {
        EXPECT_LE(extra[0] + extra[2], t.width);
        EXPECT_LE(extra[1] + extra[3], t.height);
        for (const DialogItem& item : t.items) {
            const bool inert =
                item.kind == ItemKind::GroupBox || item.kind == ItemKind::CommControl;
            const int height =
                item.kind == ItemKind::DropList ? kClosedDropListHeight : item.height;
            EXPECT_FALSE(!inert && overlap(extra, item.x, item.y, item.width, height))
                << "an addition at " << extra[0] << "," << extra[1] << " covers item " << item.id;
        }
    }
    EXPECT_FALSE(overlap(kMenuButtonRect, kProgressRect[0], kProgressRect[1], kProgressRect[2],
                         kProgressRect[3]));
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
