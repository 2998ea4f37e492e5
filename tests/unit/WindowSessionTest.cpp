// The window session, driven through a window's primitives in memory: each
// window-level rule once, for both windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Bench.h"
#include "FakeShell.h"
#include "profile/Preferences.h"
#include "serial/CommError.h"
#include "window/WindowSession.h"

namespace wifi::testing {
namespace {

namespace fs = std::filesystem;

struct Desk {
    Bench b;
    FakeShell shell;
    FakeTexts texts;
    std::vector<PortInfo> system{{"COM1", {}, {}, {}, {}, {}, {}},
                                 {"COM3", {}, {}, "A5", 0x0403, 0x6001, {}}};
    WindowSession session;

    explicit Desk(std::vector<std::string> named = {"COM1"}, Language language = Language::Chinese,
                  bool start = true)
        : session(shell, b.dlg, b.controls, texts, SystemTextConverters(),
                  WindowStart{language, std::move(named), std::chrono::milliseconds(1000),
                              PortSystem::Windows, [this] { return system; }}) {
        if (start) {
            session.Start();
        }
    }
};

// A file of its own in the temporary folder, removed after.
struct TempFile {
    fs::path path;
    explicit TempFile(const std::string& name)
        : path(fs::temp_directory_path() /
               ("wifi-session-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + name)) {}
    ~TempFile() {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    std::string Read() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
};

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(WindowSession, ClosingAndReadingAgainAskFirstOnlyWithEditsNotWritten) {
    Desk d;
    d.b.Connect(kReport, -1);
    EXPECT_TRUE(d.session.MayClose());
    EXPECT_TRUE(d.shell.questions.empty()) << "nothing to lose, nothing asked";

    d.b.controls.UserType(IDC_SSID, "Edited");
    EXPECT_FALSE(d.session.MayClose());
    ASSERT_EQ(d.shell.questions.size(), 1u);
    const QuestionText& q = d.shell.questions[0];
    EXPECT_TRUE(Has(q.text, "还没有写入模块")) << q.text;
    // The answers say what they do, in the window's language.
    EXPECT_EQ(q.yes, "关闭");
    EXPECT_EQ(q.no, "取消");

    const auto sent = d.b.comm.written().size();
    d.session.ReadAgain();
    EXPECT_EQ(d.shell.questions.back().yes, "重新读取");
    EXPECT_EQ(d.b.comm.written().size(), sent) << "No: nothing sent";
    EXPECT_EQ(d.b.Text(IDC_SSID), "Edited");
    d.shell.answer = true;
    d.session.ReadAgain();
    EXPECT_EQ(d.b.Sent().back(), "AT+SZ_CHECKCONFIG=ALL\r\n");
    EXPECT_TRUE(d.session.MayClose());
}

TEST(WindowSession, WhatWasRememberedComesBackAndAPortNamedAtStartWins) {
    Desk remembering({}, Language::Chinese, false);
    Preferences before;
    before.port = "COM9";  // renamed since: its adapter is now COM3
    before.portSerial = "A5";
    before.position = std::pair{5000, 5000};  // a monitor since removed
    before.encoding = TextEncoding::Gbk;
    before.verify = false;
    before.Save(remembering.shell.store);
    remembering.session.Start();
    EXPECT_EQ(remembering.session.ports().Device(), "") << "the system is asked once drawn";
    remembering.session.FindPorts();
    EXPECT_EQ(remembering.session.ports().Device(), "COM3");
    EXPECT_GT(remembering.shell.portsShown, 0);
    EXPECT_FALSE(remembering.b.dlg.verify());
    EXPECT_EQ(remembering.texts.current, TextEncoding::Gbk);
    EXPECT_EQ(remembering.shell.encoding, TextEncoding::Gbk);
    EXPECT_EQ(remembering.session.Place(520, 400), (std::pair{700, 320}))
        << "off every screen: centred on the primary one";

    remembering.session.Closed({10, 20});
    const Preferences after = Preferences::Load(remembering.shell.store);
    EXPECT_EQ(after.port, "COM3");
    EXPECT_EQ(after.portSerial, "A5");
    EXPECT_EQ(after.position, (std::pair{10, 20}));
    EXPECT_EQ(after.encoding, TextEncoding::Gbk);

    Desk named({"COM7"}, Language::Chinese, false);
    before.Save(named.shell.store);
    named.session.Start();
    EXPECT_EQ(named.session.ports().Device(), "COM7") << "listed before the system is asked";
    named.session.FindPorts();
    EXPECT_EQ(named.session.ports().Device(), "COM7");
    named.session.SetVerify(true);
    EXPECT_TRUE(named.b.dlg.verify());
    EXPECT_TRUE(Preferences::Load(named.shell.store).verify);
}

TEST(WindowSession, TheLanguageIsChosenOnceAndTheFontAskedOnlyForChinese) {
    MemoryStore store;
    int fontChecks = 0;
    const auto font = [&fontChecks] {
        ++fontChecks;
        return false;
    };
    std::string why;
    EXPECT_EQ(StartLanguage(Language::English, store, "zh_CN.UTF-8", font, why), Language::English);
    EXPECT_EQ(fontChecks, 0) << "the font check takes time: asked only for Chinese";
    Preferences chose;
    chose.language = "zh";
    chose.Save(store);
    EXPECT_EQ(StartLanguage(std::nullopt, store, "en_US.UTF-8", font, why), Language::English)
        << "no font shows Chinese";
    EXPECT_EQ(fontChecks, 1);
    EXPECT_FALSE(why.empty());

    Desk d;
    d.session.ChooseLanguage(Language::Chinese);
    EXPECT_TRUE(d.shell.boxes.empty()) << "the language it speaks already";
    d.session.ChooseLanguage(Language::English);
    EXPECT_EQ(Preferences::Load(d.shell.store).language, "en");
    ASSERT_EQ(d.shell.boxes.size(), 1u);
    EXPECT_EQ(d.shell.boxes[0].text.text, "下次打开窗口时使用新的语言。");
    EXPECT_EQ(d.shell.boxes[0].kind, BoxKind::Information);
}

TEST(WindowSession, TheEncodingFollowsTheModuleAndSaysSo) {
    Desk d;
    d.b.Connect();
    d.session.ForeignText(IDC_SSID, TextEncoding::Gbk);
    EXPECT_EQ(d.texts.current, TextEncoding::Gbk);
    EXPECT_EQ(d.shell.encoding, TextEncoding::Gbk);
    EXPECT_TRUE(Has(d.shell.progress, "GBK")) << d.shell.progress;

    d.texts.lossy = {IDC_KEY};
    d.session.EncodingChosen(TextEncoding::Utf8);
    EXPECT_EQ(d.texts.current, TextEncoding::Utf8);
    EXPECT_TRUE(Has(d.shell.progress, "密钥")) << d.shell.progress;
}

TEST(WindowSession, ProfilesNeedAConnectionAndArriveAsTheUsersEditsWithNothingSent) {
    Desk d;
    TempFile file("profile");
    d.shell.file = file.path.string();
    d.session.ImportProfile(d.b.controls);
    ASSERT_EQ(d.shell.boxes.size(), 1u);
    EXPECT_TRUE(d.shell.choices.empty()) << "told before a file is chosen for nothing";

    d.b.Connect();
    d.session.ExportProfile();
    ASSERT_EQ(d.shell.choices.size(), 1u);
    EXPECT_TRUE(d.shell.choices[0].save);
    EXPECT_EQ(d.shell.choices[0].suggested, "Bench-AP.json") << "named after the network";
    EXPECT_EQ(d.shell.choices[0].pattern, "*.json");
    const fs::path json = file.path.string() + ".json";
    ASSERT_TRUE(fs::exists(json)) << "the suffix is added when the user gives none";
    std::string text;
    {
        std::ifstream in(json);
        std::stringstream all;
        all << in.rdbuf();
        text = all.str();
    }
    fs::remove(json);
    EXPECT_TRUE(Has(text, "\"ssid\": \"Bench-AP\"")) << text;
    text.replace(text.find("Bench-AP"), 8, "Line-7");
    std::ofstream(file.path, std::ios::binary) << text;

    const auto sent = d.b.comm.written().size();
    d.session.ImportProfile(d.b.controls);
    EXPECT_EQ(d.shell.boxes.size(), 1u) << "no complaint";
    EXPECT_EQ(d.b.Text(IDC_SSID), "Line-7");
    EXPECT_EQ(d.b.comm.written().size(), sent) << "nothing goes to the module";
    EXPECT_TRUE(Has(d.shell.progress, "尚未写入")) << d.shell.progress;
    EXPECT_TRUE(d.b.dlg.HasUnsavedEdits());

    std::ofstream(file.path, std::ios::binary) << "{\"baudRate\": 12}";
    d.session.ImportProfile(d.b.controls);
    ASSERT_EQ(d.shell.boxes.size(), 2u);
    EXPECT_EQ(d.shell.boxes[1].kind, BoxKind::Warning);
}

TEST(WindowSession, ThePortsLossAndFailureAreToldOnceNamingThePort) {
    Desk d;
    d.b.Connect();
    d.session.PortLost("device removed");
    ASSERT_EQ(d.shell.boxes.size(), 1u);
    const BoxText& lost = d.shell.boxes[0].text;
    EXPECT_TRUE(Has(lost.text, "COM1")) << lost.text;
    EXPECT_TRUE(Has(lost.more, "请插好设备")) << "the next step below the text";
    EXPECT_TRUE(Has(lost.more, "\ndevice removed")) << "the system's words on a line of their own";
    EXPECT_FALSE(d.b.comm.GetPortOpen());

    d.session.Run([] { throw CommError("access denied"); });
    ASSERT_EQ(d.shell.boxes.size(), 2u);
    EXPECT_EQ(d.shell.boxes[1].kind, BoxKind::Error);

    // A module restarting after its save is awaited, not reported lost.
    Desk saving;
    saving.b.dlg.SetVerify(true);
    saving.b.Connect();
    saving.b.Submit();
    for (int i = 0; i < 22; ++i) {  // the save's too
        saving.b.comm.Deliver("OK\r\n");
    }
    saving.b.comm.SetPortOpen(false);
    saving.b.comm.FailOn("PortOpen=1", "no such device");
    saving.session.PortLost("restarting");
    EXPECT_TRUE(saving.shell.boxes.empty());
    EXPECT_TRUE(saving.b.dlg.AwaitingModuleReturn());

    // The port list stays still while the module is awaited, the port closed.
    const int shown = saving.shell.portsShown;
    saving.system.push_back({"COM25", {}, {}, {}, {}, {}, {}});
    saving.session.RefreshPorts();
    EXPECT_EQ(saving.shell.portsShown, shown);
}

TEST(WindowSession, ThePortListFollowsTheSystemOnlyWhileAPortMayBeChosen) {
    Desk d;
    d.session.FindPorts();
    const int shown = d.shell.portsShown;
    d.session.RefreshPorts();
    EXPECT_EQ(d.shell.portsShown, shown) << "nothing changed, nothing drawn";
    d.system.push_back({"COM25", {}, {}, {}, {}, {}, {}});
    d.session.RefreshPorts();
    EXPECT_EQ(d.shell.portsShown, shown + 1);
    EXPECT_EQ(d.session.ports().Device(), "COM1") << "the choice stays";

    d.b.Connect();
    d.system.clear();
    d.session.RefreshPorts();
    EXPECT_EQ(d.shell.portsShown, shown + 1) << "the open port's entry never moves";
    EXPECT_EQ(d.session.ports().Device(), "COM1");
}

TEST(WindowSession, BoxesAndTheProgressLineAreLaidOutOnce) {
    Desk d({"COM1"}, Language::English);
    const BoxText box =
        d.session.LaidOut(Message{Text(UI_TEXT("无法保存 %1"), {Text::Literal("a.json")}), true,
                                  "Permission denied", Text(UI_TEXT("请换一个文件夹或文件名。"))});
    EXPECT_EQ(box.text, "Cannot save a.json");
    EXPECT_EQ(box.more, "Choose another folder or file name.\nPermission denied");
    EXPECT_EQ(box.title, "Wi-Fi Module Configuration");

    // A reply that does not come: the line says what and what next; the box
    // names the port, once the handler has returned.
    Desk c;
    c.b.Connect();
    EXPECT_TRUE(Has(c.shell.title, "COM1") && Has(c.shell.title, "19200 8N1")) << c.shell.title;
    c.b.Submit();
    c.b.Wait(1500);
    EXPECT_TRUE(c.shell.progressProblem);
    EXPECT_TRUE(Has(c.shell.progress, "参数未保存")) << c.shell.progress;
    EXPECT_TRUE(c.shell.boxes.empty()) << "not inside the handler";
    c.shell.RunLater();
    ASSERT_EQ(c.shell.boxes.size(), 1u);
    EXPECT_TRUE(Has(c.shell.boxes[0].text.text, "串口 COM1：")) << c.shell.boxes[0].text.text;
    c.session.ShowWholeProgress();
    EXPECT_EQ(c.shell.boxes.back().text.text, c.shell.progress);
}

TEST(WindowSession, TheTrafficLogIsOneFormatEverywhereWithTheKeyMasked) {
    Desk d;
    d.b.controls.UserSelect(IDC_COMPORT, 0);
    d.session.Tap(LineDirection::Sent, "AT+SZ_SECURITY_KEY=secret\r\n");
    d.session.Tap(LineDirection::Received, "OK\r\n");
    const std::string masked = d.session.TrafficText(false, false);
    EXPECT_EQ(std::count(masked.begin(), masked.end(), '\n'), 2);
    EXPECT_EQ(masked.find('\r'), std::string::npos) << "LF, the same on every system";
    EXPECT_TRUE(Has(masked, " COM1 > AT+SZ_SECURITY_KEY=***\\r\\n\n")) << masked;
    EXPECT_TRUE(Has(d.session.TrafficText(true, false), "=secret\\r\\n"));

    TempFile file("traffic.txt");
    d.shell.file = file.path.string();
    d.session.SaveTraffic(true, false);
    EXPECT_EQ(file.Read(), d.session.TrafficText(true, false));
#ifndef _WIN32
    EXPECT_EQ(fs::status(file.path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write)
        << "with the key shown, the log is its owner's alone";
#endif
    d.shell.file = (file.path / "no-such-folder" / "log.txt").string();
    d.session.SaveTraffic(false, false);
    ASSERT_EQ(d.shell.boxes.size(), 1u);
    EXPECT_TRUE(Has(d.shell.boxes[0].text.text, "无法保存")) << d.shell.boxes[0].text.text;
}

}  // namespace
}  // namespace wifi::testing
