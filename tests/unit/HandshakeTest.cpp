// Connect, report, "CONNECTED": the bytes on the wire, the pauses, and the
// receive dispatcher's order of decisions.
#include <gtest/gtest.h>

#include "Bench.h"

namespace wifi::testing {
namespace {

using Lines = std::vector<std::string>;
using Pauses = std::vector<unsigned>;

TEST(Handshake, ExactBytesAndPausesFromConnectToReady) {
    Bench b;
    b.controls.UserSelect(IDC_COMPORT, 4);
    b.comm.ClearAccesses();
    b.controls.UserClick(IDC_CONNECT);
    EXPECT_EQ(b.comm.accesses(),
              (Lines{"PortOpen?", "CommPort=5", "InputMode=1", "InBufferSize=1024",
                     "OutBufferSize=512", "Settings=19200,n,8,1", "PortOpen=1", "RThreshold=1",
                     "InputLen=0", "Input?", "Output=AT+SZ_CHECKCONFIG=ALL\r\n"}));
    EXPECT_EQ(b.pauses, Pauses{10});
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");

    b.comm.DeliverInChunks(kReport, 7);
    EXPECT_EQ(b.Sent(), (Lines{"AT+SZ_CHECKCONFIG=ALL\r\n", "AT+SZ_CONNECT=START\r\n"}));
    EXPECT_EQ(b.pauses, (Pauses{10, 50, 10}));
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");

    b.comm.DeliverInChunks("CONNECTED\r\n", 3);
    EXPECT_EQ(b.pauses, (Pauses{10, 50, 10, 20}));
    EXPECT_EQ(b.Text(IDC_STATUS), "已连接");
    EXPECT_EQ(b.dlg.session().moduleReady, 1);
    EXPECT_EQ(b.Sent().size(), 2u) << "CONNECTED is answered with nothing";
}

TEST(Handshake, TheReportCompletesAtWebPasswordEvenBeforeItsValue) {
    Bench b;
    b.Open();
    const std::string head = kReport.substr(0, kReport.find("Web_Password:") + 13);
    b.comm.Deliver(head.substr(0, head.size() - 1));
    EXPECT_EQ(b.Sent().size(), 1u);
    b.comm.Deliver(":");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    // The rest of the line lands in the emptied buffer and waits there until
    // the connected reply empties it.
    b.comm.Deliver("admin\r\n");
    EXPECT_EQ(b.dlg.session().rxBuffer.str(), "admin\r\n");
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_TRUE(b.dlg.session().rxBuffer.empty());
}

TEST(Handshake, ZeroBytesAreDroppedAndOtherEventsOnlyRefreshTheControls) {
    Bench b;
    b.Open();
    b.comm.Deliver(std::string("CONN\0ECTED\r", 11));
    EXPECT_EQ(b.dlg.session().rxBuffer.str(), "CONNECTED\r");
    b.dlg.m_strStatus = "refresh me";
    b.comm.DeliverOtherEvent(3);
    EXPECT_EQ(b.dlg.session().rxBuffer.str(), "CONNECTED\r");
    EXPECT_EQ(b.Text(IDC_STATUS), "refresh me");
    b.comm.Deliver("\n");
    EXPECT_EQ(b.Text(IDC_STATUS), "已连接");
}

TEST(Handshake, SecondPressClosesThePortAndLocksTheForm) {
    Bench b;
    b.Connect();
    b.comm.ClearAccesses();
    b.controls.UserClick(IDC_CONNECT);
    EXPECT_EQ(b.comm.accesses(), (Lines{"PortOpen?", "PortOpen=0"}));
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
    EXPECT_FALSE(b.Enabled(IDC_SSID));
    // The form keeps every value across the transition.
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP");
    EXPECT_EQ(b.Text(IDC_BAUDRATE), "115200");
}

TEST(Handshake, ALostPortReturnsTheFormToItsClosedState) {
    Bench b;
    b.Connect();
    b.comm.SetPortOpen(false);  // the device went away and the port was shut
    b.comm.ClearAccesses();
    b.dlg.OnPortLost();
    EXPECT_EQ(b.comm.accesses(), Lines{"PortOpen?"}) << "nothing more to close";
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
    EXPECT_TRUE(b.Enabled(IDC_COMPORT));
    EXPECT_FALSE(b.Enabled(IDC_SSID));
    // The next press of connect opens the port again.
    b.controls.UserClick(IDC_CONNECT);
    EXPECT_TRUE(b.comm.GetPortOpen());
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CHECKCONFIG=ALL\r\n");
}

TEST(Dispatcher, AReportRunsAloneAndTakesOtherTokensWithIt) {
    Bench b;
    b.Open();
    b.comm.Deliver("CONNECTED\r\nOK\r\nERROR\r\n" + kReport);
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
    EXPECT_EQ(b.dlg.session().moduleReady, 0);
    EXPECT_TRUE(b.dlg.session().rxBuffer.empty());
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
}

TEST(Dispatcher, ConnectedWithOkRunsOnlyTheConnectedBranch) {
    Bench b;
    b.Open();
    b.comm.Deliver(kReport);
    b.controls.UserClick(IDC_SUBMIT);  // not ready yet: its OK would be ignored anyway
    const auto sent = b.Sent().size();
    b.comm.Deliver("CONNECTED\r\nOK\r\n");
    EXPECT_EQ(b.Text(IDC_STATUS), "已连接");
    EXPECT_EQ(b.Sent().size(), sent) << "the OK went with the emptied buffer";
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
}

TEST(Dispatcher, OkWithErrorRunsOnlyTheAcknowledgement) {
    Bench b;
    b.Connect();
    b.controls.UserClick(IDC_SUBMIT);
    b.comm.Deliver("ERROR\r\nOK\r\n");
    EXPECT_EQ(b.dlg.session().writeStep, 1u);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SSID=Bench-AP\r\n");
    EXPECT_TRUE(b.dlg.session().rxBuffer.empty());
}

TEST(Dispatcher, OkWhileNotReadyStaysInTheBufferUntouched) {
    Bench b;
    b.Open();
    b.controls.UserClick(IDC_SUBMIT);
    b.comm.Deliver("OK\r\n");
    EXPECT_EQ(b.dlg.session().rxBuffer.str(), "OK\r\n");
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
}

TEST(Dispatcher, AnyLineEndingInOkCountsAsAnAcknowledgement) {
    Bench b;
    b.Connect();
    b.controls.UserClick(IDC_SUBMIT);
    b.comm.Deliver("AT+SZ_CONFIGURE=START\r\nSTART OK\r\n");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SSID=Bench-AP\r\n");
}

}  // namespace
}  // namespace wifi::testing
