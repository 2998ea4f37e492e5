// The form as the user finds it: the controls' behaviour, the state after
// start-up, the data exchange and the enabling at the four moments.
#include <gtest/gtest.h>

#include <algorithm>

#include "Bench.h"
#include "form/EnablingGroups.h"

namespace wifi::testing {
namespace {

TEST(MemoryControls, BehaveAsTheWindowsControlsDo) {
    MemoryControls c{WindowsComPorts()};
    std::vector<std::pair<int, Notification>> seen;
    c.notify = [&](int id, Notification n) { seen.emplace_back(id, n); };

    EXPECT_EQ(c.GetCurSel(IDC_SECURITY), -1);
    EXPECT_EQ(c.GetText(IDC_SECURITY), "");
    c.SetCurSel(IDC_SECURITY, 3);
    EXPECT_EQ(c.GetText(IDC_SECURITY), "WPA");
    c.SetCurSel(IDC_SECURITY, -1);
    EXPECT_EQ(c.GetCurSel(IDC_SECURITY), -1);
    EXPECT_TRUE(seen.empty()) << "selecting from code raises nothing";

    EXPECT_TRUE(c.UserSelect(IDC_SECURITY, 1));
    EXPECT_FALSE(c.UserSelect(IDC_SECURITY, 4)) << "no such entry";
    EXPECT_FALSE(c.UserType(IDC_SECURITY, "typed")) << "a drop list takes no typing";
    EXPECT_EQ(seen,
              (std::vector<std::pair<int, Notification>>{{IDC_SECURITY, Notification::SelChange}}));

    EXPECT_TRUE(c.IsBlank(IDC_DNS));
    c.UserSetAddressField(IDC_DNS, 1, 300);
    EXPECT_FALSE(c.IsBlank(IDC_DNS));
    EXPECT_EQ(c.GetAddress(IDC_DNS), (Address{0, 255, 0, 0}));

    c.EnableWindow(IDC_SSID, false);
    EXPECT_FALSE(c.UserType(IDC_SSID, "x")) << "a disabled control takes no input";
    EXPECT_EQ(c.GetText(IDC_SSID), "");
}

TEST(InitDialog, SelectsDefaultsDisablesTheStartGroupAndShowsNotConnected) {
    Bench b;
    EXPECT_EQ(b.Text(IDC_BAUDRATE), "19200");
    EXPECT_EQ(b.Text(IDC_PARITY), "无校验");
    EXPECT_EQ(b.Text(IDC_DATABITS), "8");
    EXPECT_EQ(b.Text(IDC_STOPBITS), "1");
    EXPECT_EQ(b.Text(IDC_PROTOCOL), "TCP");
    for (int id :
         {IDC_COMPORT, IDC_SECURITY, IDC_KEYFORMAT, IDC_KEYINDEX, IDC_CSMODE, IDC_NETTYPE}) {
        EXPECT_EQ(b.controls.GetCurSel(id), -1) << id;
    }
    for (int id : StartGroup) {
        EXPECT_FALSE(b.Enabled(id)) << id;
    }
    for (int id : {IDC_COMPORT, IDC_CONNECT}) {
        EXPECT_TRUE(b.Enabled(id)) << id;
    }
    EXPECT_FALSE(b.Enabled(IDC_SUBMIT)) << "nothing to submit before a module connects";
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
    EXPECT_EQ(b.dlg.session().moduleReady, 0);
    EXPECT_TRUE(b.dlg.session().rxBuffer.empty());
    EXPECT_EQ(b.dlg.snapshot(), ConfigSnapshot{});
}

TEST(InitDialog, ClosesAPortLeftOpenBeforeAnythingElse) {
    MemoryControls controls{WindowsComPorts()};
    FakeComm comm;
    OpenPort(comm, 0);
    comm.ClearAccesses();
    FakeClock clock;
    CConfigDlg dlg{controls, comm, [](unsigned) {}, clock};
    EXPECT_TRUE(dlg.OnInitDialog());
    EXPECT_EQ(comm.accesses(), (std::vector<std::string>{"PortOpen?", "PortOpen=0"}));
}

TEST(DataExchange, ReadsEditsAndCheckIntoMembersAndWritesThemBack) {
    Bench b;
    b.Connect();
    b.controls.UserType(IDC_SSID, "typed");
    b.controls.UserType(IDC_FRAMETIME, "250");
    b.controls.SetCheck(IDC_DHCP, 1);
    EXPECT_EQ(b.dlg.m_strSsid, "Bench-AP") << "typing alone changes no member";
    b.dlg.UpdateData(true);
    EXPECT_EQ(b.dlg.m_strSsid, "typed");
    EXPECT_EQ(b.dlg.m_strFrameTime, "250");
    EXPECT_EQ(b.dlg.m_nDhcp, 1);

    b.dlg.m_strKey = "new key";
    b.dlg.m_nDhcp = 0;
    b.dlg.UpdateData(false);
    EXPECT_EQ(b.Text(IDC_KEY), "new key");
    EXPECT_EQ(b.controls.GetCheck(IDC_DHCP), 0);
}

// The addresses follow DHCP: disabled while it is on, their values kept and
// still written; a locked form leaves them locked, and opens them as DHCP says.
TEST(DataExchange, ADhcpClickIsReadAtOnceAndTheAddressesFollowIt) {
    Bench b;
    b.Connect();  // the module reported DHCP off
    for (int id : {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS}) {
        EXPECT_TRUE(b.Enabled(id));
    }
    b.controls.UserType(IDC_KEY, "typed key");
    b.controls.UserClick(IDC_DHCP);
    EXPECT_EQ(b.dlg.m_nDhcp, 1);
    EXPECT_EQ(b.dlg.m_strKey, "typed key") << "the read takes the edits too";
    for (int id : {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS}) {
        EXPECT_FALSE(b.Enabled(id)) << "DHCP assigns them";
    }
    EXPECT_TRUE(b.Enabled(IDC_SERVERIP)) << "the server's address is no DHCP's";
    EXPECT_EQ(b.controls.GetAddress(IDC_IPADDR), (Address{192, 168, 1, 10})) << "kept";

    b.Submit();
    b.Acknowledge(7);
    const auto sent = b.Sent();
    EXPECT_NE(std::find(sent.begin(), sent.end(), "AT+SZ_IP_DEFAULT=192.168.1.10\r\n"), sent.end())
        << "still written";
    b.Acknowledge(15);
    for (int id : {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS}) {
        EXPECT_FALSE(b.Enabled(id)) << "the form opened again as DHCP says";
    }
    EXPECT_TRUE(b.Enabled(IDC_SSID));
    b.controls.UserClick(IDC_DHCP);
    EXPECT_TRUE(b.Enabled(IDC_IPADDR));

    // A blank address under DHCP is reached through the DHCP box.
    EventLog events;
    b.dlg.SetEvents(&events);
    b.controls.UserClearAddress(IDC_GATEWAY);
    b.controls.UserClick(IDC_DHCP);
    b.Submit();
    EXPECT_EQ(events.log.back(), "rejected gateway under dhcp");
    EXPECT_EQ(b.controls.focus(), IDC_DHCP);
}

TEST(Enabling, FollowsTheConnectionAtItsFourMoments) {
    Bench b;
    b.Open();
    EXPECT_FALSE(b.Enabled(IDC_COMPORT)) << "port opened";
    for (int id : ModuleGroup) {
        EXPECT_FALSE(b.Enabled(id)) << id;
    }
    b.comm.Deliver(kReport);
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP") << "the form shows the report";
    EXPECT_FALSE(b.Enabled(IDC_SSID)) << "but stays locked until connected";

    b.comm.Deliver("CONNECTED\r\n");
    for (int id : ModuleGroup) {
        EXPECT_TRUE(b.Enabled(id)) << id;
    }
    EXPECT_FALSE(b.Enabled(IDC_STATUS));
    EXPECT_FALSE(b.Enabled(IDC_COMPORT));
    EXPECT_EQ(b.Text(IDC_STATUS), "已连接");

    EXPECT_TRUE(b.Enabled(IDC_SUBMIT));
    b.controls.UserSelect(IDC_PROTOCOL, 0);
    b.Submit();
    // Locked while writing: the form and the submit button, not the connect
    // button, which can still close the port.
    for (int id : ModuleGroup) {
        EXPECT_FALSE(b.Enabled(id)) << id;
    }
    EXPECT_FALSE(b.Enabled(IDC_SUBMIT));
    EXPECT_TRUE(b.Enabled(IDC_CONNECT));
    b.Acknowledge(22);
    EXPECT_TRUE(b.Enabled(IDC_SSID)) << "the completed sequence gives the form back";
    EXPECT_TRUE(b.Enabled(IDC_SUBMIT)) << "a second submit is possible";

    b.controls.UserClick(IDC_CONNECT);
    EXPECT_TRUE(b.Enabled(IDC_COMPORT));
    for (int id : ModuleGroup) {
        EXPECT_FALSE(b.Enabled(id)) << id;
    }
    EXPECT_FALSE(b.Enabled(IDC_STATUS));
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
    EXPECT_FALSE(b.comm.GetPortOpen());
    EXPECT_TRUE(b.Enabled(IDC_CONNECT));
    EXPECT_FALSE(b.Enabled(IDC_SUBMIT));
}

TEST(MessageMap, BindsTheHandlersAndLeavesUnboundNotificationsAlone) {
    Bench b;
    EXPECT_FALSE(b.dlg.Dispatch(IDC_COMPORT, Notification::SelChange));
    EXPECT_FALSE(b.dlg.Dispatch(IDC_SSID, Notification::EditChange));
    EXPECT_FALSE(b.dlg.Dispatch(0, Notification::Paint)) << "the window paints itself";
    EXPECT_TRUE(b.dlg.Dispatch(IDC_KEY, Notification::EditChange));
    EXPECT_TRUE(b.dlg.Dispatch(IDC_CSMODE, Notification::ComboEditChange));
    const auto before = b.dlg.snapshot();
    b.controls.UserSelect(IDC_COMPORT, 3);
    EXPECT_EQ(b.dlg.snapshot(), before) << "the port list feeds nothing";
}

}  // namespace
}  // namespace wifi::testing
