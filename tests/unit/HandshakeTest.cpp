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
    EXPECT_EQ(
        b.comm.accesses(),
        (Lines{"PortOpen?", "CommPort=5", "InputMode=1", "InBufferSize=1024", "OutBufferSize=512",
               "Settings=19200,n,8,1", "PortOpen=1", "RThreshold=1", "InputLen=0", "Input?",
               "InBufferCount=0", "Output=AT+SZ_CHECKCONFIG=ALL\r\n"}));
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

TEST(Handshake, TheReportCompletesOnlyWithTheWebPasswordLinesEnd) {
    Bench b;
    b.Open();
    const std::string head = kReport.substr(0, kReport.find("Web_Password:") + 13);
    b.comm.Deliver(head);
    b.comm.Deliver("admin\r");
    EXPECT_EQ(b.Sent().size(), 1u) << "the line is not whole yet";
    b.comm.Deliver("\n");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP");
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(b.Text(IDC_STATUS), "已连接");
}

TEST(Handshake, ZeroBytesAreDroppedAndOtherEventsOnlyRefreshTheControls) {
    Bench b;
    b.Open();
    b.comm.Deliver(kReport);
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

// Each command awaits its own replies, and lines are taken in arrival order.
TEST(Dispatcher, WhileTheQueryIsInFlightOnlyAReportOrARefusalCounts) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Open();
    b.comm.Deliver("CONNECTED\r\nOK\r\n" + kReport);
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接") << "a CONNECTED without a report connects nothing";
    EXPECT_EQ(b.dlg.session().moduleReady, 0);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");

    Bench refused;
    refused.dlg.SetEvents(&events);
    refused.Open();
    refused.comm.Deliver("AT+SZ_CHECKCONFIG=ALL\r\nERROR\r\n" + kReport);
    EXPECT_EQ(refused.Sent().size(), 1u) << "a refused query is answered by nothing";
    EXPECT_EQ(events.log.back(), "refused query");
}

TEST(Dispatcher, TheConnectRequestAwaitsConnectedOrARefusal) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Open();
    b.comm.Deliver(kReport);
    b.comm.Deliver("AT+SZ_CONNECT=START\r\nOK\r\n+EVENT:LINK_UP\r\n");
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
    b.comm.Deliver("ERROR\r\nCONNECTED\r\n");
    EXPECT_EQ(events.log.back(), "refused connect");
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接") << "the refusal settled the request";
}

TEST(Dispatcher, TheFirstAwaitedReplyToArriveSettlesTheCommand) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Connect();
    b.controls.UserClick(IDC_SUBMIT);
    b.comm.Deliver("ERROR\r\nOK\r\n");
    EXPECT_EQ(events.log.back(), "refused 0") << "the configure command was refused";
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");

    Bench other;
    other.Connect();
    other.controls.UserClick(IDC_SUBMIT);
    // The ERROR came before step 1 went out: it is no reply to it.
    other.comm.Deliver("OK\r\nERROR\r\n");
    EXPECT_EQ(other.dlg.session().writeStep, 1u);
    EXPECT_EQ(other.Sent().back(), "AT+SZ_SSID=Bench-AP\r\n");
    other.Acknowledge(1);
    EXPECT_EQ(other.Sent().back(), "AT+SZ_NETWORKTYPE=STA\r\n");
}

TEST(Dispatcher, AnOkNothingAwaitsIsDroppedNeverKeptForLater) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Open();
    EXPECT_FALSE(b.controls.UserClick(IDC_SUBMIT)) << "locked until the module connects";
    b.dlg.OnSubmit();
    EXPECT_EQ(events.log.back(), "submit refused busy") << "the query is in flight";
    b.comm.Deliver(kReport);
    b.comm.Deliver("CONNECTED\r\nOK\r\n");  // a stray OK after the connected reply
    EXPECT_TRUE(b.dlg.session().rxBuffer.empty());
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
    b.controls.UserClick(IDC_SUBMIT);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
    b.comm.Deliver("ERROR\r\n");
    EXPECT_EQ(events.log.back(), "refused 0") << "the stray OK did not stand for it";
}

TEST(Dispatcher, AStrayOkArrivingDuringThePauseBeforeASendIsNoReplyToIt) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Connect();
    b.whilePaused = [&] { b.comm.QueueInput("OK\r\n"); };
    b.controls.UserClick(IDC_SUBMIT);
    b.whilePaused = nullptr;
    b.comm.Deliver("ERROR\r\n");
    EXPECT_EQ(events.log.back(), "refused 0");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
}

TEST(Dispatcher, OkCountsOnlyAsALineOfItsOwn) {
    Bench b;
    b.Connect();
    b.controls.UserClick(IDC_SUBMIT);
    b.comm.Deliver("AT+SZ_CONFIGURE=START\r\nSTART OK\r\nOK");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
    b.comm.Deliver(" \r\n \tOK \r\n");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SSID=Bench-AP\r\n");
}

// An echoing module that answers in pieces, with reply words and key names
// inside its values, goes through the whole exchange as a plain one does.
TEST(Dispatcher, EchoPiecesAndReplyWordsInValuesMoveNothing) {
    std::string report = kReport;
    report.replace(report.find("SSID:Bench-AP"), 13, "SSID:NETERROR");
    report.replace(report.find("KEY:secret"), 10, "KEY:OK");
    report.replace(report.find("Port:8080"), 9, "Port:8080\r\n+EVENT:CONNECTED");
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Open();
    b.comm.DeliverInChunks(report, 5);
    b.comm.DeliverInChunks("AT+SZ_CONNECT=START\r\nCONNECTED\r\n", 3);
    EXPECT_EQ(b.Text(IDC_SSID), "NETERROR");
    EXPECT_EQ(b.Text(IDC_KEY), "OK");
    b.controls.UserClick(IDC_SUBMIT);
    for (int i = 0; i < 22; ++i) {
        const std::string echo = b.Sent().back();
        b.comm.DeliverInChunks(echo + "OK\r\n", 4);
    }
    EXPECT_EQ(events.log.back(), "completed");
    EXPECT_EQ(b.Sent()[3], "AT+SZ_SSID=NETERROR\r\n");
    EXPECT_EQ(b.Sent()[7], "AT+SZ_SECURITY_KEY=OK\r\n");
}

}  // namespace
}  // namespace wifi::testing
