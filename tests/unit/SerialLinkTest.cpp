#include <gtest/gtest.h>

#include "Bench.h"
#include "serial/CommError.h"
#include "serial/PortSettings.h"
#include "serial/SerialLink.h"

namespace wifi::testing {
namespace {

using Accesses = std::vector<std::string>;

TEST(OpenPort, SetsTheLinkUpInItsNineStepsAndDiscardsPendingInput) {
    FakeComm comm;
    comm.QueueInput("stale bytes");
    OpenPort(comm, 2);
    EXPECT_EQ(comm.accesses(), (Accesses{"CommPort=3", "InputMode=1", "InBufferSize=1024",
                                         "OutBufferSize=512", "Settings=19200,n,8,1", "PortOpen=1",
                                         "RThreshold=1", "InputLen=0", "Input?"}));
    EXPECT_TRUE(comm.GetInput().empty());
}

TEST(OpenPort, NoSelectionAsksForPortZeroWhichTheControlRefuses) {
    FakeComm comm;
    EXPECT_THROW(OpenPort(comm, -1), CommError);
    EXPECT_EQ(comm.commPort(), 0);
    EXPECT_EQ(comm.accesses().back(), "PortOpen=1");
}

TEST(SendCommand, PausesReadsWhatArrivedThenWritesExactlyTheLineBytes) {
    FakeComm comm;
    OpenPort(comm, 0);
    comm.ClearAccesses();
    std::vector<unsigned> pauses;
    std::string judged;
    const auto judge = [&](const Bytes& arrived) {
        judged.assign(arrived.begin(), arrived.end());
        return true;
    };
    EXPECT_TRUE(SendCommand(
        comm,
        [&](unsigned ms) {
            pauses.push_back(ms);
            comm.QueueInput("OK\r\n");  // lands during the pause
        },
        "AT+SZ_SSID=x\r\n", judge));
    EXPECT_EQ(pauses, std::vector<unsigned>{10});
    EXPECT_EQ(comm.accesses(), (Accesses{"Input?", "Output=AT+SZ_SSID=x\r\n"}));
    EXPECT_EQ(judged, "OK\r\n") << "read and handed over, never discarded unseen";
    EXPECT_EQ(comm.written(), "AT+SZ_SSID=x\r\n");
}

TEST(SendCommand, NothingGoesOutWhenWhatArrivedSaysNo) {
    FakeComm comm;
    OpenPort(comm, 0);
    EXPECT_FALSE(SendCommand(
        comm, [](unsigned) {}, "AT+SZ_SSID=x\r\n", [](const Bytes&) { return false; }));
    EXPECT_EQ(comm.written(), "");
}

TEST(SendCommand, ALineBeyondASixteenBitCountIsRefusedNotTruncated) {
    FakeComm comm;
    OpenPort(comm, 0);
    EXPECT_THROW(
        SendCommand(
            comm, [](unsigned) {}, std::string(70000, 'a'), [](const Bytes&) { return true; }),
        CommError);
    EXPECT_EQ(comm.written(), "");
}

TEST(ClosePortAndIsPortOpen, AreOnePropertyAccessEach) {
    FakeComm comm;
    OpenPort(comm, 0);
    comm.ClearAccesses();
    EXPECT_TRUE(IsPortOpen(comm));
    ClosePort(comm);
    EXPECT_FALSE(IsPortOpen(comm));
    EXPECT_EQ(comm.accesses(), (Accesses{"PortOpen?", "PortOpen=0", "PortOpen?"}));
}

TEST(ReadReceived, OnlyADataEventReadsInput) {
    FakeComm comm;
    OpenPort(comm, 0);
    comm.QueueInput("abc");
    comm.DeliverOtherEvent(3);
    comm.ClearAccesses();
    EXPECT_FALSE(ReadReceived(comm));
    EXPECT_EQ(comm.accesses(), Accesses{"CommEvent?"});
}

// What the user sees when the port cannot be opened: the handler ends at the
// failing step, the query is never sent, and the port list stays usable.
TEST(ConnectFailure, EndsTheHandlerWithTheControlsError) {
    Bench b;
    b.comm.FailOn("PortOpen", "port busy: COM1");
    b.controls.UserSelect(IDC_COMPORT, 0);
    try {
        b.dlg.OnConnect();
        FAIL() << "no error raised";
    } catch (const CommError& e) {
        EXPECT_STREQ(e.what(), "port busy: COM1");
    }
    EXPECT_EQ(b.comm.written(), "");
    EXPECT_TRUE(b.Enabled(IDC_COMPORT));
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
}

TEST(ConnectFailure, NoPortSelected) {
    Bench b;
    EXPECT_THROW(b.dlg.OnConnect(), CommError);
    EXPECT_EQ(b.comm.commPort(), 0);
    EXPECT_EQ(b.comm.written(), "");
}

TEST(SubmitFailure, BeforeTheModuleConnectedNothingIsSentOrTaken) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.controls.SetCurSel(IDC_BAUDRATE, 7);
    EXPECT_NO_THROW(b.dlg.OnSubmit());
    EXPECT_EQ(events.log.back(), "submit refused not connected");
    EXPECT_EQ(b.dlg.snapshot().baudText, "");
    EXPECT_EQ(b.comm.written(), "");
    // Nor after the port was closed on a connected module.
    b.Connect();
    b.controls.UserClick(IDC_CONNECT);
    b.comm.ClearAccesses();
    b.dlg.OnSubmit();
    EXPECT_EQ(events.log.back(), "submit refused not connected");
    EXPECT_TRUE(b.comm.accesses().empty());
}

}  // namespace
}  // namespace wifi::testing

#include "serial/TappedComm.h"
#include "serial/TrafficHistory.h"

namespace wifi::testing {
namespace {

// What crossed the line, as the trace, the traffic view and the simulator's
// log show it.
TEST(Traffic, EveryLineIsToldOnceWholeWithItsLineEndAndTheFirstReadIsNot) {
    FakeComm comm;
    std::vector<std::pair<char, std::string>> told;
    TappedComm tapped(comm, [&](LineDirection d, const std::string& line) {
        told.emplace_back(static_cast<char>(d), line);
    });
    comm.QueueInput("stale\r\n");
    OpenPort(tapped, 0);  // its read discards what waited before the open
    tapped.SetOutput(Bytes{'A', 'T', '\r', '\n'});
    comm.QueueInput("NetworkType:STA\nSS");
    tapped.GetInput();
    comm.QueueInput("ID:x\r\nOK\n\rCONN");
    tapped.GetInput();
    EXPECT_EQ(
        told,
        (std::vector<std::pair<char, std::string>>{
            {'>', "AT\r\n"}, {'<', "NetworkType:STA\n"}, {'<', "SSID:x\r\n"}, {'<', "OK\n\r"}}));
}

TEST(Traffic, BytesAreShownExactlyAndTheLogReadsBackByteForByte) {
    const std::string bytes = "SSID:\xB2\xE2 \"a\\b\"\t\r\n";
    EXPECT_EQ(VisibleBytes(bytes), "SSID:\\xB2\\xE2 \"a\\b\"\\x09\\r\\n");
    EXPECT_EQ(QuotedBytes(bytes), "SSID:\\xB2\\xE2 \\\"a\\\\b\\\"\\t\\r\\n");
    EXPECT_EQ(Unquote(QuotedBytes(bytes)), bytes);
    EXPECT_EQ(TraceLine("12:00:01.250", "COM3", LineDirection::Sent, "AT+SZ_SSID=x\r\n"),
              "12:00:01.250 COM3 > AT+SZ_SSID=x\\r\\n");
    const auto noon =
        WallClock::time_point(std::chrono::seconds(1796644800)) + std::chrono::microseconds(123456);
    EXPECT_EQ(UtcStamp(noon), "2026-12-07T12:00:00.123456Z");
    EXPECT_EQ(UtcSeconds(noon), "2026-12-07T12:00:00Z");
    EXPECT_EQ(ClockTime(noon).size(), 12u);
    TrafficHistory history;
    history.Add("COM3", LineDirection::Sent, "AT+SZ_SECURITY_KEY=abc\r\n");
    EXPECT_NE(TrafficHistory::Render(history.entries().back(), {}).find("KEY=***\\r\\n"),
              std::string::npos);
    EXPECT_NE(TrafficHistory::Render(history.entries().back(), {true, {}}).find("KEY=abc\\r\\n"),
              std::string::npos);
    // The view's line: the full date, texts decoded where the decoder reads
    // them, escapes where it does not, control bytes escaped either way.
    history.Add("COM3", LineDirection::Received, "SSID:\xB2\xE2\r\n");
    const std::string date = LocalDateTime(history.entries().back().time);
    EXPECT_EQ(date.size(), 23u);  // 2026-12-07 12:00:01.250
    const auto asGbk = [](std::string_view bytes) -> std::optional<std::string> {
        if (bytes.find('\xB2') == std::string_view::npos) return std::string(bytes);
        return std::string("SSID:\xE6\xB5\x8B\r\n");  // SSID:测 as UTF-8
    };
    EXPECT_EQ(TrafficHistory::Render(history.entries().back(), {false, asGbk}),
              date + " COM3 < SSID:\xE6\xB5\x8B\\r\\n");
    EXPECT_EQ(TrafficHistory::Render(history.entries().back(), {}),
              date + " COM3 < SSID:\\xB2\\xE2\\r\\n");
}

// The line settings each serial port takes; anything else is refused before
// a port opens, not half-applied.
TEST(PortSettings, TheLinksSettingsAndNothingOutsideWhatAPortTakes) {
    const auto link = ParsePortSettings("19200,n,8,1");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->baud, 19200);
    EXPECT_EQ(link->parity, PortSettings::Parity::None);
    EXPECT_EQ(link->dataBits, 8);
    EXPECT_EQ(link->stopBits, 1);
    const auto other = ParsePortSettings("9600,E,7,2");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->parity, PortSettings::Parity::Even);
    EXPECT_EQ(other->dataBits, 7);
    EXPECT_EQ(other->stopBits, 2);
    for (const char* bad :
         {"", "19200", "19200,n,8", "19200,n,8,1,x", "0,n,8,1", "-1,n,8,1", "19200,x,8,1",
          "19200,n,9,1", "19200,n,8,3", "fast,n,8,1", "99999999,n,8,1", "19200,no,8,1"}) {
        EXPECT_FALSE(ParsePortSettings(bad)) << bad;
    }
}

}  // namespace
}  // namespace wifi::testing
