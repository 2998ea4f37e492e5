// wifi-config.exe, built for Windows, run under Wine against simulated
// modules: each simulator's pseudo-terminal is linked into the prefix as a
// COM port, and the program opens it as a Windows user would ("COM21").
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "SimProcess.h"
#include "WineSupport.h"

namespace wifi::e2e {
namespace {

// wifi-config.exe with its arguments, its output in files; a locale given
// is the program's environment's LANG.
std::vector<std::string> ExeCommand(const TempDir& files, const std::vector<std::string>& args,
                                    const std::string& locale = {}) {
    std::vector<std::string> command = {WINE64, WIFI_CONFIG_EXE};
    if (!locale.empty()) {
        command.insert(command.begin(), {"/usr/bin/env", "LANG=" + locale});
    }
    command.insert(command.end(), args.begin(), args.end());
    return InFiles(files, command);
}

// Runs wifi-config.exe to its end.
RunResult Exe(const std::vector<std::string>& args, const std::string& locale = {}) {
    TempDir files;
    return Output(Run("/bin/sh", ExeCommand(files, args, locale)), files);
}

TEST(WineCli, ReadsAModuleOnACom) {
    WineModule m;
    const auto r = Exe({"read", "--port", m.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind(R"({"encoding": "utf-8", "netType": "STA", "ssid": "SimNet", )", 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find(R"("frameTime": "50"})"
                         "\n"),
              std::string::npos)
        << "UTF-8 and \\n alone, as on Linux: " << r.out;
    EXPECT_EQ(r.err, "wifi-config: " + m.port() +
                         ": unknown, printed as null: protocol (no module reports it)\n");
    const auto got = Received(m.module.log);
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got[0], "AT+SZ_CHECKCONFIG=ALL");
    EXPECT_EQ(got[1], "AT+SZ_CONNECT=START");
}

TEST(WineCli, WritesEveryByteInOrderAndSaves) {
    WineModule m;
    TempDir files;
    std::ofstream(files.path / "line 7.json")
        << R"({"ssid": "Line 7", "dhcp": false, "ip": "10.7.0.20", "protocol": "UDP"})";
    const auto r = Exe({"write", "--port", m.port(), "--from",
                        WindowsPath(files.path / "line 7.json"), "--set", "baudRate=9600"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.out.rfind(
            R"({"port": ")" + m.port() + R"(", "ok": true, "verified": true, "error": null, )", 0),
        0u)
        << r.out;
    const std::string log = ReadFile(m.module.log);
    for (const char* line :
         {R"(recv "AT+SZ_CONFIGURE=START\r\n")", R"(recv "AT+SZ_SSID=Line 7\r\n")",
          R"(recv "AT+SZ_DHCP=DISABLE\r\n")", R"(recv "AT+SZ_IP_DEFAULT=10.7.0.20\r\n")",
          R"(recv "AT+SZ_TCPUDP_MODEL=UDP\r\n")", R"(recv "AT+SZ_BAUDRATE=9600\r\n")",
          R"(recv "AT+SZ_SAVE_CONFIG=SAVE\r\n")"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
    const auto got = Received(m.module.log);
    EXPECT_TRUE(EndsWithSaveReadBack(got)) << got.back();
    EXPECT_EQ(std::count(got.begin(), got.end(), "AT+SZ_SAVE_CONFIG=SAVE"), 1);
    const std::string state = ReadFile(m.module.state);
    EXPECT_NE(state.find("SSID:Line 7\n"), std::string::npos) << state;
    EXPECT_NE(state.find("Baudrate:9600\n"), std::string::npos) << state;
}

TEST(WineCli, FailuresKeepTheirExitCodesAndSayWhatWasSaved) {
    {
        WineModule refusing({"--reply-error", "AT+SZ_SAVE_CONFIG="});
        const auto r = Exe({"write", "--port", refusing.port(), "--set", "protocol=TCP"});
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find("AT+SZ_SAVE_CONFIG=SAVE"), std::string::npos) << r.err;
    }
    {
        WineModule silent({"--no-reply", "AT+SZ_CHECKCONFIG="});
        const auto r = Exe({"read", "--port", silent.port(), "--timeout", "1"});
        EXPECT_EQ(r.status, 4) << r.err;
        EXPECT_NE(r.err.find("configuration report"), std::string::npos) << r.err;
    }
    {
        WineModule unplugged({"--hangup-after", "9"});
        const auto r = Exe({"write", "--port", unplugged.port(), "--set", "protocol=TCP"});
        EXPECT_EQ(r.status, 3) << r.err;
        EXPECT_NE(r.err.find(unplugged.port() +
                             ": the device was unplugged or the line hung up; nothing was saved"),
                  std::string::npos)
            << r.err;
        EXPECT_NE(r.out.find(R"("ok": false)"), std::string::npos) << r.out;
    }
    const auto r = Exe({"read", "--port", "COM99"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_NE(r.err.find("COM99: no such device"), std::string::npos) << r.err;
}

// Wine turns SIGINT into the console's Ctrl+C, which the program takes as
// Windows delivers it.
TEST(WineCli, CtrlCStopsSendingAndSaysNothingWasSaved) {
    WineModule m({"--no-reply", "AT+SZ_DHCP="});
    TempDir files;
    Child cli("/bin/sh", ExeCommand(files, {"write", "--port", m.port(), "--set", "protocol=TCP",
                                            "--timeout", "60"}));
    ASSERT_TRUE(WaitFor([&] {
        const auto got = Received(m.module.log);
        return !got.empty() && got.back().starts_with("AT+SZ_DHCP=");
    }));
    cli.Signal(SIGINT);
    const auto finished = cli.Finish();
    ASSERT_TRUE(finished);
    const RunResult r = Output(*finished, files);
    EXPECT_EQ(r.status, 130) << r.err;
    EXPECT_NE(
        r.out.find(
            R"({"port": ")" + m.port() +
            R"(", "ok": false, "verified": false, "error": "interrupted; nothing more was sent; nothing was saved")"),
        std::string::npos)
        << r.out;
    EXPECT_EQ(Received(m.module.log).back(), "AT+SZ_DHCP=ENABLE") << "nothing more was sent";
}

TEST(WineCli, TheStationWritesAModuleAndRecordsIt) {
    WineModule m;
    TempDir files;
    std::ofstream(files.path / "profile.json") << R"({"ssid": "Line 7", "protocol": "TCP"})";
    const fs::path log = files.path / "station.log";
    const auto r =
        Exe({"station", "--port", m.port(), "--from", WindowsPath(files.path / "profile.json"),
             "--count", "1", "--log", WindowsPath(log)});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string record = ReadFile(log);
    EXPECT_EQ(record, r.out) << "standard output and the log agree";
    EXPECT_EQ(record.rfind(R"({"time": "20)", 0), 0u) << record;
    EXPECT_NE(record.find(R"("port": ")" + m.port() +
                          R"(", "adapterSerial": null, "unit": 1, "ok": true, "verified": true, )"
                          R"("error": null, )"),
              std::string::npos)
        << record;
    EXPECT_NE(record.find(R"("key": "***")"), std::string::npos) << record;
    // One language for the run: English outside a Chinese locale...
    EXPECT_NE(r.err.find("✔ passed  #1  " + m.port()), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("1 ok, 0 failed"), std::string::npos) << r.err;
    EXPECT_TRUE(EndsWithSaveReadBack(Received(m.module.log)));

    // ...and Chinese in one, the record's reason too.
    WineModule refusing({"--reply-error", "AT+SZ_SAVE_CONFIG="});
    const auto zh = Exe({"station", "--port", refusing.port(), "--from",
                         WindowsPath(files.path / "profile.json"), "--count", "1"},
                        "zh_CN.UTF-8");
    EXPECT_EQ(zh.status, 1) << zh.err;
    EXPECT_NE(zh.err.find("✘ 失败  #1  " + refusing.port()), std::string::npos) << zh.err;
    EXPECT_NE(zh.err.find("0 个成功，1 个失败"), std::string::npos) << zh.err;
    EXPECT_NE(zh.out.find(R"("error": "write: 模块拒绝)"), std::string::npos) << zh.out;
}

TEST(WineCli, PortsProbesTheNamedComPorts) {
    WineModule module;
    WineModule silent({"--no-reply", "AT+SZ_CHECKCONFIG"});
    const auto r = Exe({"ports", "-p", module.port(), "-p", silent.port(), "--probe", "-t", "0.8"});
    ASSERT_EQ(r.status, 0) << r.err;
    // JSON Lines, "\n" ends as on Linux; no stable names on Windows.
    EXPECT_NE(
        r.out.find(R"({"port": ")" + module.port() +
                   R"(", "description": null, "manufacturer": null, "serialNumber": null, )"
                   R"("vid": null, "pid": null, "stableName": null, "busy": false, )"
                   R"("module": true, "netType": "STA", "encoding": "utf-8", "ssid": "SimNet"})"
                   "\n"),
        std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(R"({"port": ")" + silent.port() + R"(", )"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("busy": false, "module": false})"), std::string::npos) << r.out;
    EXPECT_EQ(Received(module.module.log), std::vector<std::string>{"AT+SZ_CHECKCONFIG=ALL"});
}

// A port linked into the prefix after it started is listed without being
// opened; a link that leads nowhere is not.
TEST(WineCli, PortsListsTheComPortsLinkedIntoThePrefix) {
    WineModule module;
    const ComPort nowhere;
    const auto r = Exe({"ports"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"({"port": ")" + module.port() + R"(", )"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find(R"({"port": ")" + nowhere.name + R"(", )"), std::string::npos) << r.out;
    EXPECT_TRUE(Received(module.module.log).empty());
}

TEST(WineCli, AGbkSsidTypedInUnicodeGoesOutInGbkAndComesBack) {
    WineModule m;
    auto r = Exe({"write", "--port", m.port(), "--encoding", "gbk", "--set", "protocol=TCP",
                  "--set", "ssid=你好"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadFile(m.module.log).find(R"(recv "AT+SZ_SSID=\xC4\xE3\xBA\xC3\r\n")"),
              std::string::npos)
        << "C4 E3 BA C3 on the wire";
    r = Exe({"read", "--port", m.port(), "--encoding", "gbk"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind(R"({"encoding": "gbk", "netType": "STA", "ssid": "你好", )", 0), 0u)
        << r.out;
}

}  // namespace
}  // namespace wifi::e2e
