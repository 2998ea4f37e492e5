// Every text the tool shows, in both languages: the language chosen, texts
// filled in, the English of every outcome, and the progress line's choice.
#include <gtest/gtest.h>
#include <cctype>

#include "Bench.h"
#include "form/DialogTemplate.h"
#include "wording/Messages.h"
#include "wording/ProgressLine.h"

namespace wifi::testing {
namespace {

bool HasChinese(const std::string& text) {
    // Every CJK character of the tool's texts is three UTF-8 bytes from E3 on
    // (U+3000 and above): the punctuation "：" and "，" included.
    for (unsigned char c : text) {
        if (c >= 0xE3 && c <= 0xE9) {
            return true;
        }
    }
    return false;
}

TEST(Language, TheCommandLineThenTheLastChoiceThenTheLocale) {
    EXPECT_EQ(LanguageOfLocale("zh_CN.UTF-8"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale("zh-TW"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale("C"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale("C.UTF-8"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale("POSIX"), Language::Chinese);
    EXPECT_EQ(LanguageOfLocale("de_DE.UTF-8"), Language::English);
    EXPECT_EQ(LanguageOfLocale("en-US"), Language::English);
    EXPECT_EQ(ChooseLanguage(Language::Chinese, Language::English, "de_DE"), Language::Chinese);
    EXPECT_EQ(ChooseLanguage(std::nullopt, Language::Chinese, "de_DE"), Language::Chinese);
    EXPECT_EQ(ChooseLanguage(std::nullopt, std::nullopt, "de_DE"), Language::English);
    // The command line: what is asked, else Chinese only in a Chinese locale;
    // C and no locale, where scripts run, get English.
    EXPECT_EQ(CommandLineLanguage(Language::Chinese, "C.UTF-8"), Language::Chinese);
    EXPECT_EQ(CommandLineLanguage(Language::English, "zh_CN.UTF-8"), Language::English);
    EXPECT_EQ(CommandLineLanguage(std::nullopt, "zh-CN"), Language::Chinese);
    for (const char* locale : {"C", "C.UTF-8", "POSIX", "", "en_GB.UTF-8"}) {
        EXPECT_EQ(CommandLineLanguage(std::nullopt, locale), Language::English) << locale;
    }
    EXPECT_FALSE(LanguageNamed("fr"));
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    // Without a Chinese font, English rather than empty boxes, said once.
    std::string why;
    EXPECT_EQ(ShowableLanguage(Language::Chinese, true, why), Language::Chinese);
    EXPECT_EQ(ShowableLanguage(Language::English, false, why), Language::English);
    EXPECT_TRUE(why.empty());
    EXPECT_EQ(ShowableLanguage(Language::Chinese, false, why), Language::English);
    EXPECT_NE(why.find("font"), std::string::npos);
}

TEST(Text, FillsItsPartsAndNamesAFieldForItsAudience) {
    const Text step = StepText(15);
    EXPECT_EQ(step.Format(Language::Chinese), "第 15 步（波特率）");
    EXPECT_EQ(step.Format(Language::English, Audience::CommandLine), "parameter 15 (baudRate)");
    EXPECT_EQ(step.Format(Language::English, Audience::Window), "parameter 15 (Baud)");
    EXPECT_EQ(Text::Literal("%1 stays").Format(Language::English), "%1 stays");
    EXPECT_EQ(Seconds(std::chrono::milliseconds(500)).Format(Language::English), "0.5");
    EXPECT_EQ(EnglishOf("wifi", "未连接"), "Not connected");
}

// A window names a field as its form labels it, in either language: the
// label's words without its colon.
TEST(Text, AFieldIsNamedByItsFormLabel) {
    int labelled = 0;
    for (const Field& field : FormFields()) {
        for (const DialogItem& item : ConfigDialogTemplate().items) {
            std::string label(item.text);
            for (const std::string colon : {"：", ":"}) {
                if (label.ends_with(colon)) {
                    label.resize(label.size() - colon.size());
                }
            }
            if (item.kind != ItemKind::Label || label != field.label) {
                continue;
            }
            ++labelled;
            std::string english(EnglishOf("wifi", item.text));
            if (english.ends_with(':')) {
                english.pop_back();
            }
            // A name in messages may say more than its label has room for
            // ("Frame period" beside "Period").
            std::string named = Text::Named(field).Format(Language::English);
            for (std::string* text : {&named, &english}) {
                for (char& c : *text) {
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                }
            }
            EXPECT_NE(named.find(english), std::string::npos) << field.name;
            EXPECT_EQ(Text::Named(field).Format(Language::Chinese), label) << field.name;
        }
    }
    EXPECT_EQ(labelled, 19) << "every field the form labels (all but DHCP and the network type)";
}

// Each outcome in the command line's English, as its tests and scripts
// read it, and in Chinese; none left untranslated.
TEST(Messages, EveryOutcomeHasItsWordsInBothLanguages) {
    const Exchange save{InFlight::Write, kStepCount, true, "AT+SZ_SAVE_CONFIG=SAVE"};
    const Exchange key{InFlight::Write, 5, true, "AT+SZ_SECURITY_KEY=abcdefgh"};
    const Exchange query{InFlight::Query, 0, false, "AT+SZ_CHECKCONFIG=ALL"};
    const Exchange connect{InFlight::Connect, 0, true, "AT+SZ_CONNECT=START"};
    const auto timeout = std::chrono::milliseconds(10000);
    const std::vector<std::pair<Message, std::string>> outcomes = {
        {Refusal(key),
         "the module refused parameter 5 (key): AT+SZ_SECURITY_KEY=***; nothing more was sent, "
         "nothing was saved"},
        {Refusal(save), "the module refused the save (AT+SZ_SAVE_CONFIG=SAVE); nothing was saved"},
        {Refusal(query), "the module refused the configuration query (AT+SZ_CHECKCONFIG=ALL)"},
        {NoAnswer(query, false, timeout),
         "no answer within 10 s while waiting for the configuration report; the connection is "
         "closed"},
        {NoAnswer(save, true, timeout),
         "incomplete answer while waiting for the acknowledgement of the save: nothing more came "
         "within 10 s; the save is not confirmed"},
        {NoAnswer(connect, false, timeout),
         "no answer within 10 s while waiting for the connected reply; nothing was saved"},
        {RepliesOutOfStep(key),
         "nothing was saved: the module sent an unexpected reply after AT+SZ_SECURITY_KEY=*** "
         "(more replies than commands)"},
        {RepliesOutOfStep(save),
         "the save is not confirmed: the module sent an unexpected reply (more replies than "
         "commands)"},
        {PortFailure(CommError("x", CommFailure::Busy, "/dev/ttyUSB0")),
         "/dev/ttyUSB0: port busy: another program is using it"},
        {PortLost("/dev/ttyUSB0", "Input/output error"),
         "/dev/ttyUSB0: the device was unplugged or the line hung up"},
        {UnknownFieldsNotGiven({{FindField("dhcp"), "Enable"}, {FindField("protocol"), {}}}),
         "dhcp: the module reported \"Enable\", which the form cannot hold; protocol: no module "
         "reports it; give --set protocol=TCP or --set protocol=UDP; nothing was sent: give a "
         "value with --set NAME=VALUE or in the --from "
         "profile"},
    };
    for (const auto& [message, english] : outcomes) {
        EXPECT_TRUE(message.problem);
        // Then one plain thing to do, unless the words already say it.
        if (english.find("give a value") == std::string::npos) {
            const std::string next = message.next.Format(Language::English, Audience::CommandLine);
            EXPECT_FALSE(next.empty()) << english;
            EXPECT_FALSE(HasChinese(next)) << next;
            EXPECT_TRUE(HasChinese(message.next.Format(Language::Chinese, Audience::CommandLine)))
                << english;
            EXPECT_EQ(Said(message).Format(Language::English, Audience::CommandLine),
                      english + ". " + next);
            // The command line names its own steps, not the window's buttons.
            for (const char* step : {"ubmit", "onnect again", "choose the port", "import"}) {
                EXPECT_EQ(next.find(step), std::string::npos) << next;
            }
        }
        EXPECT_EQ(message.text.Format(Language::English, Audience::CommandLine), english);
        const std::string chinese = message.text.Format(Language::Chinese);
        EXPECT_TRUE(HasChinese(chinese)) << chinese;
        EXPECT_EQ(chinese.find("abcdefgh"), std::string::npos) << "the key is masked";
    }
    // The window's own words, every one translated.
    for (RuleBreak why : {RuleBreak::ControlCharacter, RuleBreak::TooLong, RuleBreak::NotANumber,
                          RuleBreak::NoValue, RuleBreak::NotEncodable, RuleBreak::Unknown}) {
        const std::string english = ValueNotSent(1, 0, why).text.Format(Language::English);
        EXPECT_FALSE(HasChinese(english)) << english;
    }
    for (const Text& text : {UnsavedEditsQuestion(),
                             LanguageNextTime(),
                             WaitingForAModule(),
                             Verifying(),
                             ModuleOk(),
                             ModuleFailed(StationFailure::Refused),
                             ModuleFailed(StationFailure::Differs, "ssid"),
                             ModuleFailed(StationFailure::NoAnswer),
                             ModuleFailed(StationFailure::PortFailed),
                             ModuleFailed(StationFailure::CannotWrite),
                             AlreadyAsGiven({"ssid", "dhcp"}),
                             ReadAgainQuestion(),
                             ImportedNotYetWritten().text,
                             StationStep(3),
                             StationSummary(2, 1),
                             OnPort("COM3", Text("未连接")),
                             ImportNeedsAConnection().text,
                             ReportRead().text,
                             WriteCompleted().text,
                             SubmitNotTaken(SubmitRefusal::Busy).text,
                             UnknownDhcp("ON").text,
                             TextInNoEncoding(*FindField("ssid")).text}) {
        const std::string english = text.Format(Language::English);
        EXPECT_FALSE(HasChinese(english)) << english;
    }
}

// The progress line chooses its words from the session's events.
TEST(ProgressLine, TellsEachStepAndSaysWhetherAnythingWasSaved) {
    Bench b;
    ProgressLine line;
    std::vector<Message> shown;
    std::vector<Message> alerts;
    line.show = [&](const Message& m) { shown.push_back(m); };
    line.alert = [&](const Message& m) { alerts.push_back(m); };
    b.dlg.SetEvents(&line);
    std::string report = kReport;
    report.replace(report.find("DHCP:DISENABLE"), 14, "DHCP:ON");
    b.Connect(report, -1);
    EXPECT_EQ(shown.back().text.Format(Language::Chinese),
              "模块报告的 DHCP 值“ON”无法识别：请勾选或取消勾选“启动DHCP”后再提交")
        << "said once connected";
    // An edit is not in the module yet, and says so.
    b.controls.UserSelect(IDC_PROTOCOL, 0);
    EXPECT_EQ(shown.back().text.Format(Language::English), "Modified, not written");
    b.controls.UserClick(IDC_DHCP);
    b.Submit();
    b.Acknowledge(7);
    EXPECT_EQ(shown.back().text.Format(Language::Chinese), "写入 7/22：IP地址");
    EXPECT_FALSE(shown.back().problem);
    b.Wait(10000);
    EXPECT_EQ(shown.back().text.Format(Language::Chinese),
              "已确认至第 6 步，等待第 7 步（IP地址）的确认时 10 秒内没有应答，参数未保存");
    EXPECT_TRUE(shown.back().problem);
    ASSERT_EQ(alerts.size(), 1u) << "a time-out is said in a message too";
    b.Submit();
    b.Acknowledge(22);
    EXPECT_EQ(shown.back().text.Format(Language::English), "Written 22/22: parameters saved");
    // After a save an edit says the form is not the module's any more; a
    // problem said of a value clears when the value changes.
    b.controls.UserType(IDC_SSID, "Line 9");
    EXPECT_EQ(shown.back().text.Format(Language::Chinese), "已修改，尚未写入");
    b.controls.UserType(IDC_SERVERPORT, "99999");
    b.Submit();
    EXPECT_TRUE(shown.back().problem);
    b.controls.UserType(IDC_SERVERPORT, "8080");
    EXPECT_FALSE(shown.back().problem);
    // Closing the port mid-write says what became of the save, and the
    // title no longer names the port.
    std::vector<bool> connection;
    line.connection = [&](bool connected) { connection.push_back(connected); };
    b.Submit();
    b.Acknowledge(3);
    b.controls.UserClick(IDC_CONNECT);
    EXPECT_EQ(shown.back().text.Format(Language::Chinese), "连接已断开，参数未保存");
    EXPECT_EQ(connection, std::vector<bool>{false});
    EXPECT_EQ(WindowTitle("WIFI参数配置", "COM3", true).Format(Language::Chinese),
              "WIFI参数配置 — COM3 19200 8N1");

    // A refused handshake is said; the next attempt starts clean.
    Bench refused;
    refused.dlg.SetEvents(&line);
    refused.Open();
    refused.comm.Deliver("ERROR\r\n");
    EXPECT_TRUE(shown.back().problem);
    shown.clear();
    refused.controls.UserClick(IDC_CONNECT);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown.front().text.empty());
    EXPECT_FALSE(shown.front().problem);
}

// Without --port the only serial port there is is taken and named; with
// none, or several, nothing is taken and the words say what to do.
TEST(Messages, AnUnnamedPortIsTheOnlyOneThereIs) {
    const auto say = [](const Message& m) {
        return Said(m).Format(Language::English, Audience::CommandLine);
    };
    const UnnamedPort only = PortWhenNoneNamed({"/dev/ttyUSB0"});
    EXPECT_EQ(only.port, "/dev/ttyUSB0");
    EXPECT_FALSE(only.said.problem);
    EXPECT_EQ(say(only.said), "no --port given: using /dev/ttyUSB0, the only serial port");

    const UnnamedPort none = PortWhenNoneNamed({});
    EXPECT_TRUE(none.port.empty());
    EXPECT_TRUE(none.said.problem);
    EXPECT_EQ(say(none.said),
              "no --port given, and this system has no serial port. Plug in the "
              "adapter, or name the device with --port.");

    const UnnamedPort two = PortWhenNoneNamed({"COM3", "COM7"});
    EXPECT_TRUE(two.port.empty());
    EXPECT_EQ(say(two.said),
              "no --port given; the serial ports here are COM3, COM7. wifi-config "
              "ports --probe tells which one a module answers on; name it with "
              "--port.");
    EXPECT_TRUE(HasChinese(Said(two.said).Format(Language::Chinese, Audience::CommandLine)));
}

}  // namespace
}  // namespace wifi::testing
