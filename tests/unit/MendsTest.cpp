// Where the module's original tool lost, corrupted or wrongly sent data, the
// behaviour here is the sound one.
#include <gtest/gtest.h>

#include "Bench.h"

namespace wifi::testing {
namespace {

// Typed text is never lost to a receive event.
TEST(TypedText, SurvivesReceiveEventsUntilItIsRead) {
    Bench b;
    b.Connect();
    b.controls.UserType(IDC_SSID, "half-typed");
    b.comm.Deliver("unsolicited chatter\r\n");
    b.comm.DeliverOtherEvent(3);
    EXPECT_EQ(b.Text(IDC_SSID), "half-typed");
    // And it is what the write sequence sends.
    b.Submit();
    b.Acknowledge(1);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SSID=half-typed\r\n");
}

TEST(TypedText, ANewValueFromTheProgramStillShows) {
    Bench b;
    b.Connect();
    b.controls.UserType(IDC_KEY, "typed");
    b.dlg.m_strStatus = "x";  // an unrelated member changes
    b.comm.DeliverOtherEvent(3);
    EXPECT_EQ(b.Text(IDC_STATUS), "x");
    EXPECT_EQ(b.Text(IDC_KEY), "typed");
    // A fresh report replaces what the form showed.
    b.controls.UserClick(IDC_CONNECT);
    b.controls.UserClick(IDC_CONNECT);
    std::string report = kReport;
    report.replace(report.find("KEY:secret"), 10, "KEY:module");
    b.comm.Deliver(report);
    EXPECT_EQ(b.Text(IDC_KEY), "module");
}

TEST(TypedText, AReportReplacesTypingEvenWithTheValueTheFormHadBefore) {
    Bench b;
    b.Connect();
    b.controls.UserType(IDC_SSID, "typed, never read");
    b.controls.UserClick(IDC_CONNECT);
    b.controls.UserClick(IDC_CONNECT);
    b.comm.Deliver(kReport);  // reports "Bench-AP" again
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP");
}

// A new connection starts a new session.
TEST(NewConnection, BytesOfAnEarlierConnectionNeverReachTheNextReport) {
    Bench b;
    b.Open();
    b.comm.Deliver("NetworkType:AP\r\nSSID:stale\r\n");  // a report cut off by the user
    b.controls.UserClick(IDC_CONNECT);
    b.controls.UserClick(IDC_CONNECT);
    b.comm.Deliver(kReport);
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP");
    EXPECT_EQ(b.controls.GetCurSel(IDC_NETTYPE), 1);
}

TEST(NewConnection, AnAcknowledgementDuringTheHandshakeWritesNothing) {
    Bench b;
    b.Connect();
    b.Submit();
    b.Acknowledge(4);  // closed mid-sequence: ready, at step 4
    b.controls.UserClick(IDC_CONNECT);
    b.controls.UserClick(IDC_CONNECT);
    const auto sent = b.Sent().size();
    b.comm.Deliver("OK\r\n");
    EXPECT_EQ(b.Sent().size(), sent);
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
    EXPECT_EQ(b.dlg.session().moduleReady, 0);
}

// Only a submit opens a write sequence.
TEST(Submit, AnOkTheModuleSendsOfItsOwnAccordWritesNothing) {
    Bench b;
    b.Connect();
    b.comm.Deliver("+EVENT:LINK OK\r\n");
    b.Acknowledge(3);
    EXPECT_EQ(b.Sent().size(), 2u) << "only the handshake was sent";
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
    b.Submit();
    b.Acknowledge(1);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SSID=Bench-AP\r\n");
}

// Completion is settled before the message shows.
TEST(Completion, EventsWhileTheMessageIsOpenDoNotRestartTheSequence) {
    Bench b;
    b.Connect();
    b.Submit();
    std::size_t sentWhileOpen = 0;
    b.controls.whileMessageBoxOpen = [&] {
        EXPECT_EQ(b.dlg.session().writeStep, 0u);
        EXPECT_EQ(b.dlg.session().moduleReady, 0);
        EXPECT_TRUE(b.dlg.session().rxBuffer.empty());
        const auto before = b.Sent().size();
        b.comm.Deliver("OK\r\n");
        sentWhileOpen = b.Sent().size() - before;
    };
    b.Acknowledge(22);
    EXPECT_EQ(sentWhileOpen, 0u);
    EXPECT_EQ(b.controls.messages().size(), 1u);
    // What arrived while the message was open awaited nothing: passed over.
    EXPECT_TRUE(b.dlg.session().rxBuffer.empty());
}

// No silent waits: when the reply clock says the answer is overdue, a
// handshake gives the connection up, and a write stops with the port open.
TEST(Timeouts, AHandshakeWithoutAnAnswerClosesThePort) {
    for (const bool reported : {false, true}) {
        Bench b;
        EventLog events;
        b.dlg.SetEvents(&events);
        b.Open();
        if (reported) {
            b.comm.Deliver(kReport);
        }
        b.Wait(9999);
        EXPECT_TRUE(b.comm.GetPortOpen()) << "not yet";
        b.Wait(1);
        EXPECT_EQ(events.log.back(), reported ? "timed out connect" : "timed out query");
        EXPECT_FALSE(b.comm.GetPortOpen());
        EXPECT_TRUE(b.Enabled(IDC_COMPORT));
        EXPECT_FALSE(b.Enabled(IDC_SUBMIT));
        EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
        EXPECT_FALSE(b.clock.Armed()) << "nothing is awaited";
        b.comm.ClearAccesses();
        b.dlg.OnTimer();  // a late tick finds nothing to give up
        EXPECT_TRUE(b.comm.accesses().empty());
    }
}

TEST(Timeouts, AWriteWithoutAnAnswerStopsWithThePortOpenAndTheFormFree) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Connect();
    b.Submit();
    b.Acknowledge(15);  // step 15 (the baud rate) awaits its OK
    b.Wait(10000);
    EXPECT_EQ(events.log.back(), "timed out 15");
    EXPECT_TRUE(b.comm.GetPortOpen());
    EXPECT_TRUE(b.Enabled(IDC_SSID));
    EXPECT_TRUE(b.Enabled(IDC_SUBMIT));
    const auto sent = b.Sent().size();
    b.Acknowledge(1);  // the late OK moves nothing
    EXPECT_EQ(b.Sent().size(), sent);
    // The save sent, its acknowledgement overdue.
    b.Submit();
    b.Acknowledge(21);
    b.Wait(10000);
    EXPECT_EQ(events.log.back(), "timed out 21");
    EXPECT_TRUE(b.controls.messages().empty());
}

// The receive buffer is bounded.
TEST(BoundedBuffer, AFloodWithoutTokensCannotGrowMemoryAndTheNextTokenStillWorks) {
    Bench b;
    b.Connect();
    b.Submit();
    const std::string noise(1024, '~');
    for (int i = 0; i < 300; ++i) {
        b.comm.Deliver(noise);
        ASSERT_LE(b.dlg.session().rxBuffer.size(), ReceiveBuffer::kLimit);
    }
    // The flood's line lost its front: its end is no reply; the next line is.
    b.comm.Deliver("OK\r\n");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
    b.comm.Deliver("OK\r\n");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SSID=Bench-AP\r\n");
}

// Known values only: what the form cannot hold as the module has it is
// emptied and named, never shown as an earlier value and never written.
TEST(KnownValues, AnAddressTheScanRefusesIsBlankAndUnknown) {
    for (const char* value : {"10.0.0.256", "10.0.-1.1", "300.1.1.1", "192.168.1", "router", ""}) {
        Bench b;
        EventLog events;
        b.dlg.SetEvents(&events);
        std::string report = kReport;
        report.replace(report.find("IP_address:192.168.1.10"), 23,
                       std::string("IP_address:") + value);
        b.Connect(report);
        EXPECT_TRUE(b.controls.IsBlank(IDC_IPADDR)) << value;
        ASSERT_EQ(events.unknown.size(), 2u) << value;
        EXPECT_EQ(events.unknown[0].field->name, "ip");
        EXPECT_EQ(events.unknown[0].reported, value);
        EXPECT_EQ(events.unknown[1].field->name, "protocol") << "no report carries it";
        b.Submit();
        EXPECT_EQ(events.log.back(), "rejected ip") << "nothing is sent for it";
        EXPECT_EQ(b.controls.focus(), IDC_IPADDR);
        EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    }
}

TEST(KnownValues, AnEarlierModulesValuesNeverStandForANewOnes) {
    Bench b;
    b.Connect();
    b.controls.UserClick(IDC_CONNECT);
    b.controls.UserClick(IDC_CONNECT);
    b.comm.Deliver("SSID:only this\r\nDHCP:Enable\r\nWeb_Password:\r\n");
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(b.Text(IDC_SSID), "only this");
    EXPECT_EQ(b.controls.GetCurSel(IDC_NETTYPE), -1);
    EXPECT_EQ(b.Text(IDC_BAUDRATE), "");
    EXPECT_EQ(b.Text(IDC_KEY), "");
    EXPECT_EQ(b.Text(IDC_SERVERPORT), "");
    EXPECT_EQ(b.Text(IDC_FRAMETIME), "");
    EXPECT_TRUE(b.controls.IsBlank(IDC_DNS));
    EXPECT_EQ(b.controls.GetCheck(IDC_DHCP), 0);
    EXPECT_EQ(b.controls.GetCurSel(IDC_PROTOCOL), -1) << "no pick for an earlier module stands";
    std::vector<std::string_view> unknown;
    for (const auto& u : b.dlg.UnknownFields()) {
        unknown.push_back(u.field->name);
        EXPECT_TRUE(b.controls.NotReported(u.field->id)) << u.field->name << " is marked";
    }
    EXPECT_EQ(unknown.size(), 20u);
    EXPECT_EQ(std::count(unknown.begin(), unknown.end(), "ssid"), 0);
    EXPECT_FALSE(b.controls.NotReported(IDC_SSID));
    EXPECT_EQ(unknown.front(), "netType") << "in the form's order";
    b.controls.UserType(IDC_KEY, "given");
    EXPECT_FALSE(b.controls.NotReported(IDC_KEY)) << "the mark goes once a value is given";
}

TEST(KnownValues, DhcpIsKnownOnlyAsEnableOrDisenable) {
    for (const char* value : {"Enable", "ENABLED", "ON", "1", ""}) {
        Bench b;
        std::string report = kReport;
        report.replace(report.find("DHCP:DISENABLE"), 14, std::string("DHCP:") + value);
        b.Connect(report);
        const auto unknown = b.dlg.UnknownFields();
        ASSERT_EQ(unknown.size(), 1u) << value;
        EXPECT_EQ(unknown[0].field->name, "dhcp");
        EXPECT_EQ(unknown[0].reported, value);
        b.controls.UserType(IDC_SSID, "other");
        b.Submit();
        EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n") << "no DISABLE nobody gave";
        // Ticked and cleared again by the user: known, and written.
        b.controls.UserClick(IDC_DHCP);
        b.controls.UserClick(IDC_DHCP);
        EXPECT_TRUE(b.dlg.UnknownFields().empty());
        b.Submit();
        b.Acknowledge(6);
        EXPECT_EQ(b.Sent().back(), "AT+SZ_DHCP=DISABLE\r\n");
    }
}

TEST(KnownValues, TheProtocolIsUnknownAfterEveryConnectUntilTheUserPicksIt) {
    Bench b;
    EXPECT_EQ(b.controls.GetCurSel(IDC_PROTOCOL), 0) << "TCP at start, no one's choice";
    b.Connect(kReport, -1);
    EXPECT_EQ(b.controls.GetCurSel(IDC_PROTOCOL), -1) << "the report cleared it";
    ASSERT_EQ(b.dlg.UnknownFields().size(), 1u);
    b.Submit();
    EXPECT_EQ(b.controls.focus(), IDC_PROTOCOL);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    b.controls.UserSelect(IDC_PROTOCOL, 1);
    b.Submit();
    b.Acknowledge(11);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_TCPUDP_MODEL=UDP\r\n");
    // After a reconnect the list shows nothing that could pass for the
    // module's value: the user picks again.
    b.controls.UserClick(IDC_CONNECT);
    b.Connect(kReport, -1);
    EXPECT_EQ(b.controls.GetCurSel(IDC_PROTOCOL), -1);
    EXPECT_TRUE(b.controls.NotReported(IDC_PROTOCOL));
    ASSERT_EQ(b.dlg.UnknownFields().size(), 1u);
}

TEST(KnownValues, ATextTheReportLacksIsEmptyUntilTyped) {
    std::string report = kReport;
    report.erase(report.find("SSID:Bench-AP\r\n"), 15);
    Bench b;
    b.Connect();
    b.controls.UserClick(IDC_CONNECT);
    b.Connect(report);
    EXPECT_EQ(b.Text(IDC_SSID), "") << "not the earlier module's";
    ASSERT_EQ(b.dlg.UnknownFields().size(), 1u);
    EXPECT_FALSE(b.dlg.UnknownFields()[0].reported);
    b.controls.UserType(IDC_SSID, "Given");
    EXPECT_TRUE(b.dlg.UnknownFields().empty());
    b.Submit();
    b.Acknowledge(1);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SSID=Given\r\n");
}

// No line end inside a value: one typed is refused before anything is sent,
// and one in a report ends the value there.
TEST(LineEnds, AValueHoldingOneIsNeverSent) {
    Bench b;
    std::string report = kReport;
    report.replace(report.find("SSID:Bench-AP"), 13, "SSID:evil\nAT+SZ_SAVE_CONFIG=SAVE");
    b.Connect(report);
    EXPECT_EQ(b.Text(IDC_SSID), "evil") << "a line feed ends a report line";
    b.controls.UserType(IDC_SSID, "two\nlines");
    b.controls.UserType(IDC_KEY, "two\rlines");
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Submit();
    EXPECT_EQ(events.log.back(), "rejected ssid") << "refused before anything is sent";
    EXPECT_EQ(b.controls.focus(), IDC_SSID);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    // Should such a value reach a step, the step still sends nothing.
    b.dlg.UpdateData(true);
    const auto plan = b.dlg.PlanWrite();
    EXPECT_EQ(plan[0].skip, StepSkip::LineEnd);
    EXPECT_EQ(plan[4].skip, StepSkip::LineEnd);
    for (const auto& line : b.Sent()) {
        EXPECT_EQ(line.find_first_of("\r\n"), line.size() - 2) << line;
    }
}

// Values that cannot be sent are found before anything is sent.
TEST(ValueRules, EveryTextAWriteWouldSendIsChecked) {
    Bench b;
    b.Connect();
    EXPECT_TRUE(b.dlg.CheckValues().empty());
    b.controls.UserType(IDC_SSID, std::string(32, 's'));
    b.controls.UserType(IDC_SERVERPORT, "65535");
    b.controls.UserType(IDC_FRAMELEN, "0");
    EXPECT_TRUE(b.dlg.CheckValues().empty()) << "32 bytes and the range's ends are fine";

    b.controls.UserType(IDC_SSID, std::string(33, 's'));
    b.controls.UserType(IDC_KEY, std::string("k\0y", 3));
    b.controls.UserType(IDC_SERVERPORT, "99999");
    b.controls.UserType(IDC_FRAMELEN, "-1");
    b.controls.UserType(IDC_FRAMETIME, "abc");
    std::vector<std::pair<std::string_view, RuleBreak>> found;
    for (const auto& p : b.dlg.CheckValues()) {
        found.emplace_back(p.field->name, p.why);
    }
    EXPECT_EQ(found, (std::vector<std::pair<std::string_view, RuleBreak>>{
                         {"ssid", RuleBreak::TooLong},
                         {"key", RuleBreak::ControlCharacter},
                         {"serverPort", RuleBreak::NotANumber},
                         {"frameLen", RuleBreak::NotANumber},
                         {"frameTime", RuleBreak::NotANumber}}));
    EXPECT_EQ(CheckValue(ValueRule::Number, ""), RuleBreak::NotANumber);
    EXPECT_EQ(CheckValue(ValueRule::Number, "065535"), RuleBreak::NotANumber);
    EXPECT_EQ(CheckValue(ValueRule::Number, "+1"), RuleBreak::NotANumber);
    EXPECT_EQ(CheckValue(ValueRule::Text, "\x7f\xe6\xb5\x8b"), RuleBreak::None);
}

// Texts keep their bytes: the core never converts what the module sent.
TEST(TextBytes, AReportedTextGoesBackByteForByte) {
    const std::string gbk = "\xB2\xE2\xCA\xD4\xCD\xF8\xC2\xE7";
    const std::string odd = "\x81\xFF\x7F";
    std::string report = kReport;
    report.replace(report.find("SSID:Bench-AP"), 13, "SSID:" + gbk);
    report.replace(report.find("KEY:secret"), 10, "KEY:" + odd);
    Bench b;
    b.Connect(report);
    EXPECT_EQ(b.Text(IDC_SSID), gbk);
    b.Submit();
    b.Acknowledge(22);
    EXPECT_EQ(b.Sent()[3], "AT+SZ_SSID=" + gbk + "\r\n");
    EXPECT_EQ(b.Sent()[7], "AT+SZ_SECURITY_KEY=" + odd + "\r\n");
}

}  // namespace
}  // namespace wifi::testing

namespace wifi::testing {
namespace {

// A wait counts from the last byte that can belong to the awaited reply, and
// never runs over six time-outs from its command.
TEST(Timeouts, AReportStillArrivingKeepsItsWaitAliveUpToSixTimeouts) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Open();
    for (int i = 0; i < 11; ++i) {
        b.Wait(5000);
        b.comm.Deliver(kReport.substr(static_cast<std::size_t>(i) * 2, 2));  // 2 bytes every 5 s
    }
    EXPECT_TRUE(b.comm.GetPortOpen()) << "55 s, and every wait shorter than the time-out";
    b.Wait(5000);
    EXPECT_EQ(events.log.back(), "incomplete query") << "60 s: six time-outs in all";
    EXPECT_FALSE(b.comm.GetPortOpen());
}

TEST(Timeouts, ChatterInWholeLinesKeepsNoWaitAliveAndAPartialLineDoes) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Connect();
    b.Submit();
    b.Acknowledge(3);  // step 3 awaits its OK
    b.Wait(4000);
    b.comm.Deliver("+RSSI:-47\r\n");
    b.Wait(4000);
    b.comm.Deliver("+EVENT:LINK_UP\r\n");
    b.Wait(2000);
    EXPECT_EQ(events.log.back(), "timed out 3") << "ten seconds from the command";

    b.Submit();
    b.Acknowledge(3);
    b.Wait(8000);
    b.comm.Deliver("O");  // the first byte of its answer
    b.Wait(9999);
    EXPECT_EQ(events.log.back(), "step 3 sent");
    b.Wait(1);
    EXPECT_EQ(events.log.back(), "incomplete 3");
}

TEST(Timeouts, ASecondSubmitsConnectRequestWithoutAnAnswerSavesNothingAndKeepsThePort) {
    Bench b;
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Connect();
    b.Submit();
    b.Acknowledge(22);
    b.Submit();
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    b.Wait(10000);
    EXPECT_EQ(events.log.back(), "timed out connect");
    EXPECT_TRUE(events.last.writing) << "part of a submit: nothing of it was saved";
    EXPECT_TRUE(b.comm.GetPortOpen());
    EXPECT_TRUE(b.Enabled(IDC_SUBMIT));
}

}  // namespace
}  // namespace wifi::testing
