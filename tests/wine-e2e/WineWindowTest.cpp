// wifi-config-gui.exe, the Windows window, under Wine on the test command's
// Xvfb: a driver in the same prefix (gui-driver.exe) works it as a user
// would, against a simulated module on a COM port; here, what reached the
// module is checked byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "SimProcess.h"
#include "WineSupport.h"

namespace wifi::e2e {
namespace {

const std::string kState = "SSID:办公室网络\nKEY:office-2026\n";

// Runs one scenario of the driver against the module; its lines tell what it
// checked.
RunResult Drive(const std::string& scenario, const WineModule& m, const std::string& shot = {}) {
    TempDir files;
    std::vector<std::string> command = {WINE64, GUI_DRIVER_EXE, scenario, WindowsPath(WIFI_GUI_EXE),
                                        m.port()};
    if (!shot.empty()) {
        command.push_back(WindowsPath(shot));
    }
    return Output(Run("/bin/sh", InFiles(files, command)), files);
}

class WineWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        // The window needs a display: scripts/test runs every test on an Xvfb.
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "no DISPLAY: run under xvfb-run";
    }
};

long Count(const std::vector<std::string>& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
}

// Connect fills the form; an edit and a submit write exactly the edit and
// save; a second submit writes the whole form again. The connected window is
// drawn into build/ for the README.
TEST_F(WineWindow, ConnectEditSubmitAndASecondSubmitWriteExactlyAndSave) {
    WineModule m({}, kState);
    const auto r = Drive("connect-edit-submit", m, WIFI_WINDOW_SCREENSHOT);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const auto got = Received(m.module.log);
    ASSERT_GE(got.size(), 4u);
    EXPECT_EQ(got[0], "AT+SZ_CHECKCONFIG=ALL");
    EXPECT_EQ(got[1], "AT+SZ_CONNECT=START");
    EXPECT_EQ(Count(got, "AT+SZ_SSID=Line 7"), 1);
    EXPECT_EQ(Count(got, "AT+SZ_SSID=Line 8"), 1);
    EXPECT_EQ(Count(got, "AT+SZ_BAUDRATE=9600"), 2);
    EXPECT_EQ(Count(got, "AT+SZ_TCPUDP_MODEL=TCP"), 2);
    EXPECT_EQ(Count(got, "AT+SZ_SAVE_CONFIG=SAVE"), 2);
    EXPECT_EQ(Count(got, "AT+SZ_SECURITY_KEY=office-2026"), 2) << "the key goes back as it was";
    EXPECT_TRUE(EndsWithSaveReadBack(got)) << got.back();
    const std::string state = ReadFile(m.module.state);
    EXPECT_NE(state.find("SSID:Line 8\n"), std::string::npos) << state;
    EXPECT_NE(state.find("Baudrate:9600\n"), std::string::npos) << state;
    EXPECT_TRUE(fs::exists(WIFI_WINDOW_SCREENSHOT));
}

// The traffic view keeps taking lines past an edit control's own limit and
// shows the newest; the driver prints the write time with it closed and open.
// A report line the module adds of its own fills the view sooner.
TEST_F(WineWindow, TheTrafficViewTakesEveryLinePastFortyThousandCharacters) {
    WineModule m({"--report", "Notes=" + std::string(1500, 'n')}, kState);
    const auto r = Drive("traffic", m);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const auto figure = r.out.rfind("ok the view holds");
    std::printf("%s", figure == std::string::npos ? "" : r.out.substr(figure).c_str());
    const auto got = Received(m.module.log);
    EXPECT_GE(Count(got, "AT+SZ_SAVE_CONFIG=SAVE"), 4);
    EXPECT_NE(ReadFile(m.module.state).find("SSID:Line "), std::string::npos);
}

// What goes wrong is told as the Qt window tells it, and nothing is saved.
TEST_F(WineWindow, ARefusalATimeOutAndAnUnplugSayWhatBecameOfTheSave) {
    {
        WineModule refusing({"--reply-error", "AT+SZ_SAVE_CONFIG="}, kState);
        const auto r = Drive("refused", refusing);
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_EQ(Received(refusing.module.log).back(), "AT+SZ_SAVE_CONFIG=SAVE");
        EXPECT_NE(ReadFile(refusing.module.state).find("SSID:办公室网络\n"), std::string::npos);
    }
    {
        WineModule silent({"--no-reply", "AT+SZ_SSID="}, kState);
        const auto r = Drive("timeout", silent);
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_EQ(Received(silent.module.log).back().rfind("AT+SZ_SSID=", 0), 0u)
            << "nothing more was sent";
    }
    {
        WineModule unplugged({"--hangup-after", "9"}, kState);
        const auto r = Drive("unplug", unplugged);
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_EQ(Count(Received(unplugged.module.log), "AT+SZ_SAVE_CONFIG=SAVE"), 0);
    }
}

// Closing with unsaved edits asks; a GBK name goes back byte for byte.
TEST_F(WineWindow, ClosingAsksAboutUnsavedEditsAndGbkNamesKeepTheirBytes) {
    {
        WineModule m({}, kState);
        const auto r = Drive("close-unsaved", m);
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_EQ(Count(Received(m.module.log), "AT+SZ_CONFIGURE=START"), 0) << "nothing written";
    }
    const std::string gbkSsid = "\xB2\xE2\xCA\xD4\xCD\xF8\xC2\xE7";  // 测试网络
    WineModule m({}, "SSID:" + gbkSsid + "\nKEY:\xC3\xDC\xC2\xEB\n");
    const auto r = Drive("gbk", m);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const std::string state = ReadFile(m.module.state);
    EXPECT_NE(state.find("SSID:" + gbkSsid + "\n"), std::string::npos) << state;
    EXPECT_NE(state.find("KEY:\xC3\xDC\xC2\xEB\n"), std::string::npos) << state;
    EXPECT_EQ(Count(Received(m.module.log), "AT+SZ_SAVE_CONFIG=SAVE"), 1);
}

// An edit after a save is said not to be in the module, in either language;
// each window is drawn into build/ for the README.
TEST_F(WineWindow, AnEditAfterASaveIsSaidNotWrittenInBothLanguages) {
    for (const std::string language : {"zh", "en"}) {
        WineModule m({}, kState);
        const fs::path shot = fs::path(WIFI_WINDOW_SCREENSHOT).parent_path() /
                              ("window-modified-wine-" + language + ".bmp");
        const auto r = Drive("modified-" + language, m, shot.string());
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_EQ(Count(Received(m.module.log), "AT+SZ_SAVE_CONFIG=SAVE"), 1);
    }
}

// Nothing remembered: the first start is centred on the screen.
TEST_F(WineWindow, TheFirstStartIsCentredOnThePrimaryScreen) {
    WineModule m({}, kState);
    const auto r = Drive("first-position", m);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
}

// A Windows without a Chinese outline font (a prefix of its own, seeing only
// DejaVu): the window asked for Chinese speaks English rather than boxes.
TEST_F(WineWindow, WithoutAChineseFontTheWindowSpeaksEnglish) {
    TempDir prefix;
    const fs::path conf = prefix.path / "fonts.conf";
    {
        std::ofstream out(conf);
        out << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
            << "<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>"
            << (prefix.path / "cache").string() << "</cachedir></fontconfig>\n";
    }
    const std::string env = "WINEPREFIX=" + (prefix.path / "wine").string();
    TempDir files;
    const auto r = Output(
        e2e::Run("/bin/sh",
                 InFiles(files, {"/usr/bin/env", env, "FONTCONFIG_FILE=" + conf.string(), WINE64,
                                 GUI_DRIVER_EXE, "english", WindowsPath(WIFI_GUI_EXE), "COM1"})),
        files);
    e2e::Run("/usr/bin/env", {env, WINESERVER, "-k"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("reads Connect"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace wifi::e2e
