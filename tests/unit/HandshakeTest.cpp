// Connect, report, "CONNECTED": the bytes on the wire, the pauses, and the
// receive dispatcher's order of decisions.
#include <gtest/gtest.h>

#include "Bench.h"
#include "wording/Messages.h"

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
                     "InputLen=0", "Input?", "Input?", "Output=AT+SZ_CHECKCONFIG=ALL\r\n"}))
        << "what came during the pause is read and judged before the query goes out";
    EXPECT_EQ(b.pauses, Pauses{10});
    // While the report and the connect reply are awaited the port is held:
    // the status says so, and the button lets it go.
    EXPECT_EQ(b.Text(IDC_STATUS), "正在连接…");
    EXPECT_EQ(b.Text(IDC_CONNECT), "断开");

    b.comm.DeliverInChunks(kReport, 7);
    EXPECT_EQ(b.Sent(), (Lines{"AT+SZ_CHECKCONFIG=ALL\r\n", "AT+SZ_CONNECT=START\r\n"}));
    EXPECT_EQ(b.pauses, (Pauses{10, 50, 10}));
    EXPECT_EQ(b.Text(IDC_STATUS), "正在连接…");

    b.comm.DeliverInChunks("CONNECTED\r\n", 3);
    EXPECT_EQ(b.pauses, (Pauses{10, 50, 10, 20}));
    EXPECT_EQ(b.Text(IDC_STATUS), "已连接");
    EXPECT_EQ(b.Text(IDC_CONNECT), "断开");
    EXPECT_EQ(b.dlg.session().moduleReady, 1);
    EXPECT_EQ(b.Sent().size(), 2u) << "CONNECTED is answered with nothing";
}

TEST(Handshake, TheReportCompletesOnlyWithTheWebPasswordLinesEnd) {
    Bench b;
    b.Open();
    const std::string head = kReport.substr(0, kReport.find("Web_Password:") + 13);
    b.comm.Deliver(head);
    b.comm.Deliver("admin");
    EXPECT_EQ(b.Sent().size(), 1u) << "the line is not whole yet";
    b.comm.Deliver("\r\n");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP");
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(b.Text(IDC_STATUS), "已连接");
}

TEST(Handshake, ZeroBytesAreDroppedAndOtherEventsOnlyRefreshTheControls) {
    Bench b;
    b.Open();
    b.comm.Deliver(kReport);
    b.comm.Deliver(std::string("CONN\0ECTED", 10));
    EXPECT_EQ(b.dlg.session().rxBuffer.str(), "CONNECTED");
    b.dlg.m_strStatus = "refresh me";
    b.comm.DeliverOtherEvent(3);
    EXPECT_EQ(b.dlg.session().rxBuffer.str(), "CONNECTED");
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
    EXPECT_EQ(b.Text(IDC_CONNECT), "连接模块");
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
    EXPECT_EQ(b.Text(IDC_STATUS), "正在连接…") << "a CONNECTED without a report connects nothing";
    EXPECT_EQ(b.dlg.session().moduleReady, 0);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");

    Bench refused;
    refused.dlg.SetEvents(&events);
    refused.Open();
    refused.comm.Deliver("AT+SZ_CHECKCONFIG=ALL\r\nERROR\r\n" + kReport);
    EXPECT_EQ(refused.Sent().size(), 1u) << "a refused query is answered by nothing";
    EXPECT_EQ(events.log.back(), "refused query");
    EXPECT_FALSE(refused.comm.GetPortOpen()) << "a refused handshake lets the port go";
    EXPECT_EQ(refused.Text(IDC_STATUS), "未连接");
    EXPECT_EQ(refused.Text(IDC_CONNECT), "连接模块");
    EXPECT_TRUE(refused.Enabled(IDC_COMPORT));
}

TEST(Dispatcher, TheConnectRequestAwaitsConnectedOrARefusal) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Open();
    b.comm.Deliver(kReport);
    b.comm.Deliver("AT+SZ_CONNECT=START\r\nOK\r\n+EVENT:LINK_UP\r\n");
    EXPECT_EQ(b.Text(IDC_STATUS), "正在连接…");
    b.comm.Deliver("ERROR\r\nCONNECTED\r\n");
    EXPECT_EQ(events.log.back(), "refused connect");
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接") << "the refusal settled the request";
    EXPECT_FALSE(b.comm.GetPortOpen()) << "and let the port go: one press connects again";
    EXPECT_EQ(b.dlg.session().moduleReady, 0) << "the CONNECTED after it came to a closed port";
    EXPECT_EQ(events.connecting, 1);
    b.controls.UserClick(IDC_CONNECT);
    EXPECT_TRUE(b.comm.GetPortOpen());
    EXPECT_EQ(events.connecting, 2) << "a new attempt: what was said of the last is over";
}

TEST(Dispatcher, TheFirstAwaitedReplyToArriveSettlesTheCommand) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Connect();
    b.Submit();
    b.comm.Deliver("ERROR\r\nOK\r\n");
    EXPECT_EQ(events.log.back(), "refused 0") << "the configure command was refused";
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");

    Bench other;
    other.dlg.SetEvents(&events);
    other.Connect();
    other.Submit();
    // The ERROR came before step 1 went out: no reply to it, but a reply too
    // many. Step 1 is not sent.
    other.comm.Deliver("OK\r\nERROR\r\n");
    EXPECT_EQ(events.log.back(), "out of step after 0");
    EXPECT_EQ(other.dlg.session().writeStep, 0u);
    EXPECT_EQ(other.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
    EXPECT_TRUE(other.Enabled(IDC_SUBMIT)) << "the sequence ended";
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
    b.controls.UserSelect(IDC_PROTOCOL, 0);
    b.Submit();
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
    b.Submit();
    b.whilePaused = nullptr;
    b.comm.Deliver("ERROR\r\n");
    EXPECT_EQ(events.log.back(), "refused 0");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
}

TEST(Dispatcher, OkCountsOnlyAsALineOfItsOwn) {
    Bench b;
    b.Connect();
    b.Submit();
    b.comm.Deliver("AT+SZ_CONFIGURE=START\r\nSTART OK\r\n\tOK");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
    b.comm.Deliver(" \r\n");
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
    b.controls.UserSelect(IDC_PROTOCOL, 0);
    b.Submit();
    for (int i = 0; i < 22; ++i) {
        const std::string echo = b.Sent().back();
        b.comm.DeliverInChunks(echo + "OK\r\n", 4);
    }
    b.Wait(Bench::kQuietBound);
    EXPECT_EQ(events.log.back(), "completed");
    EXPECT_EQ(b.Sent()[3], "AT+SZ_SSID=NETERROR\r\n");
    EXPECT_EQ(b.Sent()[7], "AT+SZ_SECURITY_KEY=OK\r\n");
}

}  // namespace
}  // namespace wifi::testing

namespace wifi::testing {
namespace {

// Replies balance: a module that answers more often than it is asked never
// gets a success, wherever its surplus reply lands.
struct Balance : ::testing::Test {
    Bench b;
    EventLog events;
    Balance() {
        b.dlg.SetEvents(&events);
        b.Connect();
        b.Submit();
    }
    bool Saved() const { return !b.controls.messages().empty(); }
};

TEST_F(Balance, ASurplusReplyBeforeASendStopsTheSequenceThere) {
    b.Acknowledge(4);
    // The fourth OK brought step 4's command; an OK that lands in the pause
    // before step 5 goes out is one reply too many.
    b.whilePaused = [&] { b.comm.QueueInput("OK\r\n"); };
    b.Acknowledge(1);
    EXPECT_EQ(events.log.back(), "out of step after 4");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_WEPINDEX=2A\r\n") << "step 5 never went out";
    EXPECT_TRUE(b.Enabled(IDC_SUBMIT));
    b.whilePaused = nullptr;
    b.Acknowledge(17);
    EXPECT_FALSE(Saved());

    // The same when both come in one piece.
    Bench one;
    one.dlg.SetEvents(&events);
    one.Connect();
    one.Submit();
    one.comm.Deliver("OK\r\nOK\r\n");
    EXPECT_EQ(events.log.back(), "out of step after 0");
    EXPECT_EQ(one.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
}

TEST_F(Balance, AModuleOneReplyAheadIsCaughtOnceTheSavesOwnReplyComes) {
    // Each reply taken for the next command's: the extra OK of the configure
    // command stood for step 1's, and so on to the save.
    for (int i = 0; i < 22; ++i) {
        b.comm.Deliver("OK\r\n");  // the last is step 20's real OK, taken for the save's
    }
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SAVE_CONFIG=SAVE\r\n");
    EXPECT_FALSE(Saved()) << "not while the line should stay quiet";
    b.Wait(20);
    b.comm.Deliver("ERROR\r\n");  // the save's own answer, refused
    EXPECT_EQ(events.log.back(), "out of step after 21") << "the save is not confirmed";
    b.Wait(Bench::kQuietBound);
    EXPECT_FALSE(Saved());
}

TEST_F(Balance, TheSaveCountsOnlyOnceTheLineStaysQuietAfterIt) {
    b.Acknowledge(21);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SAVE_CONFIG=SAVE\r\n");
    b.comm.Deliver("OK\r\n");  // the save's
    EXPECT_FALSE(Saved());
    b.comm.Deliver("+EVENT:SAVED\r\n");  // other lines are passed over
    b.Wait(49);
    EXPECT_FALSE(Saved()) << "the quiet period is at least 50 ms";
    b.Wait(1);
    EXPECT_TRUE(Saved());
    EXPECT_EQ(events.log.back(), "completed");
    // A surplus later than the quiet period is beyond the count: --verify
    // is the proof for that.
    b.comm.Deliver("OK\r\n");
    EXPECT_EQ(b.controls.messages().size(), 1u);
}

TEST_F(Balance, AHangUpWhileTheLineShouldStayQuietIsAModuleRestartingAfterItsSave) {
    b.Acknowledge(21);
    b.comm.Deliver("OK\r\n");
    b.comm.SetPortOpen(false);
    b.dlg.OnPortLost();
    EXPECT_TRUE(Saved());
    EXPECT_EQ(events.log[events.log.size() - 2], "completed");
    EXPECT_EQ(events.log.back(), "disconnected");
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
}

TEST_F(Balance, AnErrorAfterAnOkWhileACommandIsInFlightIsItsRefusal) {
    b.Acknowledge(1);
    b.comm.Deliver("OK\r\n");  // step 1's: step 2 goes out
    b.comm.Deliver("ERROR\r\n");
    EXPECT_EQ(events.log.back(), "refused 2");
    EXPECT_TRUE(events.last.writing);
}

TEST_F(Balance, TheConfigureCommandWaitsForAQuietLineAndItsLengthFollowsTheModule) {
    Bench slow;
    slow.dlg.SetEvents(&events);
    slow.Open();
    slow.comm.Deliver(kReport);
    slow.Wait(300);  // the connect request's answer takes 300 ms
    slow.comm.Deliver("CONNECTED\r\n");
    slow.controls.UserSelect(IDC_PROTOCOL, 0);
    slow.controls.UserClick(IDC_SUBMIT);
    slow.Wait(500);
    slow.comm.Deliver("OK\r\n");  // the connect request's second answer: dropped
    EXPECT_EQ(slow.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    EXPECT_EQ(*slow.clock.Armed(), std::chrono::milliseconds(600)) << "twice the slowest reply";
    slow.Wait(599);
    EXPECT_EQ(slow.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    slow.Wait(1);
    EXPECT_EQ(slow.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
    slow.Acknowledge(22);
    EXPECT_EQ(events.log.back(), "completed") << "the stray OK before it was no reply of its";
}

// Modules that end lines with a line feed, a carriage return, or both the
// other way round go through the whole exchange.
TEST(Dispatcher, EveryLineEndModulesUseCarriesAWholeSession) {
    for (const std::string end : {"\n", "\r", "\n\r"}) {
        std::string report = kReport;
        for (std::size_t at; (at = report.find("\r\n")) != std::string::npos;) {
            report.replace(at, 2, end);
        }
        Bench b;
        EventLog events;
        b.dlg.SetEvents(&events);
        b.Open();
        b.comm.DeliverInChunks(report, 7);
        b.comm.Deliver("CONNECTED" + end);
        EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP");
        b.controls.UserSelect(IDC_PROTOCOL, 0);
        b.Submit();
        for (int i = 0; i < 22; ++i) {
            b.comm.Deliver("OK" + end);
        }
        b.Wait(Bench::kQuietBound);
        EXPECT_EQ(events.log.back(), "completed");
    }
}

TEST(Dispatcher, AReportLineThatStartsWithErrorIsAReportLine) {
    std::string report = kReport;
    report.insert(report.find("Web_Password:"), "ERROR_Count:0\r\n");
    Bench b;
    b.Connect(report);
    EXPECT_EQ(b.Text(IDC_STATUS), "已连接");
}

// While a parameter or the save awaits its answer, any line that starts with
// "ERROR" or "+ERROR", in any case, is its refusal, named with its words.
TEST(Dispatcher, AWriteIsRefusedByEveryFormOfErrorAndTheLineIsNamed) {
    for (const std::string refusal : {"+ERROR", "ERROR: bad value", "ERROR 5", "error"}) {
        Bench b;
        EventLog events;
        b.dlg.SetEvents(&events);
        b.Connect();
        b.Submit();
        b.Acknowledge(2);
        b.comm.Deliver(refusal + "\r\n");
        EXPECT_EQ(events.log.back(), "refused 2") << refusal;
        EXPECT_EQ(events.last.reply, refusal);
        const std::string said = Said(Refusal(events.last)).Format(Language::English);
        EXPECT_NE(said.find("(the module answered \"" + refusal + "\")"), std::string::npos)
            << said;
    }
}

// "ok" and "+OK" acknowledge nothing; when the wait ends, the words say what
// came instead of sending the user to the wiring.
TEST(Dispatcher, AnAnswerThatIsNoAcknowledgementIsNamedWhenTheWaitEnds) {
    for (const std::string answer : {"ok", "+OK"}) {
        Bench b;
        EventLog events;
        b.dlg.SetEvents(&events);
        b.Connect();
        b.Submit();
        b.Acknowledge(1);
        const auto sent = b.Sent().size();
        b.comm.Deliver(answer + "\r\n");
        EXPECT_EQ(b.Sent().size(), sent) << answer << " sent nothing more";
        b.Wait(10000);
        EXPECT_EQ(events.log.back(), "timed out 1");
        const std::string said =
            Said(NoAnswer(events.last, false, std::chrono::milliseconds(10000)))
                .Format(Language::English, Audience::CommandLine);
        EXPECT_NE(
            said.find("the module answered \"" + answer + "\", which is not an acknowledgement"),
            std::string::npos)
            << said;
        EXPECT_EQ(said.find("wiring"), std::string::npos) << said;
    }
}

// The report's key lines are its own wherever "Web_Password:" stands among
// them, up to the connect reply, and after any amount of other text.
TEST(Dispatcher, EveryKeyLineBeforeTheConnectReplyIsTheReports) {
    std::string first = kReport;
    const auto at = first.find("Web_Password:");
    first = first.substr(at) + first.substr(0, at);
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Connect(first);
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP");
    EXPECT_EQ(b.controls.GetCurSel(IDC_NETTYPE), 1);
    EXPECT_EQ(b.Text(IDC_FRAMETIME), "100");
    ASSERT_EQ(events.unknown.size(), 1u) << "nothing said to be lacking that arrived";
    EXPECT_EQ(events.unknown[0].field->name, "protocol") << "which no report carries";

    std::string chatter;
    for (int i = 0; chatter.size() < 70 * 1024; ++i) {
        chatter += "+EVENT:CHATTER " + std::to_string(i) + "\r\n";
    }
    Bench flooded;
    flooded.Open();
    flooded.comm.DeliverInChunks(chatter + kReport, 1000);
    flooded.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(flooded.Text(IDC_STATUS), "已连接");
    EXPECT_EQ(flooded.Text(IDC_SSID), "Bench-AP") << "the newest text is kept, not the oldest";
    EXPECT_EQ(flooded.Text(IDC_FRAMELEN), "512");
}

// Boot noise without a line end that arrived before the query went out never
// joins the report's first line.
TEST(Dispatcher, BytesFromBeforeTheSendNeverJoinTheAnswersFirstLine) {
    Bench b;
    b.whilePaused = [&] { b.comm.QueueInput(std::string(300, '#')); };
    b.Open();
    b.whilePaused = nullptr;
    b.comm.Deliver(kReport.substr(kReport.find("NetworkType:")));
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(b.controls.GetCurSel(IDC_NETTYPE), 1);
}

}  // namespace
}  // namespace wifi::testing
