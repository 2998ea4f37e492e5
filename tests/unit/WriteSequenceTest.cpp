// Submit and the acknowledged write sequence, byte for byte.
#include <gtest/gtest.h>

#include "Bench.h"

namespace wifi::testing {
namespace {

using Lines = std::vector<std::string>;

struct WriteTest : ::testing::Test {
    Bench b;
    Lines SentFrom(std::size_t first) const {
        const auto all = b.Sent();
        return Lines(all.begin() + static_cast<std::ptrdiff_t>(first), all.end());
    }
};

TEST_F(WriteTest, AWholeSequenceFromAParsedReport) {
    b.Connect();
    b.pauses.clear();
    b.Submit();
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
    b.Acknowledge(21);
    EXPECT_EQ(SentFrom(3), kReportWriteLines);
    EXPECT_TRUE(b.controls.messages().empty());
    // Every parameter leaves after two pauses: one after the acknowledgement,
    // one in the send itself.
    EXPECT_EQ(b.pauses.size(), 1u + 21u * 2u);
    for (unsigned p : b.pauses) {
        EXPECT_EQ(p, 10u);
    }

    b.Acknowledge(1);
    ASSERT_EQ(b.controls.messages().size(), 1u);
    EXPECT_EQ(b.controls.messages()[0].first, "参数已保存!");
    EXPECT_EQ(b.controls.messages()[0].second, MessageType::Information);
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
    EXPECT_EQ(b.dlg.session().moduleReady, 0);

    const auto sent = b.Sent().size();
    b.Acknowledge(1);
    EXPECT_EQ(b.Sent().size(), sent) << "a 23rd acknowledgement is ignored";
    EXPECT_EQ(b.controls.messages().size(), 1u);
}

TEST_F(WriteTest, TheUsersEditsAreWhatIsWritten) {
    b.Connect();
    b.controls.UserType(IDC_SSID, "");
    b.controls.UserSelect(IDC_NETTYPE, 0);
    b.controls.UserSelect(IDC_SECURITY, 3);
    b.controls.UserSelect(IDC_KEYFORMAT, 0);
    b.controls.UserSelect(IDC_KEYINDEX, 0);
    b.controls.UserType(IDC_KEY, "k e y");
    b.controls.UserClick(IDC_DHCP);
    b.controls.UserSelect(IDC_PROTOCOL, 1);
    b.controls.UserSelect(IDC_CSMODE, 0);
    b.controls.UserType(IDC_SERVERPORT, "9000");
    b.controls.UserSelect(IDC_BAUDRATE, 3);
    b.controls.UserSelect(IDC_PARITY, 0);
    b.controls.UserSelect(IDC_DATABITS, 0);
    b.controls.UserSelect(IDC_STOPBITS, 0);
    b.controls.UserType(IDC_FRAMELEN, "0");
    b.controls.UserType(IDC_FRAMETIME, "20");
    b.Submit();
    b.Acknowledge(21);
    EXPECT_EQ(SentFrom(3), (Lines{
                               "AT+SZ_SSID=\r\n",
                               "AT+SZ_NETWORKTYPE=AP\r\n",
                               "AT+SZ_SECURITY=WPA\r\n",
                               "AT+SZ_WEPINDEX=0H\r\n",
                               "AT+SZ_SECURITY_KEY=k e y\r\n",
                               "AT+SZ_DHCP=ENABLE\r\n",
                               "AT+SZ_IP_DEFAULT=192.168.1.10\r\n",
                               "AT+SZ_MASK_DEFAULT=255.255.255.0\r\n",
                               "AT+SZ_GATE_DEFAULT=192.168.1.1\r\n",
                               "AT+SZ_DNS_DEFAULT=8.8.8.8\r\n",
                               "AT+SZ_TCPUDP_MODEL=UDP\r\n",
                               "AT+SZ_S_C_MODEL=CLIENT\r\n",
                               "AT+SZ_TCP_SERVER_IP=10.0.0.2\r\n",
                               "AT+SZ_S_C_PORT=9000\r\n",
                               "AT+SZ_BAUDRATE=9600\r\n",
                               "AT+SZ_UARTDATA_CHECK=\r\n",
                               "AT+SZ_UARTDATA_BIT=8\r\n",
                               "AT+SZ_UARTDATA_STOPBIT=1\r\n",
                               "AT+SZ_DATELENGTH=0\r\n",
                               "AT+SZ_DATETIMEOUT=20\r\n",
                               "AT+SZ_SAVE_CONFIG=SAVE\r\n",
                           }));
}

TEST_F(WriteTest, ValuesAreReadWhenTheStepRunsNotAtSubmit) {
    b.Connect();
    b.Submit();
    b.Acknowledge(1);  // step 1 sent
    // The form is locked while writing; a program may still change it.
    EXPECT_FALSE(b.controls.UserSelect(IDC_SECURITY, 0));
    b.controls.SetCurSel(IDC_SECURITY, 0);
    b.dlg.Dispatch(IDC_SECURITY, Notification::SelChange);
    b.Acknowledge(2);  // steps 2 and 3
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SECURITY=OPEN\r\n");
}

TEST_F(WriteTest, AListWithoutAUsableValueIsNamedAndNothingIsSent) {
    std::string report = kReport;
    report.replace(report.find("Security:WEP128"), 15, "Security:WEP999");
    b.Connect(report);
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Submit();
    EXPECT_EQ(events.log.back(), "rejected security");
    EXPECT_EQ(b.controls.focus(), IDC_SECURITY);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n") << "no configure command";
    EXPECT_TRUE(b.Enabled(IDC_SUBMIT));
    // A step that has nothing to send, should one come, stops the sequence:
    // a later OK, whatever it is for, writes nothing.
    b.controls.UserSelect(IDC_SECURITY, 0);
    b.Submit();
    b.Acknowledge(3);
    b.controls.SetCurSel(IDC_KEYFORMAT, -1);
    b.dlg.Dispatch(IDC_KEYFORMAT, Notification::SelChange);
    b.Acknowledge(1);
    EXPECT_EQ(events.log.back(), "step 4 skipped keyFormat");
    EXPECT_TRUE(b.Enabled(IDC_SSID)) << "the sequence ended: the form is free again";
    b.Acknowledge(1);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SECURITY=OPEN\r\n");
}

TEST_F(WriteTest, ThePlanShowsWhichStepsWouldSendNothing) {
    std::string report = kReport;
    report.replace(report.find("Key_Mode:ASCII"), 14, "Key_Mode:BASE64");
    b.Connect(report);
    const auto plan = b.dlg.PlanWrite();
    ASSERT_EQ(plan.size(), 21u);
    EXPECT_EQ(*plan[0].line, "AT+SZ_SSID=Bench-AP\r\n");
    EXPECT_FALSE(plan[3].line);
    EXPECT_EQ(plan[3].skip, StepSkip::NoToken);
    EXPECT_EQ(FieldOfStep(4, plan[3].source).name, "keyFormat");
    EXPECT_EQ(*plan[20].line, "AT+SZ_SAVE_CONFIG=SAVE\r\n");
    EXPECT_EQ(b.Sent().size(), 2u) << "planning sends nothing";
}

TEST_F(WriteTest, AListTheReportLeftUnknownIsRefusedNeverSentEmpty) {
    std::string report = kReport;
    report.replace(report.find("Baudrate:115200"), 15, "Baudrate:7");
    b.Connect(report);
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Submit();
    EXPECT_EQ(events.log.back(), "rejected baudRate");
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    b.controls.UserSelect(IDC_BAUDRATE, 4);
    b.Submit();
    b.Acknowledge(15);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_BAUDRATE=19200\r\n");
}

TEST_F(WriteTest, ErrorStopsTheSequenceAndANewSubmitStartsOver) {
    b.Connect();
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Submit();
    b.Acknowledge(5);
    b.comm.Deliver("ERROR\r\n");
    EXPECT_EQ(b.dlg.session().writeStep, 0u);
    EXPECT_EQ(events.log.back(), "refused 5");
    const auto sent = b.Sent().size();
    b.comm.Deliver("noise\r\n");
    EXPECT_EQ(b.Sent().size(), sent);
    EXPECT_EQ(std::count(events.log.begin(), events.log.end(), "refused 5"), 1)
        << "one refusal is told once";

    b.Submit();
    b.Acknowledge(1);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SSID=Bench-AP\r\n");
}

TEST_F(WriteTest, ASubmitWhileASequenceRunsIsRefusedAndTheSequenceGoesOn) {
    b.Connect();
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Submit();
    b.Acknowledge(8);
    const auto sent = b.Sent().size();
    EXPECT_FALSE(b.controls.UserClick(IDC_SUBMIT)) << "a double click finds the button locked";
    b.dlg.OnSubmit();  // and the dialog refuses, whoever asks
    EXPECT_EQ(b.Sent().size(), sent) << "no second configure command";
    EXPECT_EQ(events.log.back(), "submit refused busy");
    b.Acknowledge(1);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_GATE_DEFAULT=192.168.1.1\r\n");
    b.Acknowledge(13);
    EXPECT_EQ(events.log.back(), "completed");
}

// After a save the module may want a new connect request before it takes a
// configure command: a second submit asks for one first, and either runs a
// whole sequence to the save's acknowledgement or sends nothing more.
TEST_F(WriteTest, ASecondSubmitIsWholeOrNothing) {
    b.Connect();
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Submit();
    b.Acknowledge(22);
    b.controls.UserType(IDC_SSID, "second");
    const auto first = b.Sent().size();
    b.Submit();
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONNECT=START\r\n");
    EXPECT_FALSE(b.Enabled(IDC_SSID)) << "locked from the submit on";
    b.Acknowledge(3);
    EXPECT_EQ(b.Sent().size(), first + 1) << "an OK is no answer to the connect request";
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(b.Sent().size(), first + 1) << "the line must be quiet first";
    b.Wait(Bench::kQuietBound);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_CONFIGURE=START\r\n");
    b.Acknowledge(1);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SSID=second\r\n") << "the edit is written, not lost";
    b.Acknowledge(21);
    EXPECT_EQ(events.log.back(), "completed");
    EXPECT_EQ(b.controls.messages().size(), 2u);

    // A module that refuses the connect request gets nothing more.
    b.Submit();
    const auto sent = b.Sent().size();
    b.comm.Deliver("ERROR\r\n");
    b.Acknowledge(2);
    EXPECT_EQ(events.log.back(), "refused connect");
    EXPECT_EQ(b.Sent().size(), sent);
    EXPECT_TRUE(b.Enabled(IDC_SUBMIT));
}

TEST_F(WriteTest, UnsavedEditsAreThoseNoCompletedWriteHasSent) {
    EXPECT_FALSE(b.dlg.HasUnsavedEdits()) << "nothing connected";
    b.Connect(kReport, -1);
    EXPECT_FALSE(b.dlg.HasUnsavedEdits());
    b.controls.UserSetAddressField(IDC_DNS, 3, 4);
    EXPECT_TRUE(b.dlg.HasUnsavedEdits());
    b.controls.UserSetAddressField(IDC_DNS, 3, 8);
    EXPECT_FALSE(b.dlg.HasUnsavedEdits()) << "back as the module holds it";
    b.controls.UserSelect(IDC_PROTOCOL, 0);
    EXPECT_TRUE(b.dlg.HasUnsavedEdits()) << "the protocol picked is not written yet";
    b.controls.UserType(IDC_KEY, "new");
    b.Submit();
    EXPECT_TRUE(b.dlg.HasUnsavedEdits()) << "not saved until the save is acknowledged";
    b.Acknowledge(22);
    EXPECT_FALSE(b.dlg.HasUnsavedEdits());
    b.controls.UserSelect(IDC_BAUDRATE, 0);
    b.controls.UserClick(IDC_CONNECT);
    EXPECT_FALSE(b.dlg.HasUnsavedEdits()) << "closed: nothing connected to save to";
}

TEST_F(WriteTest, EventsFollowTheSession) {
    EventLog events;
    b.dlg.SetEvents(&events);
    b.Connect();
    b.Submit();
    b.Acknowledge(22);
    ASSERT_EQ(events.log.size(), 2u + 21u + 1u);
    EXPECT_EQ(events.log[0], "report");
    EXPECT_EQ(events.log[1], "connected");
    EXPECT_EQ(events.log[2], "step 1 sent");
    EXPECT_EQ(events.log[22], "step 21 sent");
    EXPECT_EQ(events.log[23], "completed");
}

}  // namespace
}  // namespace wifi::testing
