// The configuration report as the form shows it once the report has arrived.
#include <gtest/gtest.h>

#include "Bench.h"
#include "protocol/ReportParser.h"

namespace wifi::testing {
namespace {

Address Addr(int a, int b, int c, int d) {
    return {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
            static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d)};
}

// Replaces one line "Key:value\r\n" of the standard report.
std::string WithLine(const std::string& key, const std::string& value) {
    std::string report = kReport;
    const auto at = report.find(key);
    const auto end = report.find("\r\n", at);
    return report.replace(at, end - at, key + value);
}

std::string Without(const std::string& key) {
    std::string report = kReport;
    const auto at = report.find(key);
    return report.erase(at, report.find("\r\n", at) + 2 - at);
}

struct ReportTest : ::testing::Test {
    Bench b;
    void Receive(const std::string& report) {
        b.Open();
        b.comm.Deliver(report);
    }
};

TEST_F(ReportTest, FillsEveryListAddressTextAndFlag) {
    b.controls.SetCheck(IDC_DHCP, 1);
    b.dlg.m_nDhcp = 1;
    Receive(kReport);
    EXPECT_EQ(b.controls.GetCurSel(IDC_NETTYPE), 1);
    EXPECT_EQ(b.controls.GetCurSel(IDC_SECURITY), 2);
    EXPECT_EQ(b.controls.GetCurSel(IDC_KEYFORMAT), 1);
    EXPECT_EQ(b.controls.GetCurSel(IDC_KEYINDEX), 2);
    EXPECT_EQ(b.Text(IDC_BAUDRATE), "115200");
    EXPECT_EQ(b.Text(IDC_PARITY), "偶校验");
    EXPECT_EQ(b.Text(IDC_DATABITS), "9");
    EXPECT_EQ(b.Text(IDC_STOPBITS), "2");
    EXPECT_EQ(b.Text(IDC_CSMODE), "服务器");
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP");
    EXPECT_EQ(b.Text(IDC_KEY), "secret");
    EXPECT_EQ(b.Text(IDC_SERVERPORT), "8080");
    EXPECT_EQ(b.Text(IDC_FRAMELEN), "512");
    EXPECT_EQ(b.Text(IDC_FRAMETIME), "100");
    EXPECT_EQ(b.controls.GetCheck(IDC_DHCP), 0);
    EXPECT_EQ(b.controls.GetAddress(IDC_IPADDR), Addr(192, 168, 1, 10));
    EXPECT_EQ(b.controls.GetAddress(IDC_NETMASK), Addr(255, 255, 255, 0));
    EXPECT_EQ(b.controls.GetAddress(IDC_GATEWAY), Addr(192, 168, 1, 1));
    EXPECT_EQ(b.controls.GetAddress(IDC_DNS), Addr(8, 8, 8, 8));
    EXPECT_EQ(b.controls.GetAddress(IDC_SERVERIP), Addr(10, 0, 0, 2));
    // The report carries no protocol: the list shows none until the user
    // picks one.
    EXPECT_EQ(b.controls.GetCurSel(IDC_PROTOCOL), -1);
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(b.dlg.session().reportText, "") << "the connected reply ends the report";
}

TEST_F(ReportTest, LineOrderAndALeadingEchoDoNotMatter) {
    Bench other;
    other.Open();
    // The same lines, reversed, without the echo, "Web_Password:" still last.
    std::vector<std::string> lines;
    std::string body = kReport.substr(kReport.find("NetworkType:"));
    body = body.substr(0, body.find("Web_Password:"));
    for (std::size_t at = 0, end; (end = body.find("\r\n", at)) != std::string::npos;
         at = end + 2) {
        lines.insert(lines.begin(), body.substr(at, end + 2 - at));
    }
    std::string reversed;
    for (const auto& l : lines) {
        reversed += l;
    }
    other.comm.Deliver(reversed + "Web_Password:x\r\n");
    Receive(kReport);
    for (int id : {IDC_NETTYPE, IDC_SECURITY, IDC_KEYFORMAT, IDC_KEYINDEX, IDC_BAUDRATE, IDC_PARITY,
                   IDC_DATABITS, IDC_STOPBITS, IDC_CSMODE, IDC_SSID, IDC_KEY, IDC_SERVERPORT,
                   IDC_FRAMELEN, IDC_FRAMETIME}) {
        EXPECT_EQ(other.Text(id), b.Text(id)) << "control " << id;
    }
    for (int id : {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS, IDC_SERVERIP}) {
        EXPECT_EQ(other.controls.GetAddress(id), b.controls.GetAddress(id)) << "control " << id;
    }
}

TEST_F(ReportTest, ListValuesMatchOnlyTheReportsOwnTokensExactly) {
    struct Case {
        std::string key, value;
        int id, index;
    };
    const Case cases[] = {
        {"NetworkType:", "STA", IDC_NETTYPE, 1},     {"NetworkType:", "STA ", IDC_NETTYPE, -1},
        {"NetworkType:", "sta", IDC_NETTYPE, -1},    {"NetworkType:", "AP", IDC_NETTYPE, 0},
        {"Security:", "WPA/WPA2", IDC_SECURITY, 3},  {"Security:", "WPA", IDC_SECURITY, -1},
        {"Security:", "OPEN", IDC_SECURITY, 0},      {"Key_Mode:", "HEX", IDC_KEYFORMAT, 0},
        {"Key_Index:", "1", IDC_KEYINDEX, 0},        {"Key_Index:", "0", IDC_KEYINDEX, -1},
        {"Baudrate:", "1200", IDC_BAUDRATE, 0},      {"Baudrate:", "19201", IDC_BAUDRATE, -1},
        {"Uartdata_Check:", "None", IDC_PARITY, 0},  {"Uartdata_Check:", "ODD", IDC_PARITY, 1},
        {"Uartdata_Check:", "", IDC_PARITY, -1},     {"Uartdata_Bit:", "8", IDC_DATABITS, 0},
        {"Uartdata_Stopbit:", "1", IDC_STOPBITS, 0}, {"SC_Mode:", "Client", IDC_CSMODE, 0},
        {"SC_Mode:", "CLIENT", IDC_CSMODE, -1},
    };
    for (const auto& c : cases) {
        Bench fresh;
        fresh.Open();
        fresh.comm.Deliver(WithLine(c.key, c.value));
        EXPECT_EQ(fresh.controls.GetCurSel(c.id), c.index) << c.key << c.value;
    }
}

TEST_F(ReportTest, AnUnknownListValueClearsOnlyItsOwnList) {
    Receive(WithLine("Security:", "WPA3"));
    EXPECT_EQ(b.controls.GetCurSel(IDC_SECURITY), -1);
    EXPECT_EQ(b.controls.GetCurSel(IDC_NETTYPE), 1);
    EXPECT_EQ(b.controls.GetCurSel(IDC_KEYFORMAT), 1);
    EXPECT_EQ(b.Text(IDC_BAUDRATE), "115200");
}

TEST_F(ReportTest, DhcpTakesOnlyTheTwoFlagTokens) {
    Receive(WithLine("DHCP:", "ENABLE"));
    EXPECT_EQ(b.controls.GetCheck(IDC_DHCP), 1);

    Bench other;
    other.dlg.m_nDhcp = 1;
    other.Open();
    other.comm.Deliver(WithLine("DHCP:", "DISABLE"));  // the command's token, not the report's
    EXPECT_EQ(other.controls.GetCheck(IDC_DHCP), 0) << "not the value shown before";
    other.comm.Deliver("CONNECTED\r\n");
    ASSERT_EQ(other.dlg.UnknownFields().size(), 2u);
    EXPECT_EQ(other.dlg.UnknownFields()[0].field->name, "dhcp");
    EXPECT_EQ(other.dlg.UnknownFields()[0].reported, "DISABLE");
    other.controls.UserClick(IDC_CONNECT);
    other.controls.UserClick(IDC_CONNECT);
    other.comm.Deliver(WithLine("DHCP:", "DISENABLE"));
    EXPECT_EQ(other.controls.GetCheck(IDC_DHCP), 0);
}

TEST_F(ReportTest, AddressesAreScannedLikeFourDecimalNumbers) {
    b.controls.SetAddress(IDC_IPADDR, Addr(1, 2, 3, 4));
    Receive(WithLine("IP_address:", " 192.168.1.10 gateway"));
    EXPECT_EQ(b.controls.GetAddress(IDC_IPADDR), Addr(192, 168, 1, 10));

    for (const char* unusable : {"10.0.0", "", "10.0.0.x", "10 .0.0.1", "a.b.c.d"}) {
        Bench fresh;
        fresh.controls.SetAddress(IDC_IPADDR, Addr(1, 2, 3, 4));
        fresh.Open();
        fresh.comm.Deliver(WithLine("IP_address:", unusable));
        EXPECT_TRUE(fresh.controls.IsBlank(IDC_IPADDR))
            << "never the address shown before: " << unusable;
    }
}

TEST(ScanDottedAddress, TakesSignsAndSpaceBeforeEachNumber) {
    EXPECT_EQ(ScanDottedAddress("+1. 2.\t3.4"), Addr(1, 2, 3, 4));
    EXPECT_EQ(ScanDottedAddress("010.0.0.1"), Addr(10, 0, 0, 1));
    EXPECT_EQ(ScanDottedAddress("1.2.3.4.5"), Addr(1, 2, 3, 4));
    EXPECT_EQ(ScanDottedAddress("1.2.3.4 junk"), Addr(1, 2, 3, 4));
    EXPECT_FALSE(ScanDottedAddress("1 .2.3.4"));
    EXPECT_FALSE(ScanDottedAddress("1.2.3."));
    EXPECT_FALSE(ScanDottedAddress("99999999999999999999.1.1.1"));
    EXPECT_EQ(FormatDottedAddress(Addr(0, 10, 200, 255)), "0.10.200.255");
}

TEST_F(ReportTest, TextsAreTakenWhole) {
    Receive(WithLine("SSID:", " my net "));
    EXPECT_EQ(b.Text(IDC_SSID), " my net ");

    Bench other;
    other.dlg.m_strSsid = "old";
    other.dlg.UpdateData(false);
    other.Open();
    other.comm.Deliver(WithLine("SSID:", ""));
    EXPECT_EQ(other.Text(IDC_SSID), "");
}

TEST_F(ReportTest, AKeyCountsOnlyAtTheStartOfALineNeverInsideAValue) {
    Receive(WithLine("SSID:", "xPort:4242 tail KEY:x"));
    EXPECT_EQ(b.Text(IDC_SSID), "xPort:4242 tail KEY:x");
    EXPECT_EQ(b.Text(IDC_SERVERPORT), "8080");
    EXPECT_EQ(b.Text(IDC_KEY), "secret");

    // A key whose own line is missing is absent, not found inside another.
    Bench other;
    other.dlg.m_strKey = "kept";
    other.dlg.UpdateData(false);
    other.Open();
    std::string report = Without("KEY:");
    report.replace(report.find("SSID:Bench-AP"), 13, "SSID:KEY:x");
    other.comm.Deliver(report);
    EXPECT_EQ(other.Text(IDC_KEY), "") << "unknown, never what the form showed before";
    EXPECT_EQ(other.Text(IDC_SSID), "KEY:x");
}

TEST_F(ReportTest, TheLastLinesValueEndsAtItsLineEnd) {
    // "Web_Password:" inside a value does not end the report.
    const std::string report = Without("Uartdata_Timeout:");
    Receive(report.substr(0, report.find("Web_Password:")) +
            "Uartdata_Timeout:77Web_Password:x\r\n");
    EXPECT_EQ(b.Sent().size(), 1u) << "no report yet";
    b.comm.Deliver("Web_Password:\r\n");
    EXPECT_EQ(b.Text(IDC_FRAMETIME), "77Web_Password:x");
}

TEST(ReportValue, AbsentKeyGivesNothingNotAGuess) {
    EXPECT_FALSE(ReportValue("SSID:x\r\n", "KEY:"));
    EXPECT_FALSE(ReportValue("SSID:KEY:x\r\n", "KEY:"));
    EXPECT_EQ(ReportValue("SSID:x\nKEY:y\rPort:1", "KEY:"), "y") << "every line end counts";
    EXPECT_EQ(ReportValue("SSID:x\r\n", "SSID:"), "x");
    EXPECT_EQ(ReportValue("SSID:KEY:x\r\nKEY:y\r\n", "KEY:"), "y");
    EXPECT_EQ(ReportValue("SSID:x", "SSID:"), "");
}

}  // namespace
}  // namespace wifi::testing
