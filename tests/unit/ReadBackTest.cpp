// The read-back after a save: success is what the module holds when it is
// queried again, not what it acknowledged.
#include <gtest/gtest.h>

#include "Bench.h"
#include "form/ReadBack.h"
#include "wording/Messages.h"

namespace wifi::testing {
namespace {

constexpr const char* kQuery = "AT+SZ_CHECKCONFIG=ALL\r\n";
constexpr const char* kConnect = "AT+SZ_CONNECT=START\r\n";

// kReport with one line's value replaced.
std::string With(const std::string& key, const std::string& value) {
    std::string report = kReport;
    const auto at = report.find(key);
    return report.replace(at, report.find("\r\n", at) - at, key + value);
}

struct ReadBackTest : ::testing::Test {
    Bench b;
    EventLog events;
    ReadBackTest() {
        b.dlg.SetVerify(true);
        b.dlg.SetEvents(&events);
        b.Connect();
        b.Submit();
        for (int i = 0; i < 21; ++i) {
            b.comm.Deliver("OK\r\n");
        }
        EXPECT_EQ(b.Sent().back(), "AT+SZ_SAVE_CONFIG=SAVE\r\n");
    }
    bool SavedMessage() const {
        return !b.controls.messages().empty() && b.controls.messages()[0].first == "参数已保存!";
    }
};

TEST_F(ReadBackTest, TheSaveCountsOnlyOnceTheModuleIsReadBackAsWritten) {
    b.comm.Deliver("OK\r\n");  // the save's
    EXPECT_EQ(b.Sent().back(), kQuery) << "queried again at once, no quiet wait";
    EXPECT_FALSE(SavedMessage());
    EXPECT_TRUE(b.dlg.IsWriting());
    b.comm.Deliver(kReport);
    EXPECT_EQ(b.Sent().back(), kConnect) << "the connect request ends the report";
    EXPECT_FALSE(SavedMessage());
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_TRUE(SavedMessage());
    EXPECT_EQ(events.log.back(), "completed");
    EXPECT_EQ(events.log[events.log.size() - 2], "verified");
    EXPECT_FALSE(b.dlg.IsWriting());
    EXPECT_EQ(b.dlg.session().moduleReady, 1)
        << "connected again: the next submit needs no reconnect";
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP") << "the form is what was written, untouched";
}

TEST_F(ReadBackTest, AFieldNotAsWrittenIsNamedWithBothValuesAndNeverASuccess) {
    b.comm.Deliver("OK\r\n");
    b.comm.Deliver(With("SSID:", "Other-Module"));
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(events.log.back(), "differs ssid");
    EXPECT_FALSE(SavedMessage());
    ASSERT_EQ(events.readBack.fields.size(), 1u);
    EXPECT_EQ(events.readBack.fields[0].wrote, "Bench-AP");
    EXPECT_EQ(events.readBack.fields[0].has, "Other-Module");
    EXPECT_TRUE(b.Enabled(IDC_SUBMIT)) << "the user may submit again";
    EXPECT_EQ(b.Text(IDC_SSID), "Bench-AP") << "what the user wrote stays in the form";
    EXPECT_EQ(
        Said(ReadBackOutcome(events.readBack)).Format(Language::English, Audience::CommandLine),
        "read back after the save, the module differs: ssid: wrote \"Bench-AP\", the "
        "module has \"Other-Module\". Run the command again; if it still differs, check the "
        "module.");
    EXPECT_TRUE(Said(ReadBackOutcome(events.readBack))
                    .Format(Language::English)
                    .ends_with(". Submit again; if it still differs, check the module."))
        << "the window's step in the window";
}

TEST_F(ReadBackTest, AValueTheFormCannotHoldCannotBeToldAndIsNeverEqual) {
    b.comm.Deliver("OK\r\n");
    b.comm.Deliver(With("DHCP:", "Enable"));
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(events.log.back(), "not verified cannot tell dhcp");
    EXPECT_FALSE(SavedMessage());
    EXPECT_FALSE(events.readBack.fields[0].has);
    EXPECT_EQ(events.readBack.fields[0].reported, "Enable");
}

TEST_F(ReadBackTest, ALateRefusalOfTheSaveIsSettledByTheReport) {
    b.comm.Deliver("OK\r\n");
    // Firmware that acknowledged the save's prefix refuses it now: the query
    // in flight is asked again, and what the module holds decides.
    b.comm.Deliver("ERROR\r\n");
    EXPECT_EQ(b.Sent().back(), kQuery);
    const auto sent = b.Sent();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), std::string(kQuery)), 3)
        << "the connection's, and the read-back's twice";
    b.comm.Deliver(With("Baudrate:", "9600"));
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_EQ(events.log.back(), "differs baudRate");
    EXPECT_FALSE(SavedMessage());
}

TEST_F(ReadBackTest, ARestartBannerHoldingReplyWordsDoesNotUnsettleAGoodSave) {
    b.comm.Deliver("OK\r\n");
    b.comm.Deliver("OK\r\nready\r\n" + kReport);
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_TRUE(SavedMessage());
    EXPECT_EQ(events.log[events.log.size() - 2], "verified");
}

TEST_F(ReadBackTest, AModuleThatRestartsIsReadBackOnThePortOpenedAnew) {
    b.comm.Deliver("OK\r\n");
    b.comm.SetPortOpen(false);
    b.comm.FailOn("PortOpen=1", "no such device");  // gone while it reboots
    b.dlg.OnPortLost();
    EXPECT_TRUE(b.dlg.AwaitingModuleReturn());
    EXPECT_TRUE(std::find(events.log.begin(), events.log.end(), "disconnected") == events.log.end())
        << "a restart after the save is no loss to tell";
    b.Wait(1000);
    EXPECT_TRUE(b.dlg.AwaitingModuleReturn()) << "looked for, not found yet";
    b.comm.Recover();
    const auto sent = b.Sent().size();
    b.Wait(200);
    ASSERT_EQ(b.Sent().size(), sent + 1);
    EXPECT_EQ(b.Sent().back(), kQuery);
    b.comm.Deliver(kReport);
    b.comm.Deliver("CONNECTED\r\n");
    EXPECT_TRUE(SavedMessage());
}

TEST_F(ReadBackTest, AModuleThatDoesNotComeBackLeavesTheSaveNotVerified) {
    b.comm.Deliver("OK\r\n");
    b.comm.SetPortOpen(false);
    b.comm.FailOn("PortOpen=1", "no such device");
    b.dlg.OnPortLost();
    b.Wait(10000);
    EXPECT_EQ(events.log.back(), "not verified port gone");
    EXPECT_FALSE(SavedMessage());
    EXPECT_EQ(b.Text(IDC_STATUS), "未连接");
    EXPECT_EQ(Said(ReadBackOutcome(events.readBack)).Format(Language::English),
              "saved, but not verified: the module went away after its save and did not come "
              "back in time. Read the module again to see whether the save took.");
}

TEST_F(ReadBackTest, NoAnswerToTheReadBackLeavesTheSaveNotVerified) {
    b.comm.Deliver("OK\r\n");
    b.Wait(10000);
    EXPECT_EQ(events.log.back(), "not verified no answer");
    EXPECT_FALSE(SavedMessage());
}

TEST(ReadBack, ComparesEveryReportedFieldButTheProtocolInTheFormsTerms) {
    Bench b;
    b.Connect();
    std::vector<std::string> wrote;
    for (const auto& value : ReportedFormState(kReport)) {
        wrote.push_back(value.value_or("0"));  // the protocol: reported by none
    }
    EXPECT_TRUE(CompareReadBack(wrote, kReport).empty());
    // An address the module writes with leading zeros is the same address.
    EXPECT_TRUE(CompareReadBack(wrote, With("IP_address:", "192.168.001.010")).empty());
    const auto differing = CompareReadBack(wrote, With("Key_Index:", "1"));
    ASSERT_EQ(differing.size(), 1u);
    EXPECT_EQ(differing[0].field->name, "keyIndex");
    EXPECT_EQ(FormValueText(*differing[0].field, differing[0].wrote).Format(Language::English),
              "3");
}

TEST(ReadBack, TurnedOffTheQuietLineAfterTheSaveStillCounts) {
    Bench b;  // the bench's default: no read-back
    b.Connect();
    b.Submit();
    b.Acknowledge(22);
    EXPECT_EQ(b.Sent().back(), "AT+SZ_SAVE_CONFIG=SAVE\r\n") << "no query after it";
    ASSERT_EQ(b.controls.messages().size(), 1u);
}

}  // namespace
}  // namespace wifi::testing
