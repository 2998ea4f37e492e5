// The snapshot the write sequence is built from: captured at "CONNECTED",
// kept current by the user's changes and by nothing else.
#include <gtest/gtest.h>

#include "Bench.h"

namespace wifi::testing {
namespace {

TEST(CaptureSnapshot, TakesTheFormAsTheReportFilledIt) {
    Bench b;
    b.Connect();
    const ConfigSnapshot expected{.ipText = "192.168.1.10",
                                  .maskText = "255.255.255.0",
                                  .gatewayText = "192.168.1.1",
                                  .dnsText = "8.8.8.8",
                                  .serverIpText = "10.0.0.2",
                                  .baudText = "115200",
                                  .dataBitsText = "9",
                                  .stopBitsText = "2",
                                  .security = 2,
                                  .keyFormat = 1,
                                  .keyIndex = 2,
                                  .csMode = 1,
                                  .parity = 2,
                                  .netType = 1,
                                  .protocol = 0};
    EXPECT_EQ(b.dlg.snapshot(), expected);
}

TEST(CaptureSnapshot, ListsWithoutSelectionGiveMinusOneOrEmptyAndBlankAddressesKeepTheirText) {
    Bench b;
    b.Connect();
    b.controls.UserClick(IDC_CONNECT);  // close
    std::string report = kReport;
    report.replace(report.find("Security:WEP128"), 15, "Security:WEP256");
    report.replace(report.find("Baudrate:115200"), 15, "Baudrate:300");
    b.controls.UserClick(IDC_CONNECT);
    b.comm.Deliver(report);
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(b.dlg.snapshot().security, -1);
    EXPECT_EQ(b.dlg.snapshot().baudText, "");

    // Blank controls never overwrite an address read before.
    Bench fresh;
    fresh.controls.UserSelect(IDC_COMPORT, 0);
    fresh.controls.UserClick(IDC_CONNECT);
    fresh.comm.Deliver("NetworkType:AP\r\nWeb_Password:\r\n");
    fresh.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(fresh.dlg.snapshot().ipText, "");
    EXPECT_EQ(fresh.dlg.snapshot().netType, 0);
}

TEST(ChangeHandlers, IndexListsStoreTheSelectionAtOnce) {
    Bench b;
    b.Connect();
    b.controls.UserSelect(IDC_NETTYPE, 0);
    b.controls.UserSelect(IDC_SECURITY, 3);
    b.controls.UserSelect(IDC_KEYFORMAT, 0);
    b.controls.UserSelect(IDC_KEYINDEX, 3);
    b.controls.UserSelect(IDC_CSMODE, 0);
    b.controls.UserSelect(IDC_PARITY, 1);
    b.controls.UserSelect(IDC_PROTOCOL, 1);
    const auto& s = b.dlg.snapshot();
    EXPECT_EQ(s.netType, 0);
    EXPECT_EQ(s.security, 3);
    EXPECT_EQ(s.keyFormat, 0);
    EXPECT_EQ(s.keyIndex, 3);
    EXPECT_EQ(s.csMode, 0);
    EXPECT_EQ(s.parity, 1);
    EXPECT_EQ(s.protocol, 1);
}

TEST(ChangeHandlers, IndexListsRunNoDataExchangeButTextListsDo) {
    Bench b;
    b.Connect();
    b.controls.UserType(IDC_SSID, "typed");
    b.controls.UserSelect(IDC_NETTYPE, 0);
    EXPECT_EQ(b.dlg.m_strSsid, "Bench-AP");
    b.controls.UserSelect(IDC_BAUDRATE, 0);
    EXPECT_EQ(b.dlg.snapshot().baudText, "1200");
    EXPECT_EQ(b.dlg.m_strSsid, "typed");
    b.controls.UserSelect(IDC_DATABITS, 0);
    b.controls.UserSelect(IDC_STOPBITS, 0);
    EXPECT_EQ(b.dlg.snapshot().dataBitsText, "8");
    EXPECT_EQ(b.dlg.snapshot().stopBitsText, "1");
}

TEST(ChangeHandlers, AddressFieldsAreReadWholeAsDottedText) {
    Bench b;
    b.Connect();
    b.controls.UserClearAddress(IDC_GATEWAY);
    EXPECT_EQ(b.dlg.snapshot().gatewayText, "192.168.1.1") << "blank keeps the old text";
    b.controls.UserSetAddressField(IDC_GATEWAY, 0, 10);
    EXPECT_EQ(b.dlg.snapshot().gatewayText, "10.0.0.0") << "empty fields read 0";
    b.controls.UserSetAddressField(IDC_GATEWAY, 3, 1);
    EXPECT_EQ(b.dlg.snapshot().gatewayText, "10.0.0.1");

    b.controls.UserSetAddressField(IDC_IPADDR, 3, 99);
    b.controls.UserSetAddressField(IDC_NETMASK, 3, 128);
    b.controls.UserSetAddressField(IDC_DNS, 0, 1);
    b.controls.UserSetAddressField(IDC_SERVERIP, 2, 7);
    EXPECT_EQ(b.dlg.snapshot().ipText, "192.168.1.99");
    EXPECT_EQ(b.dlg.snapshot().maskText, "255.255.255.128");
    EXPECT_EQ(b.dlg.snapshot().dnsText, "1.8.8.8");
    EXPECT_EQ(b.dlg.snapshot().serverIpText, "10.0.7.2");
}

TEST(ChangeHandlers, TheParsersSelectionsDoNotReachTheSnapshotUntilConnected) {
    Bench b;
    b.Open();
    b.comm.Deliver(kReport);
    EXPECT_EQ(b.dlg.snapshot(), ConfigSnapshot{});
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(b.dlg.snapshot().netType, 1);
}

}  // namespace
}  // namespace wifi::testing
