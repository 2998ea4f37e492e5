// The module simulator, driven over its real pseudo-terminal.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "SimProcess.h"
#include "form/Fields.h"

namespace wifi::e2e {
namespace {

namespace fs = std::filesystem;

// The report's value of a key.
std::string ValueOf(const std::string& report, const std::string& key) {
    const auto at = report.find(key + ":");
    if (at == std::string::npos) {
        return "<absent>";
    }
    const auto start = at + key.size() + 1;
    return report.substr(start, report.find("\r\n", start) - start);
}

TEST(SimulatorCommandLine, HelpBadArgumentsAndBadStateFiles) {
    const auto help = RunSim({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--state", "--link", "--log", "--echo", "--pace", "--chunk", "--noise", "--reply-error",
          "--no-reply", "--hangup-after", "--stale", "--stray-ok", "--omit",
          "--configure-needs-connect", "--restart-after-save", "--forget", "--version"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }

    for (const auto& bad :
         std::vector<std::vector<std::string>>{{"--bogus"},
                                               {"--pace"},
                                               {"--pace", "fast"},
                                               {"--chunk", "0"},
                                               {"--link"},
                                               {"--forget", "colour"},
                                               {"--restart-after-save", "soon"}}) {
        const auto r = RunSim(bad);
        EXPECT_EQ(r.status, 2) << bad[0];
        EXPECT_NE(r.err.find("wifi-module-sim:"), std::string::npos);
    }

    TempDir dir;
    std::ofstream(dir.path / "bad.txt") << "SSID:x\nthis line has no colon\n";
    auto r = RunSim({"--state", (dir.path / "bad.txt").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << "one line: " << r.err;

    r = RunSim({"--state", dir.path.string()});  // a directory cannot be read as a file
    EXPECT_EQ(r.status, 1);
}

TEST(Simulator, AnswersTheHandshake) {
    SimProcess sim({});
    ASSERT_FALSE(sim.path().empty());
    Line line(sim.path());
    line.Send("AT+SZ_CHECKCONFIG=ALL");
    const std::string report = line.ReadUntil("Web_Password:");
    const std::string rest = line.ReadUntil("\r\n");
    EXPECT_EQ(report.rfind("Web_Password:"), report.size() - 13);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 20) << "twenty keys before it";
    // Every key the tool reads.
    for (const Field& field : FormFields()) {
        if (!field.reportKey.empty()) {
            const std::string key(field.reportKey.substr(0, field.reportKey.size() - 1));
            EXPECT_NE(ValueOf(report, key), "<absent>") << key;
        }
    }
    EXPECT_EQ(rest.substr(rest.size() - 2), "\r\n");
    line.Send("AT+SZ_CONNECT=START");
    EXPECT_EQ(line.ReadUntil("\r\n"), "CONNECTED\r\n");
}

TEST(Simulator, AWholeWriteSequenceIsSavedAndReportedInReportTokens) {
    TempDir dir;
    const auto state = dir.path / "module.txt";
    const auto log = dir.path / "traffic.log";
    SimProcess sim({"--state", state.string(), "--log", log.string()});
    Line line(sim.path());
    const std::vector<std::string> sequence = {
        "AT+SZ_CONFIGURE=START",
        "AT+SZ_SSID=Line 7 AP",
        "AT+SZ_NETWORKTYPE=AP",
        "AT+SZ_SECURITY=WPA",
        "AT+SZ_WEPINDEX=2A",
        "AT+SZ_SECURITY_KEY=s3cret key",
        "AT+SZ_DHCP=DISABLE",
        "AT+SZ_IP_DEFAULT=10.1.2.3",
        "AT+SZ_MASK_DEFAULT=255.255.0.0",
        "AT+SZ_GATE_DEFAULT=10.1.0.1",
        "AT+SZ_DNS_DEFAULT=10.1.0.2",
        "AT+SZ_TCPUDP_MODEL=UDP",
        "AT+SZ_S_C_MODEL=SERVER",
        "AT+SZ_TCP_SERVER_IP=10.1.0.9",
        "AT+SZ_S_C_PORT=5000",
        "AT+SZ_BAUDRATE=9600",
        "AT+SZ_UARTDATA_CHECK=",
        "AT+SZ_UARTDATA_BIT=9",
        "AT+SZ_UARTDATA_STOPBIT=2",
        "AT+SZ_DATELENGTH=256",
        "AT+SZ_DATETIMEOUT=20",
        "AT+SZ_SAVE_CONFIG=SAVE",
    };
    for (const auto& command : sequence) {
        line.Send(command);
        ASSERT_EQ(line.ReadUntil("\r\n"), "OK\r\n") << command;
        if (command != sequence.back()) {
            EXPECT_FALSE(fs::exists(state)) << "nothing is saved before the save command";
        }
    }
    ASSERT_TRUE(WaitFor([&] { return fs::exists(state); }));
    EXPECT_FALSE(fs::exists(dir.path / "module.txt.new"));

    line.Send("AT+SZ_CHECKCONFIG=ALL");
    const std::string report = line.ReadUntil("Web_Password:");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"SSID", "Line 7 AP"},           {"NetworkType", "AP"},      {"Security", "WPA/WPA2"},
        {"Key_Mode", "ASCII"},           {"Key_Index", "3"},         {"KEY", "s3cret key"},
        {"DHCP", "DISENABLE"},           {"IP_address", "10.1.2.3"}, {"Subnet_mask", "255.255.0.0"},
        {"Gateway_address", "10.1.0.1"}, {"DNS_server", "10.1.0.2"}, {"SC_Mode", "Server"},
        {"Server_IP", "10.1.0.9"},       {"Port", "5000"},           {"Baudrate", "9600"},
        {"Uartdata_Check", "None"},      {"Uartdata_Bit", "9"},      {"Uartdata_Stopbit", "2"},
        {"Uartdata_Long", "256"},        {"Uartdata_Timeout", "20"},
    };
    const std::string saved = ReadFile(state);
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(ValueOf(report, key), value) << key;
        EXPECT_NE(saved.find(key + ":" + value + "\n"), std::string::npos) << key;
    }

    // A restarted module loads what was saved.
    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.Wait(), 0);
    SimProcess again({"--state", state.string()});
    Line line2(again.path());
    line2.Send("AT+SZ_CHECKCONFIG=ALL");
    EXPECT_EQ(ValueOf(line2.ReadUntil("Web_Password:"), "SSID"), "Line 7 AP");

    // The log holds every line both ways.
    const std::string traffic = ReadFile(log);
    EXPECT_NE(traffic.find(" recv \"AT+SZ_SSID=Line 7 AP\\r\\n\""), std::string::npos);
    EXPECT_NE(traffic.find(" send \"OK\\r\\n\""), std::string::npos);
    EXPECT_EQ(std::count(traffic.begin(), traffic.end(), '\n'),
              static_cast<long>(sequence.size() * 2 + 1 + 21));
}

TEST(Simulator, RefusesBadValuesAndUnknownCommandsAndStagesUntilSave) {
    SimProcess sim({});
    Line line(sim.path());
    line.Send("AT+SZ_CONFIGURE=START");
    ASSERT_EQ(line.ReadUntil("\r\n"), "OK\r\n");
    for (const char* bad : {"AT+SZ_IP_DEFAULT=10.0.0",
                            "AT+SZ_IP_DEFAULT=10.0.0.256",
                            "AT+SZ_MASK_DEFAULT=a.b.c.d",
                            "AT+SZ_GATE_DEFAULT=1.2.3.4.5",
                            "AT+SZ_DNS_DEFAULT=",
                            "AT+SZ_TCP_SERVER_IP=-1.0.0.0",
                            "AT+SZ_NETWORKTYPE=ap",
                            "AT+SZ_SECURITY=WPA/WPA2",
                            "AT+SZ_WEPINDEX=4H",
                            "AT+SZ_WEPINDEX=1X",
                            "AT+SZ_DHCP=DISENABLE",
                            "AT+SZ_TCPUDP_MODEL=SCTP",
                            "AT+SZ_S_C_MODEL=Client",
                            "AT+SZ_S_C_PORT=65536",
                            "AT+SZ_S_C_PORT=80a",
                            "AT+SZ_BAUDRATE=14400",
                            "AT+SZ_UARTDATA_CHECK=None",
                            "AT+SZ_UARTDATA_BIT=7",
                            "AT+SZ_UARTDATA_STOPBIT=0",
                            "AT+SZ_DATELENGTH=",
                            "AT+SZ_DATETIMEOUT=-5",
                            "AT+SZ_SAVE_CONFIG=NOW",
                            "AT+SZ_REBOOT=1",
                            "hello"}) {
        line.Send(bad);
        EXPECT_EQ(line.ReadUntil("\r\n"), "ERROR\r\n") << bad;
    }
    line.Send("AT+SZ_SSID=staged only");
    ASSERT_EQ(line.ReadUntil("\r\n"), "OK\r\n");
    line.Send("AT+SZ_CHECKCONFIG=ALL");
    EXPECT_EQ(ValueOf(line.ReadUntil("Web_Password:"), "SSID"), "SimNet");
}

TEST(Simulator, EchoesEachLineBeforeItsAnswer) {
    SimProcess sim({"--echo"});
    Line line(sim.path());
    line.Send("AT+SZ_CONNECT=START");
    EXPECT_EQ(line.ReadUntil("CONNECTED\r\n"), "AT+SZ_CONNECT=START\r\nCONNECTED\r\n");
}

TEST(Simulator, PacedOutputTakesAtLeastItsWireTime) {
    SimProcess sim({"--pace", "19200"});
    Line line(sim.path());
    const auto start = Clock::now();
    line.Send("AT+SZ_CHECKCONFIG=ALL");
    const std::string report = line.ReadUntil("Web_Password:admin\r\n");
    const auto elapsed = Clock::now() - start;
    ASSERT_EQ(report.substr(report.size() - 20), "Web_Password:admin\r\n");
    // Both ways: the command's 23 bytes reach the module at line speed too.
    const auto bytes = report.size() + std::string("AT+SZ_CHECKCONFIG=ALL\r\n").size();
    const auto wire = std::chrono::microseconds(bytes * 1'000'000 / 1920);
    EXPECT_GE(elapsed, wire) << bytes << " bytes";
}

TEST(Simulator, ChunkedAnswersArriveWholeInSmallPieces) {
    SimProcess sim({"--chunk", "5"});
    Line line(sim.path());
    const auto start = Clock::now();
    line.Send("AT+SZ_CHECKCONFIG=ALL");
    const std::string report = line.ReadUntil("Web_Password:admin\r\n");
    const auto elapsed = Clock::now() - start;
    EXPECT_EQ(report.find("NetworkType:"), 0u);
    // Pieces of 5 bytes with a gap of at least 2 ms between them.
    const auto pieces = (report.size() + 4) / 5;
    EXPECT_GE(elapsed, milliseconds(2 * (pieces - 1)));
}

TEST(Simulator, RefusesOrIgnoresChosenCommands) {
    SimProcess sim({"--reply-error", "AT+SZ_DHCP=", "--no-reply", "AT+SZ_SSID="});
    Line line(sim.path());
    line.Send("AT+SZ_DHCP=ENABLE");
    EXPECT_EQ(line.ReadUntil("\r\n"), "ERROR\r\n");
    line.Send("AT+SZ_SSID=anything");
    line.Send("AT+SZ_CONNECT=START");
    EXPECT_EQ(line.ReadUntil("\r\n"), "CONNECTED\r\n") << "the SSID command got no answer";
}

TEST(Simulator, SaysSomethingUnaskedWithNoise) {
    SimProcess sim({"--noise"});
    Line line(sim.path());
    const std::string chatter = line.ReadUntil("\r\n");
    ASSERT_GT(chatter.size(), 2u);
    for (const char* token : {"OK\r\n", "ERROR\r\n", "CONNECTED\r\n", "Web_Password:"}) {
        EXPECT_EQ(chatter.find(token), std::string::npos);
    }
}

TEST(Simulator, HangsUpAfterNLinesLikeAnUnpluggedDevice) {
    TempDir dir;
    const auto link = dir.path / "module";
    SimProcess sim({"--hangup-after", "2", "--link", link.string()});
    ASSERT_TRUE(fs::is_symlink(link));
    Line line(link.string());
    line.Send("AT+SZ_CONNECT=START");
    EXPECT_EQ(line.ReadUntil("\r\n"), "CONNECTED\r\n");
    line.Send("AT+SZ_CONFIGURE=START");
    EXPECT_TRUE(line.WaitHangUp());
    EXPECT_EQ(line.ReadUntil("\r\n"), "") << "the second line got no answer";
    EXPECT_EQ(sim.Wait(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << "the link goes with it";
}

TEST(Simulator, GarbageNeverCrashesItNorGrowsItsMemory) {
    SimProcess sim({});
    Line line(sim.path());
    line.Send("AT+SZ_CONNECT=START");
    ASSERT_EQ(line.ReadUntil("\r\n"), "CONNECTED\r\n");
    const long before = sim.RssKiB();

    std::mt19937 random(7);
    std::string garbage(1 << 20, '\0');
    for (auto& c : garbage) {
        c = static_cast<char>(random() % 256);
        if (c == '\n') {
            c = 'n';  // no line ends: every 4 KiB is discarded whole
        }
    }
    for (std::size_t at = 0; at < garbage.size(); at += 64 * 1024) {
        line.Write(garbage.substr(at, 64 * 1024));
    }
    line.Write("\r\n");
    line.Send("AT+SZ_CONNECT=START");
    const std::string answers = line.ReadUntil("CONNECTED\r\n");
    EXPECT_NE(answers.find("ERROR\r\n"), std::string::npos);
    EXPECT_EQ(answers.substr(answers.size() - 11), "CONNECTED\r\n");
    EXPECT_LT(sim.RssKiB() - before, 4096) << "memory stays flat";
    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.Wait(), 0);
}

TEST(Simulator, StopsCleanlyWhenStandardInputCloses) {
    SimProcess sim({});
    sim.CloseStdin();
    EXPECT_EQ(sim.Wait(), 0);
}

}  // namespace
}  // namespace wifi::e2e
