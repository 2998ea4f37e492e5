// wifi-config against simulated modules over pseudo-terminals.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>

#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "SimProcess.h"

namespace wifi::e2e {
namespace {

namespace fs = std::filesystem;

RunResult Cli(const std::vector<std::string>& args, const std::string& input = {}) {
    return Run(WIFI_CONFIG, args, input);
}

const std::string kDefaultForm =
    R"({"encoding": "utf-8", "netType": "STA", "ssid": "SimNet", "security": "WPA", "keyFormat": "ASCII", )"
    R"("keyIndex": 1, "key": "sim-password", "dhcp": true, "ip": "192.168.1.100", )"
    R"("netmask": "255.255.255.0", "gateway": "192.168.1.1", "dns": "192.168.1.1", )"
    R"("serverIp": "192.168.1.10", "protocol": null, "csMode": "CLIENT", "serverPort": "8899", )"
    R"("baudRate": "115200", "parity": "NONE", "dataBits": "8", "stopBits": "1", )"
    R"("frameLen": "1024", "frameTime": "50"})"
    "\n";

TEST(CliRead, PrintsTheModulesConfigurationAsJsonAndAsText) {
    Module m;
    auto r = Cli({"read", "--port", m.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kDefaultForm);
    r = Cli({"read", "--port", m.port(), "--format", "text"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("ssid: SimNet\nsecurity: WPA\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("parity: NONE\n"), std::string::npos);
    // The handshake as the module saw it, and the port closed at the end.
    const auto got = Received(m.log);
    EXPECT_EQ(got.front(), "AT+SZ_CHECKCONFIG=ALL");
    EXPECT_EQ(got[1], "AT+SZ_CONNECT=START");
}

TEST(CliWrite, WhatIsWrittenIsWhatIsReadBackInTheSequencesOrder) {
    Module m;
    TempDir files;
    const fs::path from = files.path / "form.json";
    std::ofstream(from) << R"({"netType": "AP", "ssid": "Line 7", "security": "WEP128",
        "keyFormat": "HEX", "keyIndex": 4, "key": "0123456789", "dhcp": false,
        "ip": "10.7.0.20", "netmask": "255.255.0.0", "gateway": "10.7.0.1", "dns": null,
        "serverIp": "10.7.0.9", "protocol": "UDP", "csMode": "SERVER", "serverPort": "5000",
        "baudRate": "9600", "parity": "ODD", "dataBits": "9", "stopBits": "2",
        "frameLen": "256", "frameTime": "20"})";
    auto r = Cli({"write", "--port", m.port(), "--from", from.string(), "--set", "dns=10.7.0.2",
                  "--set", "frameTime=30"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find(R"({"port": ")" + m.port() +
                         R"(", "ok": true, "verified": true, "error": null, "seconds": )"),
              0u)
        << r.out;

    r = Cli({"read", "--port", m.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.out,
        R"({"encoding": "utf-8", "netType": "AP", "ssid": "Line 7", "security": "WEP128", "keyFormat": "HEX", )"
        R"("keyIndex": 4, "key": "0123456789", "dhcp": false, "ip": "10.7.0.20", )"
        R"("netmask": "255.255.0.0", "gateway": "10.7.0.1", "dns": "10.7.0.2", )"
        R"("serverIp": "10.7.0.9", "protocol": null, "csMode": "SERVER", )"
        R"("serverPort": "5000", "baudRate": "9600", "parity": "ODD", "dataBits": "9", )"
        R"("stopBits": "2", "frameLen": "256", "frameTime": "30"})"
        "\n")
        << "all but the protocol, which no report carries: it reads null";

    const auto got = Received(m.log);
    const std::vector<std::string> expected = {"AT+SZ_CHECKCONFIG=ALL",
                                               "AT+SZ_CONNECT=START",
                                               "AT+SZ_CONFIGURE=START",
                                               "AT+SZ_SSID=Line 7",
                                               "AT+SZ_NETWORKTYPE=AP",
                                               "AT+SZ_SECURITY=WEP128",
                                               "AT+SZ_WEPINDEX=3H",
                                               "AT+SZ_SECURITY_KEY=0123456789",
                                               "AT+SZ_DHCP=DISABLE",
                                               "AT+SZ_IP_DEFAULT=10.7.0.20",
                                               "AT+SZ_MASK_DEFAULT=255.255.0.0",
                                               "AT+SZ_GATE_DEFAULT=10.7.0.1",
                                               "AT+SZ_DNS_DEFAULT=10.7.0.2",
                                               "AT+SZ_TCPUDP_MODEL=UDP",
                                               "AT+SZ_S_C_MODEL=SERVER",
                                               "AT+SZ_TCP_SERVER_IP=10.7.0.9",
                                               "AT+SZ_S_C_PORT=5000",
                                               "AT+SZ_BAUDRATE=9600",
                                               "AT+SZ_UARTDATA_CHECK=ODD",
                                               "AT+SZ_UARTDATA_BIT=9",
                                               "AT+SZ_UARTDATA_STOPBIT=2",
                                               "AT+SZ_DATELENGTH=256",
                                               "AT+SZ_DATETIMEOUT=30",
                                               "AT+SZ_SAVE_CONFIG=SAVE"};
    ASSERT_GE(got.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + expected.size()), expected);
    EXPECT_NE(ReadFile(m.state).find("SSID:Line 7\n"), std::string::npos);
}

TEST(CliWrite, BadInputIsRefusedBeforeAnyPortIsOpened) {
    Module m;
    TempDir files;
    std::ofstream(files.path / "broken.json") << R"({"ssid": "x",)";
    std::ofstream(files.path / "list.json") << R"(["ssid"])";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--set", "colour=red"}, "colour"},
        {{"--set", "security=WPA2"}, "WPA2"},
        {{"--set", "ip=10.0.0.256"}, "10.0.0.256"},
        {{"--set", "gateway=10.0.0"}, "10.0.0"},
        {{"--set", "keyIndex=0"}, "keyIndex"},
        {{"--set", "dhcp=yes"}, "dhcp"},
        {{"--set", "ssid=two\nlines"}, "line end"},
        {{"--set", "nothing"}, "NAME=VALUE"},
        {{"--from", (files.path / "missing.json").string()}, "missing.json"},
        {{"--from", (files.path / "broken.json").string()}, "broken.json"},
        {{"--from", (files.path / "list.json").string()}, "not a JSON object"},
        {{"--timeout", "soon"}, "--timeout"},
    };
    for (const auto& [extra, named] : cases) {
        std::vector<std::string> args = {"write", "--port", m.port()};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto r = Cli(args);
        EXPECT_EQ(r.status, 2) << named;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    }
    EXPECT_TRUE(Received(m.log).empty()) << "no port was opened";
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"erase", "--port", "x"}, {"read", "--port", "a", "--port", "b"}}) {
        EXPECT_EQ(Cli(args).status, 2);
    }
}

TEST(CliWrite, AListTheModuleLeftUnusableMustBeSetFirst) {
    Module m({}, "Security:WPA3\n");
    auto r = Cli({"write", "--port", m.port(), "--set", "ssid=x"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("security"), std::string::npos) << r.err;
    const auto got = Received(m.log);
    EXPECT_EQ(std::count(got.begin(), got.end(), "AT+SZ_CONFIGURE=START"), 0) << "never submitted";

    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set", "security=OPEN"});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST(CliWrite, PortFailuresNameThePort) {
    TempDir files;
    const std::string missing = (files.path / "ttyGONE").string();
    auto r = Cli({"read", "--port", missing});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find(missing), std::string::npos) << r.err;

    Module m({"--hangup-after", "9"});
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_NE(r.err.find(m.port()), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("the device was unplugged or the line hung up"), std::string::npos)
        << r.err;
    EXPECT_NE(r.out.find(R"("ok": false)"), std::string::npos) << r.out;
}

TEST(CliWrite, ARefusedParameterIsNamedAndNothingMoreIsSent) {
    Module m({"--reply-error", "AT+SZ_DHCP="});
    const auto r =
        Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set", "dhcp=false"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("dhcp"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("AT+SZ_DHCP=DISABLE"), std::string::npos) << r.err;
    EXPECT_EQ(Received(m.log).back(), "AT+SZ_DHCP=DISABLE");
    EXPECT_EQ(ReadFile(m.state), "") << "nothing saved";
}

TEST(CliWrite, SilenceTimesOutNamingThePhase) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"AT+SZ_CHECKCONFIG=", "configuration report"},
        {"AT+SZ_CONNECT=", "connected reply"},
        {"AT+SZ_BAUDRATE=", "parameter 15 (baudRate); nothing was saved"},
        {"AT+SZ_SAVE_CONFIG=", "the save; the save is not confirmed"},
    };
    for (const auto& [silent, phase] : cases) {
        Module m({"--no-reply", silent});
        const auto r =
            Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--timeout", "2"});
        EXPECT_EQ(r.status, 4) << phase;
        EXPECT_NE(r.err.find(phase), std::string::npos) << r.err;
    }
}

TEST(CliWrite, SeveralModulesAtOnceEachWithItsOwnResult) {
    std::vector<std::unique_ptr<Module>> modules;
    std::vector<std::string> args = {"write"};
    for (int i = 0; i < 4; ++i) {
        modules.push_back(std::make_unique<Module>());
        args.insert(args.end(), {"--port", modules.back()->port()});
    }
    args.insert(args.end(),
                {"--set", "protocol=TCP", "--set", "ssid=Station", "--set", "baudRate=57600"});
    auto r = Cli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);
    for (const auto& m : modules) {
        EXPECT_NE(r.out.find(R"({"port": ")" + m->port() + R"(", "ok": true)"), std::string::npos);
        const std::string saved = ReadFile(m->state);
        EXPECT_NE(saved.find("SSID:Station\n"), std::string::npos);
        EXPECT_NE(saved.find("Baudrate:57600\n"), std::string::npos);
    }
    // At the same time: every module had its first command before any had its last.
    std::string lastFirst, firstLast = "9";
    for (const auto& m : modules) {
        std::istringstream log(ReadFile(m->log));
        std::string first, last;
        for (std::string entry; std::getline(log, entry);) {
            if (entry.find(" recv ") != std::string::npos) {
                (first.empty() ? first : last) = entry.substr(0, entry.find(' '));
            }
        }
        lastFirst = std::max(lastFirst, first);
        firstLast = std::min(firstLast, last);
    }
    EXPECT_LT(lastFirst, firstLast);

    // One failing port does not stop the others; the worst code wins.
    Module good;
    r = Cli(
        {"write", "--port", "/nonexistent/tty", "--port", good.port(), "--set", "protocol=TCP"});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.out.find(R"("ok": true)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("ok": false)"), std::string::npos) << r.out;
}

// What crossed the line, from a simulator's log: ("recv" or "send", the bytes
// escaped as the log keeps them), in order.
std::vector<std::pair<std::string, std::string>> Exchange(const fs::path& log) {
    std::vector<std::pair<std::string, std::string>> entries;
    std::istringstream in(ReadFile(log));
    for (std::string entry; std::getline(in, entry);) {
        const auto space = entry.find(' ');
        const auto quote = entry.find(" \"");
        if (space != std::string::npos && quote != std::string::npos) {
            entries.emplace_back(entry.substr(space + 1, quote - space - 1),
                                 entry.substr(quote + 2, entry.size() - quote - 3));
        }
    }
    return entries;
}

// Modules that behave as real ones do: bytes left waiting, echoes, stray
// lines, pieces, reply words and key names inside values.
TEST(CliTrust, InputWaitingBeforeTheOpenNeverReachesTheSession) {
    Module m({"--stale", "SSID:stale\\r\\nWeb_Password:\\r\\nCONNECTED\\r\\n"});
    const auto r = Cli({"read", "--port", m.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kDefaultForm);
    EXPECT_EQ(Received(m.log),
              (std::vector<std::string>{"AT+SZ_CHECKCONFIG=ALL", "AT+SZ_CONNECT=START"}));
}

TEST(CliTrust, AStrayOkNeverStandsForTheSavesAcknowledgement) {
    Module m({"--echo", "--stray-ok", "20", "--reply-error", "AT+SZ_SAVE_CONFIG="});
    const auto r =
        Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set", "ssid=Echoed"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.out.find(R"("ok": false)"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("the save (AT+SZ_SAVE_CONFIG=SAVE); nothing was saved"), std::string::npos)
        << r.err;
    EXPECT_EQ(ReadFile(m.state), "") << "nothing saved";
    // One command in flight: each went out only after the one before was
    // answered, in the sequence's order.
    const auto exchange = Exchange(m.log);
    int unanswered = 0;
    for (const auto& [direction, bytes] : exchange) {
        if (direction == "recv") {
            EXPECT_EQ(unanswered, 0) << "sent before an answer: " << bytes;
            unanswered = 1;
        } else if (bytes == "OK\\r\\n" || bytes == "ERROR\\r\\n" || bytes == "CONNECTED\\r\\n" ||
                   bytes.starts_with("Web_Password:")) {
            unanswered = 0;
        }
    }
    EXPECT_EQ(Received(m.log).back(), "AT+SZ_SAVE_CONFIG=SAVE");
    EXPECT_EQ(Received(m.log).size(), 2u + 1u + 21u);
}

TEST(CliTrust, ReplyWordsAndKeyNamesInValuesMoveNothing) {
    Module m({"--chunk", "5", "--echo", "--noise"}, "SSID:NETERROR\nKEY:OK\nPort:8899\n");
    auto r = Cli({"read", "--port", m.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("ssid": "NETERROR")"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("key": "OK")"), std::string::npos) << r.out;
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set",
             "ssid=KEY:x Port:1 CONNECTED"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set", "baudRate=9600"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string saved = ReadFile(m.state);
    EXPECT_NE(saved.find("SSID:KEY:x Port:1 CONNECTED\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("KEY:OK\n"), std::string::npos) << "the key is kept: " << saved;
    EXPECT_NE(saved.find("Port:8899\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Baudrate:9600\n"), std::string::npos) << saved;
    r = Cli({"read", "--port", m.port()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("ssid": "KEY:x Port:1 CONNECTED")"), std::string::npos) << r.out;
}

TEST(CliTrust, AFieldTheReportLacksIsNamedPrintedAsNullAndNeverGuessed) {
    Module m({"--omit", "KEY", "--omit", "Port"});
    auto r = Cli({"read", "--port", m.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("key": null)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("serverPort": null)"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("lacks key, serverPort"), std::string::npos) << r.err;
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set", "key=k"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("serverPort: the module's report lacks Port:"), std::string::npos)
        << r.err;
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set", "key=k", "--set",
             "serverPort=80"});
    // Saved, but the read-back cannot show what the module holds: never
    // taken for verified.
    EXPECT_EQ(r.status, 7) << r.err;
    EXPECT_NE(r.err.find("saved, but not verified: key: wrote ***, cannot tell (the module's "
                         "report lacks KEY:); serverPort: wrote \"80\", cannot tell"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("k\""), std::string::npos) << "the key stays masked: " << r.err;
    r = Cli({"write", "--port", m.port(), "--no-verify", "--set", "protocol=TCP", "--set", "key=k",
             "--set", "serverPort=80"});
    EXPECT_EQ(r.status, 0) << r.err;
}

// Replies balance: a module that answers twice is never taken for one that
// saved, wherever its second answer lands.
TEST(CliTrust, AModuleThatAnswersTwiceNeverGetsASuccess) {
    for (const char* late : {"0", "30", "80", "150"}) {
        Module m({"--double-ok", late, "--reply-error", "AT+SZ_SAVE_CONFIG="});
        const auto r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set",
                            "ssid=Twice", "--trace"});
        EXPECT_EQ(r.status, 1) << late << "\n" << r.err;
        EXPECT_NE(r.out.find(R"("ok": false)"), std::string::npos) << r.out;
        EXPECT_TRUE(r.err.find("nothing was saved") != std::string::npos ||
                    r.err.find("the save is not confirmed") != std::string::npos)
            << r.err;
        EXPECT_EQ(ReadFile(m.state), "") << "refused, as the tool says";
        // Nothing received is dropped unseen: the trace shows the second OK.
        EXPECT_GE(std::count(r.err.begin(), r.err.end(), '<'), 2) << r.err;
    }
    // One that answers twice and does save is not told it saved either:
    // its count is off, so the tool cannot know.
    Module saving({"--double-ok", "40"});
    const auto r = Cli({"write", "--port", saving.port(), "--set", "protocol=TCP"});
    EXPECT_EQ(r.status, 1) << r.err;
}

// Success is proven by reading the module back: a save refused late, or
// another module taking the line mid-write, is never reported as saved; a
// restart banner that holds reply words does not unsettle a good save.
TEST(CliTrust, OnlyAReadBackThatMatchesIsASuccess) {
    Module late({"--refuse-save-late", "60"});
    auto r = Cli({"write", "--port", late.port(), "--set", "protocol=TCP", "--set", "ssid=New"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.out.find(R"("ok": false, "verified": false)"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(R"(ssid: wrote "New", the module has "SimNet")"), std::string::npos)
        << r.err;
    auto got = Received(late.log);
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got[got.size() - 2], "AT+SZ_CHECKCONFIG=ALL") << "read back after the save";
    EXPECT_EQ(got.back(), "AT+SZ_CONNECT=START");

    Module swapped({"--swap-after", "10"});
    r = Cli({"write", "--port", swapped.port(), "--set", "protocol=TCP", "--set", "ssid=New"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find(R"(ssid: wrote "New", the module has "Other-Module")"), std::string::npos)
        << r.err;

    Module banner({"--after-save", "OK\\r\\nERROR\\r\\nready\\r\\n"});
    r = Cli({"write", "--port", banner.port(), "--set", "protocol=TCP", "--set", "ssid=New",
             "--format", "text"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind(banner.port() + ": saved and verified in ", 0), 0u) << r.out;
    EXPECT_NE(r.err.find("note: protocol cannot be verified: no module reports it"),
              std::string::npos)
        << r.err;
    EXPECT_NE(ReadFile(banner.state).find("SSID:New\n"), std::string::npos);
    // -q: the result and any error, no note.
    r = Cli({"write", "-q", "--port", banner.port(), "--set", "protocol=TCP"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    // --no-verify keeps the old proof, the quiet line after the save.
    Module unverified({"--refuse-save-late", "200"});
    r = Cli({"write", "--port", unverified.port(), "--no-verify", "--set", "protocol=TCP"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("ok": true, "verified": false)"), std::string::npos) << r.out;
    EXPECT_EQ(Received(unverified.log).back(), "AT+SZ_SAVE_CONFIG=SAVE");
}

// What a module says instead of a plain reply is named, not blamed on the
// wiring; a refusal's own words are kept.
TEST(CliTrust, ARefusalInTheModulesOwnWordsIsNamed) {
    Module m({"--refusal", "+ERROR: bad value", "--reply-error", "AT+SZ_DHCP="});
    const auto r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find(R"(the module refused parameter 6 (dhcp): AT+SZ_DHCP=ENABLE)"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(R"((the module answered "+ERROR: bad value"))"), std::string::npos)
        << r.err;
    EXPECT_EQ(Received(m.log).back(), "AT+SZ_DHCP=ENABLE") << "nothing more was sent";
}

// A value read prints goes back byte for byte: a tab in an SSID survives
// read, then write --from.
TEST(CliTrust, AProfileThatReadMadeIsWrittenBackByteForByte) {
    Module m({}, "SSID:Line\t7\n");
    TempDir files;
    auto r = Cli({"read", "--port", m.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("ssid": "Line\t7")"), std::string::npos) << r.out;
    std::ofstream(files.path / "p.json") << r.out;
    r = Cli({"write", "--port", m.port(), "--from", (files.path / "p.json").string(), "--set",
             "protocol=TCP"});
    EXPECT_EQ(r.status, 0) << r.err;
    const auto got = Received(m.log);
    EXPECT_NE(std::find(got.begin(), got.end(), R"(AT+SZ_SSID=Line\t7)"), got.end())
        << "the log shows the tab escaped";
    r = Cli({"diff", "--port", m.port(), "-f", (files.path / "p.json").string()});
    EXPECT_NE(r.status, 2) << "diff compares it: " << r.err;
    // What a person types on the command line may hold no control at all.
    for (const char* given : {"ssid=a\tb", "ssid=a\x7f", "key=a\xc2\x85"}) {
        r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set", given});
        EXPECT_EQ(r.status, 2) << given;
    }
}

TEST(CliTrust, ModulesThatEndLinesWithLfOrCrOrSayErrorInAReportLineAreUnderstood) {
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--eol", "lf"}, std::vector<std::string>{"--eol", "cr"},
          std::vector<std::string>{"--report", "ERROR_Count=0"}}) {
        Module m(options);
        auto r = Cli({"read", "--port", m.port(), "--timeout", "2"});
        EXPECT_EQ(r.status, 0) << options[1] << "\n" << r.err;
        EXPECT_NE(r.out.find(R"("ssid": "SimNet")"), std::string::npos) << r.out;
        r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set", "ssid=Ends",
                 "--timeout", "2"});
        EXPECT_EQ(r.status, 0) << options[1] << "\n" << r.err;
        EXPECT_NE(ReadFile(m.state).find("SSID:Ends\n"), std::string::npos);
    }
}

// Known values only: what the form cannot hold is printed as null, named with
// what the module said, and never written until given.
TEST(CliTrust, ValuesTheFormCannotHoldAreUnknownAndNeverWritten) {
    Module m({"--report", "DHCP=Enable", "--report", "IP_address=10.0.0.256"});
    auto r = Cli({"read", "--port", m.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("dhcp": null, "ip": null)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("protocol": null)"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(R"(dhcp (reported "Enable"), ip (reported "10.0.0.256"), protocol)"),
              std::string::npos)
        << r.err;
    r = Cli({"write", "--port", m.port(), "--set", "ssid=x"});
    EXPECT_EQ(r.status, 2);
    for (const char* named : {"dhcp", "\"Enable\"", "ip", "protocol", "nothing was sent"}) {
        EXPECT_NE(r.err.find(named), std::string::npos) << named << "\n" << r.err;
    }
    auto got = Received(m.log);
    EXPECT_EQ(std::count(got.begin(), got.end(), "AT+SZ_CONFIGURE=START"), 0);
    r = Cli({"write", "--port", m.port(), "--set", "protocol=UDP", "--set", "dhcp=true", "--set",
             "ip=10.0.0.25"});
    EXPECT_EQ(r.status, 7) << "read back, the module still says what the form cannot hold\n"
                           << r.err;
    EXPECT_NE(r.err.find(R"(ip: wrote 10.0.0.25, cannot tell (the module reported "10.0.0.256"))"),
              std::string::npos)
        << r.err;
    got = Received(m.log);
    for (const char* sent :
         {"AT+SZ_DHCP=ENABLE", "AT+SZ_IP_DEFAULT=10.0.0.25", "AT+SZ_TCPUDP_MODEL=UDP"}) {
        EXPECT_EQ(std::count(got.begin(), got.end(), sent), 1) << sent;
    }
}

// A wait counts from the last byte that can belong to the answer: a slow
// report still arriving is read; one too slow for six time-outs is said to
// have kept coming without a whole answer.
TEST(CliTrust, AReportSlowerThanTheTimeoutIsReadWhileItKeepsComing) {
    Module slow({"--pace", "2400"});  // 456 bytes at 240 a second: 1.9 s
    auto r = Cli({"read", "--port", slow.port(), "--timeout", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    Module slower({"--pace", "600"});  // 7.6 s, over six time-outs
    r = Cli({"read", "--port", slower.port(), "--timeout", "1"});
    EXPECT_EQ(r.status, 4);
    EXPECT_NE(r.err.find("the module kept sending, but no complete answer came within 1 s "
                         "while waiting for the configuration report"),
              std::string::npos)
        << r.err;
}

TEST(CliTrust, TheKeyNeverShowsUnlessAskedFor) {
    Module m({"--reply-error", "AT+SZ_SECURITY_KEY="});
    auto r = Cli(
        {"write", "--port", m.port(), "--set", "protocol=TCP", "--set", "key=abcdefgh", "--trace"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("AT+SZ_SECURITY_KEY=***"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("abcdefgh"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("sim-password"), std::string::npos) << r.err;
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set", "key=abcdefgh",
             "--trace", "--log-secrets"});
    EXPECT_NE(r.err.find("> AT+SZ_SECURITY_KEY=abcdefgh"), std::string::npos) << r.err;
}

TEST(CliTrust, RefusalsAreNamedByWhatWasRefused) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"AT+SZ_CHECKCONFIG=", "the configuration query (AT+SZ_CHECKCONFIG=ALL)"},
        {"AT+SZ_CONNECT=", "the connect request (AT+SZ_CONNECT=START)"},
        {"AT+SZ_CONFIGURE=", "the configure command (AT+SZ_CONFIGURE=START)"},
    };
    for (const auto& [refused, named] : cases) {
        Module m({"--reply-error", refused});
        const auto r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP"});
        EXPECT_EQ(r.status, 1) << refused;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    }
}

TEST(CliTrust, ValuesThatCannotBeSentAreRefusedBeforeAnything) {
    // As given: before any port is opened.
    Module m({}, "Port:abc\n");
    TempDir files;
    std::ofstream(files.path / "nul.json") << R"({"ssid": "a\u0000b"})";
    {
        std::ofstream big(files.path / "big.json");
        big << R"({"ssid": ")" << std::string(1024 * 1024, 'x') << R"("})";
    }
    const std::vector<std::pair<std::vector<std::string>, std::string>> given = {
        {{"--set", "ssid=" + std::string(70000, 's')}, "32 bytes"},
        {{"--set", "ssid=" + std::string(33, 's')}, "32 bytes"},
        {{"--set", "serverPort=abc"}, "serverPort"},
        {{"--set", "serverPort=99999"}, "0 to 65535"},
        {{"--set", "frameLen=-1"}, "frameLen"},
        {{"--from", (files.path / "nul.json").string()}, "control character"},
        {{"--from", (files.path / "big.json").string()}, "1 MiB"},
        {{"--from", "/dev/zero"}, "a device, not a file"},
        {{"--port", m.sim->path()}, "the same device twice"},
    };
    for (const auto& [extra, named] : given) {
        std::vector<std::string> args = {"write", "--port", m.port()};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto r = Cli(args);
        EXPECT_EQ(r.status, 2) << named;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    }
    EXPECT_TRUE(Received(m.log).empty()) << "no port was opened";
    EXPECT_EQ(Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--set",
                   "ssid=" + std::string(32, 's'), "--set", "serverPort=65535"})
                  .status,
              0);

    // As the module reported it: before the configure command.
    Module reported({}, "Port:abc\n");
    const auto r =
        Cli({"write", "--port", reported.port(), "--set", "protocol=TCP", "--set", "ssid=x"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("serverPort as reported"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("--set serverPort="), std::string::npos) << r.err;
    const auto got = Received(reported.log);
    EXPECT_EQ(std::count(got.begin(), got.end(), "AT+SZ_CONFIGURE=START"), 0);
}

TEST(CliTrust, AnInterruptStopsSendingClosesThePortAndReportsEachPort) {
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        Module m({"--no-reply", "AT+SZ_DHCP="});
        Module other;
        Child cli(WIFI_CONFIG,
                  {"write", "--port", m.port(), "--port", other.port(), "--set", "protocol=TCP"});
        ASSERT_TRUE(WaitFor([&] {
            const auto got = Received(m.log);
            return !got.empty() && got.back().starts_with("AT+SZ_DHCP=");
        }));
        cli.Signal(signal);
        const auto r = cli.Finish();
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, status) << r->err;
        EXPECT_NE(r->out.find(R"({"port": ")" + m.port() +
                              R"(", "ok": false, "verified": false, "error": ")" + "interrupted"),
                  std::string::npos)
            << r->out;
        EXPECT_EQ(std::count(r->out.begin(), r->out.end(), '\n'), 2) << r->out;
        EXPECT_TRUE(Line(m.sim->path()).ReadUntil("x", milliseconds(1)).empty());
        EXPECT_EQ(Received(m.log).back(), "AT+SZ_DHCP=ENABLE") << "nothing more was sent";
    }
}

// Chinese network names: GBK or UTF-8, byte for byte.
const std::string kGbkSsid = "\xB2\xE2\xCA\xD4\xCD\xF8\xC2\xE7";  // 测试网络
const std::string kGbkKey = "\xC3\xDC\xC2\xEB";                   // 密码
const std::string kGbkState = "SSID:" + kGbkSsid + "\nKEY:" + kGbkKey + "\n";

TEST(CliEncoding, AGbkModuleReadAndWrittenBackKeepsEveryByte) {
    Module m({}, kGbkState);
    TempDir files;
    auto r = Cli({"read", "--port", m.port()});  // utf-8 chosen
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find(R"({"encoding": "gbk", )"), 0u) << r.out;
    EXPECT_NE(r.out.find(R"("ssid": "测试网络")"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("key": "密码")"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("ssid is gbk, not utf-8"), std::string::npos) << r.err;
    std::ofstream(files.path / "gbk.json") << r.out;
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--from",
             (files.path / "gbk.json").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string saved = ReadFile(m.state);
    EXPECT_NE(saved.find("SSID:" + kGbkSsid + "\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("KEY:" + kGbkKey + "\n"), std::string::npos) << saved;

    // The file's own encoding wins over the one chosen for typed values.
    r = Cli({"read", "--port", m.port(), "--encoding", "gbk"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "wifi-config: " + m.port() +
                         ": unknown, printed as null: protocol (no module reports it)\n")
        << "no word on the encoding";
    std::ofstream(files.path / "gbk2.json") << r.out;
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--encoding", "utf-8", "--from",
             (files.path / "gbk2.json").string(), "--set", "baudRate=9600"});
    ASSERT_EQ(r.status, 0) << r.err;
    saved = ReadFile(m.state);
    EXPECT_NE(saved.find("SSID:" + kGbkSsid + "\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Baudrate:9600\n"), std::string::npos) << saved;
}

TEST(CliEncoding, TypedTextGoesOutInTheChosenEncodingCountedInItsBytes) {
    Module m;
    auto r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--encoding", "gbk",
                  "--set", "ssid=办公室网络"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadFile(m.state).find("SSID:\xB0\xEC\xB9\xAB\xCA\xD2\xCD\xF8\xC2\xE7\n"),
              std::string::npos);
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--encoding", "utf-8", "--set",
             "ssid=办公室网络"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadFile(m.state).find("SSID:办公室网络\n"), std::string::npos);

    const std::string sixteen = "网网网网网网网网网网网网网网网网";  // 32 bytes in GBK, 48 in UTF-8
    EXPECT_EQ(Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--encoding", "gbk",
                   "--set", "ssid=" + sixteen})
                  .status,
              0);
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--encoding", "gbk", "--set",
             "ssid=" + sixteen + "x"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("32 bytes"), std::string::npos) << r.err;
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--encoding", "utf-8", "--set",
             "ssid=" + sixteen});
    EXPECT_EQ(r.status, 2) << "48 bytes in UTF-8";
    EXPECT_EQ(Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--encoding", "utf-8",
                   "--set", "ssid=网网网网网网网网网网ab"})
                  .status,
              0);
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--encoding", "gbk", "--set",
             "ssid=网😀"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("gbk cannot express"), std::string::npos) << r.err;
}

TEST(CliEncoding, BytesValidInNeitherTravelAsHexAndComeBackWhole) {
    const std::string odd = "odd\x81\xFF";
    Module m({}, "SSID:" + odd + "\n");
    TempDir files;
    auto r = Cli({"read", "--port", m.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(R"("ssid": {"hex": "6f646481ff"})"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("ssid is not valid utf-8 text"), std::string::npos) << r.err;
    std::ofstream(files.path / "odd.json") << r.out;
    r = Cli({"write", "--port", m.port(), "--set", "protocol=TCP", "--from",
             (files.path / "odd.json").string(), "--set", "frameTime=60"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadFile(m.state).find("SSID:" + odd + "\n"), std::string::npos);
    std::ofstream(files.path / "bad.json") << R"({"ssid": {"hex": "6g"}})";
    r = Cli({"write", "--port", m.port(), "--from", (files.path / "bad.json").string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("hex"), std::string::npos) << r.err;
}

TEST(CliTrace, ShowsEveryLineBothWaysWithThePort) {
    Module m;
    const auto r = Cli({"read", "--port", m.port(), "--trace"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.err.find(m.port() + " > AT+SZ_CHECKCONFIG=ALL\\r\\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(m.port() + " < CONNECTED\\r\\n"), std::string::npos) << r.err;
}

std::vector<std::string> Lines(const std::string& text);

TEST(CliHelp, DocumentsEverythingAndTheVersion) {
    auto r = Cli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"read", "write", "--port", "--from", "--set", "--timeout", "--format",
                             "--trace", "Exit status", "Example"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
    r = Cli({"--version"});
    EXPECT_EQ(r.out, "wifi-config 1.0.0.1\n");
    EXPECT_EQ(Cli({"-V"}).out, r.out);
    // What --set takes, where the command takes it.
    r = Cli({"write", "--help"});
    EXPECT_NE(r.out.find("  protocol    TCP | UDP\n"), std::string::npos) << r.out;
    // After a command, that command's usage and options only.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"read", "--help"}, {"help", "read"}, {"read", "-p", "x", "-h"}}) {
        r = Cli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind("Usage: wifi-config read --port DEVICE [OPTION]...\n\n", 0), 0u)
            << r.out;
        EXPECT_NE(r.out.find("  -p, --port DEVICE"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("--from"), std::string::npos) << "write's option: " << r.out;
        EXPECT_EQ(r.out.find("Exit status"), std::string::npos) << r.out;
    }
}

// Slips a person makes get the nearest meaning, and the short forms work.
TEST(CliHelp, ShortOptionsFractionsAndDidYouMean) {
    Module m;
    auto r = Cli({"read", "-p", m.port(), "-t", "0.5", "--format=text"});
    EXPECT_EQ(r.status, 0) << r.err;
    r = Cli({"read", "-p" + m.port(), "-t1.5"});
    EXPECT_EQ(r.status, 0) << r.err;
    for (const auto& [args, said] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"read", "--prot", m.port()}, "--prot (did you mean --port?)"},
             {{"raed", "-p", m.port()}, "unknown command: raed (did you mean read?)"},
             {{"write", "-p", m.port(), "--set", "SSID=x"},
              R"(unknown name "SSID"; did you mean "ssid"?)"},
             {{"write", "-p", m.port(), "--set", "baudrte=9600"},
              R"(unknown name "baudrte"; did you mean "baudRate"?)"},
             {{"read", "-p", m.port(), "-t", "0.05"}, "from 0.1 to 3600"},
             {{"read", "-p", m.port(), "-t", "1e3"}, "from 0.1 to 3600"},
             {{"read", "-p", m.port(), "-x"}, "unexpected argument for read: -x"}}) {
        r = Cli(args);
        EXPECT_EQ(r.status, 2) << said;
        EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
    }
    EXPECT_TRUE(Received(m.log).size() <= 4u) << "bad arguments open no port";
}

// send: exactly the lines given go out; every line back is shown, the key
// masked; nothing back is a time-out.
TEST(CliSend, SendsOnlyWhatItIsGivenAndShowsEveryLineBack) {
    Module m;
    auto r = Cli({"send", "-p", m.port(), "AT+SZ_CHECKCONFIG=ALL"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" " + m.port() + " > AT+SZ_CHECKCONFIG=ALL\\r\\n\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(" " + m.port() + " < SSID:SimNet\\r\\n\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" < KEY:***\\r\\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("sim-password"), std::string::npos) << r.out;
    EXPECT_EQ(Received(m.log), std::vector<std::string>{"AT+SZ_CHECKCONFIG=ALL"});

    // The wait's old name is still taken, with a note.
    r = Cli({"send", "-p", m.port(), "--log-secrets", "--quiet", "100", "AT+SZ_CHECKCONFIG=ALL",
             "AT+SZ_CHECKCONFIG=ALL"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("--quiet MS is now --idle MS"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find(" < KEY:sim-password\\r\\n"), std::string::npos) << r.out;
    EXPECT_EQ(Received(m.log).size(), 3u);

    Module silent({"--no-reply", "AT+SZ_CHECKCONFIG"});
    r = Cli({"send", "-p", silent.port(), "--idle", "50", "AT+SZ_CHECKCONFIG=ALL"});
    EXPECT_EQ(r.status, 4) << r.out;
    EXPECT_NE(r.err.find("no line came back"), std::string::npos) << r.err;
    r = Cli({"send", "-p", "/nonexistent/port", "AT"});
    EXPECT_EQ(r.status, 3) << r.err;
    // A refusal is a failure a script can see.
    Module refusing({"--reply-error", "AT+SZ_SSID="});
    r = Cli({"send", "-p", refusing.port(), "--idle", "100", "AT+SZ_SSID=x"});
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(r.err.find("the module answered ERROR"), std::string::npos) << r.err;

    // Wherever the key command stands in an argument, it is masked; a
    // backslash is doubled, so the line says which bytes went out.
    r = Cli(
        {"send", "-p", m.port(), "--quiet", "100", "AT+X=a\\b\n  AT+SZ_SECURITY_KEY=topsecret"});
    EXPECT_NE(r.out.find(R"( > AT+X=a\\b\n  AT+SZ_SECURITY_KEY=***\r\n)"), std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("topsecret"), std::string::npos) << r.out;
}

// diff: the fields where module and profile differ, both values; what the
// module cannot tell is listed as unknown; only the query and the connect
// request go out.
TEST(CliDiff, ListsTheDifferencesAndTheUnknownAndWritesNothing) {
    Module m;
    TempDir files;
    std::ofstream(files.path / "p.json")
        << R"({"ssid": "SimNet", "baudRate": "9600", "protocol": "TCP", "key": "other"})";
    auto r = Cli({"diff", "-p", m.port(), "-f", (files.path / "p.json").string()});
    EXPECT_EQ(r.status, 5) << r.err;
    EXPECT_EQ(Lines(r.out),
              (std::vector<std::string>{
                  R"({"field": "key", "module": "***", "profile": "***"})",
                  R"({"field": "protocol", "module": null, "profile": "TCP", "unknown": true, )"
                  R"("reported": null})",
                  R"({"field": "baudRate", "module": "115200", "profile": "9600"})"}))
        << r.out;
    const auto sent = Received(m.log);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], "AT+SZ_CHECKCONFIG=ALL");

    std::ofstream(files.path / "same.json") << R"({"ssid": "SimNet", "protocol": null})";
    r = Cli(
        {"diff", "-p", m.port(), "-f", (files.path / "same.json").string(), "--format", "text"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "");
}

// A field the module's report leaves unknown is "cannot tell", never equal:
// a script's "diff || write" must not skip that module.
TEST(CliDiff, AFieldUnknownOnTheModuleCannotBeToldAndIsNeverEqual) {
    TempDir files;
    std::ofstream(files.path / "p.json") << "{\"ssid\": \"SimNet\", \"dhcp\": true, \"ip\": "
                                            "\"192.168.1.100\", \"baudRate\": \"115200\"}";
    const std::vector<std::pair<std::vector<std::string>, std::string>> modules = {
        {{"--omit", "SSID"},
         R"({"field": "ssid", "module": null, "profile": "SimNet", )"
         R"("unknown": true, "reported": null})"},
        {{"--report", "DHCP=Enable"},
         R"({"field": "dhcp", "module": null, "profile": true, )"
         R"("unknown": true, "reported": "Enable"})"},
        {{"--report", "IP_address=host.lan"},
         R"({"field": "ip", "module": null, "profile": "192.168.1.100", "unknown": true, )"
         R"("reported": "host.lan"})"},
        {{"--report", "Baudrate=230400"},
         R"({"field": "baudRate", "module": null, "profile": "115200", "unknown": true, )"
         R"("reported": "230400"})"},
    };
    for (const auto& [options, line] : modules) {
        Module m(options);
        const auto r = Cli({"diff", "-p", m.port(), "-f", (files.path / "p.json").string()});
        EXPECT_EQ(r.status, 6) << options[0] << " " << r.err;
        EXPECT_EQ(Lines(r.out), std::vector<std::string>{line}) << r.out;
    }
    // diff compares: a value it would not write is no reason to refuse it.
    std::ofstream(files.path / "long.json")
        << "{\"ssid\": \"" << std::string(40, 'x') << "\", \"key\": \"a\\tb\"}";
    Module m;
    const auto r = Cli(
        {"diff", "-p", m.port(), "-f", (files.path / "long.json").string(), "--format", "text"});
    EXPECT_EQ(r.status, 5) << r.err;
    EXPECT_NE(r.out.find("ssid: module \"SimNet\", profile \"" + std::string(40, 'x')),
              std::string::npos)
        << r.out;
}

// A write says which given values the module had already, and writes them.
TEST(CliWrite, SaysWhatIsAlreadyAsGivenAndStillWrites) {
    Module m;
    auto r = Cli({"write", "-p", m.port(), "--set", "ssid=SimNet", "--set", "protocol=TCP", "--set",
                  "baudRate=9600", "--set", "dhcp=true"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find(m.port() + ": the module already has these values as given; written "
                                    "anyway: ssid, dhcp\n"),
              std::string::npos)
        << r.err;
    const auto sent = Received(m.log);
    EXPECT_NE(std::find(sent.begin(), sent.end(), "AT+SZ_SSID=SimNet"), sent.end());
}

TEST(CliWrite, AProfileFromStandardInputAndResultsAsText) {
    Module m;
    auto r = Cli(
        {"write", "--port", m.port(), "--set", "protocol=TCP", "--from", "-", "--format", "text"},
        R"({"ssid": "FromStdin", "frameTime": "70"})");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind(m.port() + ": saved and verified in ", 0), 0u) << r.out;
    r = Cli({"read", "--port", m.port()});
    EXPECT_NE(r.out.find(R"("ssid": "FromStdin")"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("frameTime": "70")"), std::string::npos) << r.out;
    r = Cli({"write", "--port", m.port(), "--from", "-"}, "not json");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("standard input: not a JSON object"), std::string::npos) << r.err;
}

TEST(CliPorts, ListsEveryPortAndProbesWithTheQueryAlone) {
    Module module;
    Module silent({"--no-reply", "AT+SZ_CHECKCONFIG"});
    auto r = Cli({"ports", "-p", module.port()});
    ASSERT_EQ(r.status, 0) << r.err;
    // JSON Lines: one whole object a line, no array around them.
    for (const std::string& line : Lines(r.out)) {
        EXPECT_EQ(line.front(), '{') << line;
        EXPECT_EQ(line.back(), '}') << line;
    }
    EXPECT_NE(r.out.find(R"({"port": ")" + module.port() +
                         R"(", "description": null, "manufacturer": null, "serialNumber": null, )"
                         R"("vid": null, "pid": null, "stableName": null})"
                         "\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(Received(module.log).empty()) << "listing sends nothing";

    r = Cli({"ports", "--port", module.port(), "--port", silent.port(), "--probe", "--timeout=1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(module.port() + R"(", )"), std::string::npos);
    EXPECT_NE(r.out.find(R"("busy": false, "module": true, "netType": "STA", "encoding": "utf-8", )"
                         R"("ssid": "SimNet"})"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(R"("busy": false, "module": false})"), std::string::npos) << r.out;
    EXPECT_EQ(Received(module.log), std::vector<std::string>{"AT+SZ_CHECKCONFIG=ALL"});

    r = Cli({"ports", "--port", module.port(), "--probe", "--format", "text"});
    EXPECT_NE(r.out.find(module.port() + "  module: STA SimNet\n"), std::string::npos) << r.out;

    // A GBK name is found out as read finds it, whatever --encoding says.
    Module gbk({}, kGbkState);
    r = Cli({"ports", "--port", gbk.port(), "--probe", "--encoding", "utf-8"});
    EXPECT_NE(r.out.find(R"("encoding": "gbk", "ssid": "测试网络"})"), std::string::npos) << r.out;
}

TEST(CliHelp, TheGnuFormAndTheCompletionFollowTheOptionTable) {
    Module m;
    auto r = Cli({"read", "--port=" + m.port(), "--format=text"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("ssid: SimNet\n"), std::string::npos) << r.out;
    // An option another command takes, and a flag given a value, are refused.
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"read", "--port=" + m.port(), "--set=ssid=x"},
                                               {"read", "--port=" + m.port(), "--trace=yes"},
                                               {"read", "--port="}}) {
        r = Cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_FALSE(r.err.empty());
    }
    r = Cli({"--bash-completion"});
    ASSERT_EQ(r.status, 0);
    for (const char* word : {"complete -F", "read write", "--encoding", "frameTime=", "gbk"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word << "\n" << r.out;
    }
}

}  // namespace
}  // namespace wifi::e2e

namespace wifi::e2e {
namespace {

// A production line: simulated modules one after another behind one link.
struct Line7 {
    TempDir dir;
    std::string link = (dir.path / "line7").string();
    fs::path log = dir.path / "station.log";
    std::string profile = (dir.path / "profile.json").string();
    Line7() {
        std::ofstream(profile) << R"({"ssid": "Factory", "frameTime": "77", "protocol": "TCP"})";
        // The operator's messages in the tool's own language, whatever the
        // machine's locale.
        ::setenv("LC_ALL", "C", 1);
    }
    std::unique_ptr<SimProcess> Plug(std::vector<std::string> options, const std::string& name) {
        options.insert(options.end(),
                       {"--link", link, "--log", (dir.path / (name + ".log")).string()});
        return std::make_unique<SimProcess>(options);
    }
    std::vector<std::string> Records() const;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Line7::Records() const {
    return Lines(ReadFile(log));
}

// The edges of the process: output that cannot be written is a failure,
// never a silent success; a closed pipe or a closed terminal loses nothing.
TEST(CliEdges, OutputThatCannotBeWrittenFailsWithItsOwnExitCode) {
    Module m;
    TempDir files;
    std::ofstream(files.path / "p.json") << R"({"ssid": "Other"})";  // a line to print
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"read", "-p", m.port()},
          {"write", "-p", m.port(), "--set", "protocol=TCP"},
          {"ports"},
          {"diff", "-p", m.port(), "-f", (files.path / "p.json").string()},
          {"send", "-p", m.port(), "AT+SZ_CHECKCONFIG=ALL"},
          {"--version"}}) {
        std::string line = std::string(WIFI_CONFIG);
        for (const auto& a : args) {
            line += " '" + a + "'";
        }
        const auto r = e2e::Run("/bin/sh", {"-c", line + " > /dev/full"});
        EXPECT_EQ(r.status, 8) << line << "\n" << r.err;
        EXPECT_NE(r.err.find("standard output: No space left on device"), std::string::npos)
            << r.err;
    }
    // A closed standard output: nothing is done, so nothing is lost.
    const auto before = Received(m.log).size();
    auto r = e2e::Run("/bin/sh", {"-c", std::string(WIFI_CONFIG) + " write -p '" + m.port() +
                                            "' --set protocol=TCP >&-"});
    EXPECT_EQ(r.status, 8) << r.err;
    EXPECT_NE(r.err.find("standard output is closed: nothing was done"), std::string::npos)
        << r.err;
    EXPECT_EQ(Received(m.log).size(), before) << "no module was touched";
}

TEST(CliEdges, AClosedPipeLetsEveryModuleFinishAndSaysSo) {
    Module a, b;
    // The reader is gone before anything is printed: SIGPIPE would end the
    // program mid-write; EPIPE is an output failure once every module is done.
    const auto r =
        e2e::Run("/bin/bash",
                 {"-c", "set -o pipefail; " + std::string(WIFI_CONFIG) + " write -p '" + a.port() +
                            "' -p '" + b.port() + "' --set protocol=TCP --set ssid=Piped | true"});
    EXPECT_EQ(r.status, 8) << r.err;
    for (const Module* m : {&a, &b}) {
        const auto got = Received(m->log);
        EXPECT_NE(std::find(got.begin(), got.end(), "AT+SZ_SAVE_CONFIG=SAVE"), got.end());
        EXPECT_NE(ReadFile(m->state).find("SSID:Piped\n"), std::string::npos);
    }
}

TEST(CliEdges, AClosedTerminalStopsAWriteAndTheStationLikeSigterm) {
    Module m({"--no-reply", "AT+SZ_DHCP="});
    Child cli(WIFI_CONFIG, {"write", "--port", m.port(), "--set", "protocol=TCP"});
    ASSERT_TRUE(WaitFor([&] {
        const auto got = Received(m.log);
        return !got.empty() && got.back().starts_with("AT+SZ_DHCP=");
    }));
    cli.Signal(SIGHUP);
    auto r = cli.Finish();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 129) << r->err;
    EXPECT_NE(r->out.find(R"("ok": false, "verified": false, "error": "interrupted; nothing more )"
                          R"(was sent; nothing was saved")"),
              std::string::npos)
        << r->out;

    Line7 line;
    auto module = line.Plug({"--no-reply", "AT+SZ_SAVE_CONFIG="}, "module");
    Child station(WIFI_CONFIG, {"station", "--lang", "zh", "--port", line.link, "--from",
                                line.profile, "--log", line.log.string()});
    ASSERT_TRUE(WaitFor([&] {
        const auto got = Received(line.dir.path / "module.log");
        return !got.empty() && got.back() == "AT+SZ_SAVE_CONFIG=SAVE";
    }));
    station.Signal(SIGHUP);
    r = station.Finish();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 129) << r->err;
    ASSERT_EQ(line.Records().size(), 1u);
    // One language for the whole run: the record's words are the screen's.
    EXPECT_NE(line.Records()[0].find(R"("error": "write: 已中断)"), std::string::npos);
    EXPECT_NE(r->err.find("✘ 失败  #1  " + line.link), std::string::npos) << r->err;
    EXPECT_NE(r->err.find("已中断\n"), std::string::npos) << r->err;
    EXPECT_NE(r->err.find("0 个成功，1 个失败"), std::string::npos) << r->err;
}

// What cannot be sent or read is refused before any port opens: 0 bytes go
// out.
TEST(CliEdges, BadProfilesAndValuesAreRefusedBeforeAnythingIsSent) {
    Module m;
    TempDir files;
    const std::vector<std::pair<std::string, std::string>> profiles = {
        {"big.json", R"({"frameLen": 1e999})"},
        {"small.json", R"({"unknownField": -1e400})"},
        {"twice.json", R"({"ssid": "A", "ssid": "B"})"},
    };
    for (const auto& [name, text] : profiles) {
        std::ofstream(files.path / name) << text;
        for (const char* command : {"write", "diff", "station"}) {
            const auto r = Cli({command, "-p", m.port(), "-f", (files.path / name).string(),
                                "--set", "protocol=TCP"});
            EXPECT_EQ(r.status, 2) << command << " " << name << ": " << r.err;
        }
    }
    auto r = Cli({"write", "-p", m.port(), "-f", (files.path / "twice.json").string()});
    EXPECT_NE(r.err.find(R"("ssid" is given twice)"), std::string::npos) << r.err;
    r = Cli({"write", "-p", m.port(), "-f", "/dev/zero", "--set", "protocol=TCP"});
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find("a device, not a file"), std::string::npos) << r.err;
    // A key its command line could not carry is found now, naming the field.
    r = Cli({"write", "-p", m.port(), "--set", "protocol=TCP", "--set",
             "key=" + std::string(70000, 'k')});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("key: the value is too long to go out as one command"), std::string::npos)
        << r.err.substr(0, 300);
    EXPECT_TRUE(Received(m.log).empty()) << "0 bytes sent";
    // Paths that are not ports are named so, with the way to find one.
    std::ofstream(files.path / "file") << "x";
    ASSERT_EQ(::mkfifo((files.path / "fifo").c_str(), 0600), 0);
    for (const std::string& path : {(files.path / "file").string(), files.path.string(),
                                    std::string("/dev/null"), (files.path / "fifo").string()}) {
        r = Cli({"read", "-p", path});
        EXPECT_EQ(r.status, 3) << path;
        EXPECT_NE(r.err.find(path + " is not a serial port"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("wifi-config ports"), std::string::npos) << r.err;
    }
}

// A line flooded as fast as the terminal takes it: the six-time-out cap is
// an absolute deadline, and memory stays bounded.
TEST(CliEdges, AFloodedLineEndsTheWaitInTimeWithBoundedMemory) {
    Module flood({"--flood", "--no-reply", "AT"});  // answering nothing
    const auto start = std::chrono::steady_clock::now();
    const auto r = Cli({"read", "-p", flood.port(), "--timeout", "2"});
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.status, 4) << r.err;
    EXPECT_LT(took, std::chrono::seconds(13)) << "six time-outs of 2 s, and no more";
    EXPECT_NE(r.err.find("the module kept sending, but no complete answer came within 2 s"),
              std::string::npos)
        << r.err;
    EXPECT_LT(r.peakKiB, 32 * 1024) << "peak RSS in KiB";
}

// Files that hold a secret are their owner's alone, whatever the umask.
TEST(CliEdges, AStationLogWithSecretsIsTheOwnersAlone) {
    Line7 line;
    std::ofstream(line.log) << "";
    ::chmod(line.log.c_str(), 0644);
    auto module = line.Plug({}, "module");
    const mode_t old = ::umask(022);
    const auto r = Cli({"station", "--port", line.link, "--from", line.profile, "--log",
                        line.log.string(), "--log-secrets", "--count", "1"});
    ::umask(old);
    EXPECT_EQ(r.status, 0) << r.err;
    struct stat st {};
    ASSERT_EQ(::stat(line.log.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_NE(ReadFile(line.log).find("sim-password"), std::string::npos);
}

TEST(CliStation, ModulesInTurnBehindOneLinkAreWrittenCheckedAndRecorded) {
    Line7 line;
    Child station(WIFI_CONFIG, {"station", "--port", line.link, "--from", line.profile, "--verify",
                                "--count", "5", "--log", line.log.string(), "--settle", "1"});
    // A plain module, a forgetful one, one that restarts after its save, one
    // that answers twice, and one whose report takes longer than the second
    // the station first waits.
    const std::vector<std::vector<std::string>> modules = {{},
                                                           {"--forget", "ssid"},
                                                           {"--restart-after-save", "300"},
                                                           {"--double-ok", "40"},
                                                           {"--pace", "3600"}};
    for (std::size_t i = 0; i < modules.size(); ++i) {
        auto module = line.Plug(modules[i], "module" + std::to_string(i));
        ASSERT_TRUE(WaitFor([&] { return line.Records().size() == i + 1; }, milliseconds(30000)))
            << "module " << i;
    }  // each unplugged as the next is plugged in
    const auto r = station.Finish();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 1) << r->err;
    const auto records = line.Records();
    EXPECT_EQ(Lines(r->out), records) << "standard output and the log agree";
    const std::string start = R"({"time": "20)";
    const std::string where = R"(Z", "port": ")" + line.link + R"(", "adapterSerial": null, )";
    for (const auto& record : records) {
        EXPECT_EQ(record.rfind(start, 0), 0u) << record;
        EXPECT_NE(record.find(where), std::string::npos) << record;
        EXPECT_NE(record.find(R"("key": "***")"), std::string::npos) << "masked: " << record;
        EXPECT_EQ(record.find("sim-password"), std::string::npos) << record;
        EXPECT_NE(
            record.find(R"("before": {"encoding": "utf-8", "netType": "STA", "ssid": "SimNet")"),
            std::string::npos)
            << record;
    }
    EXPECT_NE(records[0].find(R"("ok": true, "verified": true, "error": null, "mismatches": [])"),
              std::string::npos)
        << records[0];
    EXPECT_NE(
        records[1].find(
            R"x("ok": false, "verified": false, "error": "write: read back after the save, the )x"
            R"x(module differs: ssid: wrote \"Factory\", the module has \"SimNet\"", )x"
            R"x("mismatches": [{"field": "ssid", "wrote": "Factory", "read": "SimNet"}])x"),
        std::string::npos)
        << records[1];
    // The module that restarts after its save is read again once it is back.
    EXPECT_NE(records[2].find(R"("ok": true, "verified": true, "error": null, "mismatches": [])"),
              std::string::npos)
        << records[2];
    EXPECT_NE(records[3].find(R"("ok": false, "verified": false, "error": "write: )"),
              std::string::npos)
        << records[3];
    EXPECT_TRUE(records[3].find("nothing was saved") != std::string::npos ||
                records[3].find("the save is not confirmed") != std::string::npos)
        << records[3];
    EXPECT_NE(records[4].find(R"("ok": true, "verified": true, "error": null, "mismatches": [])"),
              std::string::npos)
        << "configured, not failed: " << records[4];
    // Outside a Chinese locale, and not asked, the station speaks English as
    // the rest of the command line does.
    EXPECT_NE(r->err.find("waiting for a module"), std::string::npos) << r->err;
    EXPECT_NE(r->err.find("3 ok, 2 failed"), std::string::npos) << r->err;
    // The operator reads each verdict, numbered, and why: the field that
    // differs, with both values.
    EXPECT_NE(r->err.find("✔ passed  #1  " + line.link), std::string::npos) << r->err;
    const auto second = r->err.find("✘ failed  #2  " + line.link);
    ASSERT_NE(second, std::string::npos) << r->err;
    const std::string why = r->err.substr(second, r->err.find('\n', second) - second);
    EXPECT_NE(why.find("ssid: wrote \"Factory\", the module has \"SimNet\""), std::string::npos)
        << why;
    EXPECT_EQ(r->err.find("\033["), std::string::npos) << "no colour where no terminal is";
}

// A record is on disk before the operator hears the verdict: a log that
// cannot take it stops the station, and no success is said.
TEST(CliStation, ALogThatCannotBeWrittenStopsTheStationBeforeAnyVerdict) {
    Line7 line;
    auto module = line.Plug({}, "module");
    const auto r = Cli({"station", "--port", line.link, "--from", line.profile, "--log",
                        "/dev/full", "--count", "1"});
    EXPECT_EQ(r.status, 8) << r.err;
    EXPECT_NE(r.err.find("/dev/full: the record could not be written (No space left on device)"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("成功，请取下模块"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << "nothing counted done that is not on disk";
}

// The station's standard output on a terminal, as the operator sees it:
// what the program wrote there until it ended (within the bound), and its
// status. extra: variables added to its environment.
std::pair<std::string, int> OnTerminal(const std::vector<std::string>& args,
                                       const std::vector<std::string>& extra = {}) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    EXPECT_GE(master, 0);
    grantpt(master);
    unlockpt(master);
    const std::string slave = ptsname(master);
    const pid_t pid = fork();
    if (pid == 0) {
        setsid();
        const int tty = open(slave.c_str(), O_RDWR);
        dup2(tty, 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        for (const std::string& e : extra) {
            putenv(const_cast<char*>(e.c_str()));
        }
        std::vector<char*> argv{const_cast<char*>(WIFI_CONFIG)};
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execv(WIFI_CONFIG, argv.data());
        _exit(127);
    }
    std::string screen;
    int status = -1;
    const auto end = std::chrono::steady_clock::now() + milliseconds(60000);
    for (;;) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, 100) > 0 && (p.revents & POLLIN)) {
            char buf[4096];
            const ssize_t n = read(master, buf, sizeof buf);
            if (n > 0) {
                screen.append(buf, std::size_t(n));
                continue;
            }
        }
        if (status < 0 && waitpid(pid, &status, WNOHANG) == pid) {
            status = WEXITSTATUS(status);
            continue;  // what is left in the terminal is read first
        }
        if (status >= 0 || std::chrono::steady_clock::now() > end) {
            break;
        }
    }
    if (status < 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    close(master);
    return {screen, status};
}

// On a terminal: a green line per module, numbered, a count kept in place,
// no records (the log has them); the same unit twice is said to be already
// so configured, and with --skip-configured nothing is written to it.
TEST(CliStation, TheOperatorsScreenShowsPassOrFailAndTheSameUnitAgain) {
    Line7 line;
    const std::string state = (line.dir.path / "unit.txt").string();
    std::unique_ptr<SimProcess> module;
    std::thread plugging([&] {
        module = line.Plug({"--state", state}, "first");
        WaitFor([&] { return line.Records().size() == 1; }, milliseconds(30000));
        module.reset();  // unplugged, and the same unit plugged in again
        module = line.Plug({"--state", state}, "second");
    });
    const auto [screen, status] = OnTerminal(
        {"station", "--lang", "zh", "--port", line.link, "--from", line.profile, "--count", "2",
         "--log", line.log.string(), "--settle", "1", "--skip-configured"});
    plugging.join();
    EXPECT_EQ(status, 0) << screen;
    EXPECT_NE(screen.find("\033[1;32m✔ 成功  #1  " + line.link), std::string::npos) << screen;
    EXPECT_NE(screen.find("✔ 成功  #2  " + line.link), std::string::npos) << screen;
    EXPECT_NE(screen.find("已是此配置"), std::string::npos) << screen;
    EXPECT_NE(screen.find("\r\033[K成功 1 · 失败 0 · "), std::string::npos) << "counted in place";
    EXPECT_EQ(screen.find("{\"time\""), std::string::npos) << "records go to the log only";
    const auto records = line.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NE(records[0].find(R"("unit": 1, )"), std::string::npos) << records[0];
    EXPECT_NE(records[0].find(R"("alreadyConfigured": false, "skipped": false)"), std::string::npos)
        << records[0];
    EXPECT_NE(records[1].find(R"("alreadyConfigured": true, "skipped": true)"), std::string::npos)
        << records[1];
    const auto second = Received(line.dir.path / "second.log");
    EXPECT_EQ(std::count(second.begin(), second.end(), "AT+SZ_CONFIGURE=START"), 0)
        << "nothing written to a unit already so configured";
}

// A failure rings the bell; NO_COLOR, or --format json, give plain lines and
// the records where a script reads them.
TEST(CliStation, AFailureRingsAndNoColourIsPlain) {
    Line7 line;
    auto module = line.Plug({"--forget", "ssid"}, "forgetful");
    const auto [screen, status] =
        OnTerminal({"station", "--lang", "zh", "--port", line.link, "--from", line.profile,
                    "--count", "1", "--format", "json"},
                   {"NO_COLOR=1"});
    EXPECT_EQ(status, 1) << screen;
    EXPECT_EQ(screen.find("\033["), std::string::npos) << "no colour: " << screen;
    EXPECT_NE(screen.find("{\"time\""), std::string::npos) << "asked for JSON: " << screen;

    Line7 bell;
    auto again = bell.Plug({"--forget", "ssid"}, "forgetful");
    const auto [rung, failed] = OnTerminal(
        {"station", "--lang", "zh", "--port", bell.link, "--from", bell.profile, "--count", "1"});
    EXPECT_EQ(failed, 1);
    const auto red = rung.find("\033[1;31m✘ 失败  #1  " + bell.link);
    ASSERT_NE(red, std::string::npos) << rung;
    EXPECT_NE(rung.find("ssid：写入 \"Factory\"，模块为 \"SimNet\"", red), std::string::npos)
        << rung;
    EXPECT_NE(rung.find('\a', red), std::string::npos) << "the bell";
}

// --units: each unit gets its own row; a crash mid-unit gives no row twice
// and skips none; when the rows run out the station says so (exit 9). A bad
// file is refused before any module is touched.
TEST(CliStation, UnitsRowsAreGivenOnceAcrossACrashAndRunOut) {
    Line7 line;
    const std::string units = (line.dir.path / "units.csv").string();
    std::ofstream(units) << "ssid,ip\nUnit-1,10.0.0.1\nUnit-2,10.0.0.2\n";
    const std::vector<std::string> args = {
        "station", "--lang", "zh",    "--port",          line.link,  "--from", line.profile,
        "--units", units,    "--log", line.log.string(), "--settle", "1"};
    {
        Child station(WIFI_CONFIG, args);
        auto first = line.Plug({"--state", (line.dir.path / "a.txt").string()}, "a");
        ASSERT_TRUE(WaitFor([&] { return line.Records().size() == 1; }, milliseconds(30000)));
        first.reset();
        // The next unit never acknowledges its save: the station is killed
        // in the middle of it.
        auto hung = line.Plug({"--no-reply", "AT+SZ_SAVE_CONFIG="}, "b");
        ASSERT_TRUE(WaitFor([&] {
            const auto got = Received(line.dir.path / "b.log");
            return !got.empty() && got.back() == "AT+SZ_SAVE_CONFIG=SAVE";
        }));
        station.Signal(SIGKILL);
        station.Finish();
    }
    Child again(WIFI_CONFIG, args);
    auto next = line.Plug({"--state", (line.dir.path / "c.txt").string()}, "c");
    const auto r = again.Finish(milliseconds(30000));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 9) << r->err;
    EXPECT_NE(r->err.find("单元文件的行已用完"), std::string::npos) << r->err;
    const auto records = line.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NE(records[0].find(R"("row": 1, "rowValues": {"ssid": "Unit-1", "ip": "10.0.0.1"})"),
              std::string::npos)
        << records[0];
    EXPECT_NE(records[1].find(R"("row": 2, )"), std::string::npos)
        << "the killed unit's row goes to the next: " << records[1];
    EXPECT_NE(ReadFile(line.dir.path / "a.txt").find("SSID:Unit-1\n"), std::string::npos);
    EXPECT_NE(ReadFile(line.dir.path / "c.txt").find("SSID:Unit-2\n"), std::string::npos);

    std::ofstream(units) << "ssid,colour\nUnit-3,red\n";
    auto untouched = line.Plug({}, "d");
    const auto bad = Cli({"station", "--port", line.link, "--from", line.profile, "--units", units,
                          "--log", line.log.string()});
    EXPECT_EQ(bad.status, 2) << bad.err;
    EXPECT_NE(bad.err.find("unknown field \"colour\""), std::string::npos) << bad.err;
    EXPECT_TRUE(Received(line.dir.path / "d.log").empty()) << "nothing sent";
}

// Four benches in one station: each port on its own, one log, the rows
// shared; a hung module slows none of the others.
TEST(CliStation, FourBenchesRunAtOnceAndAHungOneSlowsNoOther) {
    Line7 line;
    std::vector<std::unique_ptr<Line7>> benches;
    std::vector<std::unique_ptr<SimProcess>> modules;
    const std::string units = (line.dir.path / "units.csv").string();
    std::ofstream(units) << "ssid\nBench-1\nBench-2\nBench-3\nBench-4\nBench-5\n";
    std::vector<std::string> args = {
        "station", "--lang",          "zh",      "--from", line.profile, "--units", units,
        "--log",   line.log.string(), "--count", "4",      "--timeout",  "3"};
    for (int i = 0; i < 4; ++i) {
        benches.push_back(std::make_unique<Line7>());
        args.insert(args.end(), {"--port", benches.back()->link});
        modules.push_back(
            benches.back()->Plug(i == 0 ? std::vector<std::string>{"--no-reply", "AT+SZ_SSID="}
                                        : std::vector<std::string>{},
                                 "m"));
    }
    const auto r = Cli(args);
    EXPECT_EQ(r.status, 1) << r.err;
    const auto records = line.Records();
    ASSERT_EQ(records.size(), 4u);
    // The three good benches were recorded first: none waited for the hung one.
    std::set<std::string> rows;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NE(records[i].find(R"("ok": true)"), std::string::npos) << records[i];
        const auto at = records[i].find(R"("row": )");
        ASSERT_NE(at, std::string::npos) << records[i];
        rows.insert(records[i].substr(at, records[i].find(',', at) - at));
    }
    EXPECT_EQ(rows.size(), 3u) << "no row given twice";
    EXPECT_NE(records[3].find(benches[0]->link), std::string::npos) << records[3];
    EXPECT_NE(records[3].find(R"("ok": false)"), std::string::npos) << records[3];
    EXPECT_NE(r.err.find("3 个成功，1 个失败"), std::string::npos) << r.err;
}

// Without --format, people at a terminal read text and a pipe gets JSON
// Lines, as scripts always have.
TEST(CliEdges, ATerminalGetsTextAndAPipeJson) {
    Module m;
    const auto [screen, status] = OnTerminal({"read", "-p", m.port()});
    EXPECT_EQ(status, 0) << screen;
    EXPECT_NE(screen.find("ssid: SimNet"), std::string::npos) << screen;
    EXPECT_EQ(Cli({"read", "-p", m.port()}).out.rfind("{\"encoding\": ", 0), 0u);
}

// A device's identity is taken when its module answers: a module plugged in
// right after the last one hung up is written and recorded, not taken for it.
TEST(CliStation, AModulePluggedInRightAfterTheLastHungUpIsWritten) {
    Line7 line;
    Child station(WIFI_CONFIG, {"station", "--port", line.link, "--from", line.profile,
                                "--no-verify", "--count", "2", "--log", line.log.string()});
    // It hangs up after its save and is back as a new device 150 ms later.
    auto module = line.Plug({"--restart-after-save", "150"}, "module");
    ASSERT_TRUE(WaitFor([&] { return line.Records().size() == 2; }, milliseconds(30000)))
        << ReadFile(line.log);
    const auto r = station.Finish();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 0) << r->err;
    const auto got = Received(line.dir.path / "module.log");
    EXPECT_EQ(std::count(got.begin(), got.end(), "AT+SZ_SAVE_CONFIG=SAVE"), 2);
}

TEST(CliStation, AnInterruptMidModuleIsRecordedAndEndsTheStation) {
    Line7 line;
    auto module = line.Plug({"--no-reply", "AT+SZ_SAVE_CONFIG="}, "module");
    Child station(WIFI_CONFIG, {"station", "--port", line.link, "--from", line.profile});
    ASSERT_TRUE(WaitFor([&] {
        const auto got = Received(line.dir.path / "module.log");
        return !got.empty() && got.back() == "AT+SZ_SAVE_CONFIG=SAVE";
    }));
    station.Signal(SIGINT);
    const auto r = station.Finish();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 130) << r->err;
    const auto records = Lines(r->out);
    ASSERT_EQ(records.size(), 1u) << r->out;
    EXPECT_NE(records[0].find(R"("ok": false, "verified": false, "error": "write: interrupted)"),
              std::string::npos)
        << records[0];
    EXPECT_NE(r->err.find("0 ok, 1 failed"), std::string::npos) << r->err;
}

TEST(CliStation, WriteVerifyUsesTheSameCheck) {
    Module forgetful({"--forget", "ssid"});
    auto r = Cli(
        {"write", "--port", forgetful.port(), "--set", "protocol=TCP", "--set", "ssid=Factory"});
    EXPECT_EQ(r.status, 1) << r.err;
    // Both values, as a person compares them.
    EXPECT_NE(r.out.find(R"x("ok": false, "verified": false, "error": "read back after the )x"
                         R"x(save, the module differs: ssid: wrote \"Factory\", the module )x"
                         R"x(has \"SimNet\"")x"),
              std::string::npos)
        << r.out;
    Module restarting({"--restart-after-save", "300"});
    r = Cli({"write", "--port", restarting.port(), "--set", "protocol=TCP", "--set", "ssid=Factory",
             "--verify"});
    EXPECT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_NE(ReadFile(restarting.state).find("SSID:Factory\n"), std::string::npos);
}

}  // namespace
}  // namespace wifi::e2e
