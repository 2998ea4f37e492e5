// Profiles: the form as JSON and back, byte for byte, in either encoding; and
// what a window remembers.
#include <gtest/gtest.h>

#include <map>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#endif

#include "Bench.h"
#include "profile/Placement.h"
#include "profile/Preferences.h"
#include "profile/Profile.h"
#include "profile/Units.h"

namespace wifi::testing {
namespace {

const std::string kGbkSsid = "\xB2\xE2\xCA\xD4\xCD\xF8\xC2\xE7";  // 测试网络

std::vector<Setting> Parse(const std::string& json, Text& error) {
    return ParseProfile(json, TextEncoding::Utf8, error).value_or(std::vector<Setting>{});
}

std::string English(const Text& text) {
    return text.Format(Language::English, Audience::CommandLine);
}

TEST(Profile, ReadPrintsTheFormInTheFormsOrderWithUnknownListsAsNull) {
    Bench b;
    b.Connect(kReport, -1);
    const FormReading reading = ReadForm(b.controls, TextEncoding::Utf8);
    EXPECT_EQ(
        FormAsJson(reading.form),
        R"({"encoding": "utf-8", "netType": "STA", "ssid": "Bench-AP", "security": "WEP128", )"
        R"("keyFormat": "ASCII", "keyIndex": 3, "key": "secret", "dhcp": false, )"
        R"("ip": "192.168.1.10", "netmask": "255.255.255.0", "gateway": "192.168.1.1", )"
        R"("dns": "8.8.8.8", "serverIp": "10.0.0.2", "protocol": null, "csMode": "SERVER", )"
        R"("serverPort": "8080", "baudRate": "115200", "parity": "EVEN", "dataBits": "9", )"
        R"("stopBits": "2", "frameLen": "512", "frameTime": "100"})");
    EXPECT_TRUE(reading.notes.empty());
    const std::string text = FormAsText(reading.form);
    EXPECT_EQ(text.rfind("encoding: utf-8\nnetType: STA\nssid: Bench-AP\n", 0), 0u) << text;
    EXPECT_NE(text.find("\nprotocol: null\n"), std::string::npos);
    EXPECT_NE(text.find("\nkeyIndex: 3\n"), std::string::npos);
}

TEST(Profile, TextsKeepTheirBytesThroughTheirEncodingOrAsHex) {
    std::string report = kReport;
    report.replace(report.find("SSID:Bench-AP"), 13, "SSID:" + kGbkSsid);
    report.replace(report.find("KEY:secret"), 10, "KEY:odd\x81\xFF");
    Bench b;
    b.Connect(report);
    const FormReading reading = ReadForm(b.controls, TextEncoding::Utf8);
    const std::string json = FormAsJson(reading.form);
    // Not all texts are GBK (the key is in neither): the chosen encoding stays.
    EXPECT_NE(json.find(R"("encoding": "utf-8")"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("key": {"hex": "6f646481ff"})"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("ssid": {"hex": "b2e2cad4cdf8c2e7"})"), std::string::npos) << json;
    ASSERT_EQ(reading.notes.size(), 2u);
    EXPECT_EQ(reading.notes[1].Format(Language::English, Audience::CommandLine),
              "key is not valid utf-8 text: it is given as its bytes, in hex");

    // Read back: every byte as it was.
    Text error;
    const auto settings = ParseProfile(json, TextEncoding::Utf8, error);
    ASSERT_TRUE(settings) << English(error);
    for (const Setting& s : *settings) {
        if (s.field->name == "ssid") {
            EXPECT_EQ(s.text, kGbkSsid);
        }
        if (s.field->name == "key") {
            EXPECT_EQ(s.text, "odd\x81\xFF");
        }
    }
}

TEST(Profile, TheFilesOwnEncodingWinsAndTheSsidCountsItsBytes) {
    Text error;
    const auto gbk =
        ParseProfile(R"({"encoding": "gbk", "ssid": "测试网络"})", TextEncoding::Utf8, error);
    ASSERT_TRUE(gbk) << English(error);
    EXPECT_EQ(gbk->front().text, kGbkSsid);
    // 16 characters: 32 bytes in GBK, 48 in UTF-8.
    const std::string sixteen = R"("网网网网网网网网网网网网网网网网")";
    EXPECT_TRUE(
        ParseProfile(R"({"encoding": "gbk", "ssid": )" + sixteen + "}", TextEncoding::Utf8, error));
    EXPECT_FALSE(ParseProfile(R"({"ssid": )" + sixteen + "}", TextEncoding::Utf8, error));
    EXPECT_NE(English(error).find("32 bytes"), std::string::npos) << English(error);
}

TEST(Profile, NullOrAbsentGivesNoValueAndEveryKindIsChecked) {
    Text error;
    const auto settings =
        Parse(R"({"dns": null, "keyIndex": 4, "dhcp": false, "ip": "10.0.0.5"})", error);
    ASSERT_EQ(settings.size(), 4u) << English(error);
    EXPECT_TRUE(settings[0].isNull);
    EXPECT_EQ(settings[1].index, 3);
    EXPECT_FALSE(settings[2].flag);
    EXPECT_EQ(settings[3].address, (Address{10, 0, 0, 5}));

    // Said in either language whole: the command line's English, fields by
    // their names; the window's Chinese, fields by their labels.
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"{\"ssid\": \"x\",\n  \"key\" 1}", "not a JSON object (error at line 2, column 9)"},
        {R"(["ssid"])", "not a JSON object"},
        {R"({"colour": "red"})", "unknown name \"colour\""},
        {R"({"encoding": "latin1"})", "\"encoding\" is gbk or utf-8"},
        {R"({"keyIndex": 2.5})", "keyIndex"},
        {R"({"dhcp": "yes"})", "\"yes\" is not true or false"},
        {R"({"dhcp": 1})", "expected true or false or null"},
        {R"({"ssid": {"hex": "6g"}})", "pairs of hex digits"},
        {R"({"ssid": "a\u0000b"})", "control character"},
        {R"({"ip": "10.0.0"})", "not an address of four numbers"},
        {R"({"baudRate": "123"})", "\"123\" is not one of"},
        // Numbers JSON cannot hold, in any field, and a field said twice.
        {R"({"frameLen": 1e999})", "number overflow"},
        {R"({"colour": -1e400})", "number overflow"},
        {R"({"ssid": "A", "key": "k", "ssid": "B"})", "\"ssid\" is given twice"},
    };
    for (const auto& [json, named] : bad) {
        error = Text();
        EXPECT_FALSE(ParseProfile(json, TextEncoding::Utf8, error)) << json;
        EXPECT_NE(English(error).find(named), std::string::npos)
            << json << " -> " << English(error);
        const std::string chinese = error.Format(Language::Chinese);
        for (const char* english : {"not", "expected", "unknown", "is "}) {
            EXPECT_EQ(chinese.find(english), std::string::npos) << chinese;
        }
    }
    EXPECT_EQ(Parse(R"({"baudRate": "123"})", error).size(), 0u);
    EXPECT_EQ(error.Format(Language::Chinese).rfind("波特率：“123”不是 1200, ", 0), 0u)
        << error.Format(Language::Chinese);
    EXPECT_FALSE(ParseProfile(std::string(kMaxProfileBytes + 1, ' '), TextEncoding::Utf8, error));
    EXPECT_NE(English(error).find("1 MiB"), std::string::npos);
}

TEST(Profile, OneLineJsonHasTheToolsSpacingAndKeepsTheOrder) {
    Json line;
    line["port"] = "/dev/ttyUSB0";
    line["ok"] = false;
    line["error"] = nullptr;
    line["seconds"] = 0.546;
    line["list"] = Json::array({Json{{"a", 1}}, "b"});
    EXPECT_EQ(JsonLine(line),
              R"({"port": "/dev/ttyUSB0", "ok": false, "error": null, "seconds": 0.546, )"
              R"("list": [{"a": 1}, "b"]})");
    EXPECT_EQ(JsonLine(Json("quote \" and 测")), R"("quote \" and 测")");
}

class MemoryStore : public PreferenceStore {
  public:
    std::optional<std::string> Get(std::string_view key) const override {
        const auto it = values.find(std::string(key));
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void Set(std::string_view key, std::string_view value) override {
        values[std::string(key)] = std::string(value);
    }
    std::map<std::string, std::string> values;
};

// An export is named after the network, as any system can store it, and
// always ends in .json.
TEST(Profile, AnExportIsNamedAfterTheNetwork) {
    EXPECT_EQ(ProfileFileName("办公室"), "办公室.json");
    EXPECT_EQ(ProfileFileName("a/b:c*?\"<>|\\d"), "a_b_c_______d.json");
    EXPECT_EQ(ProfileFileName(" lab. "), "lab.json");
    EXPECT_EQ(ProfileFileName(std::string("x\ny\x7f", 4)), "x_y_.json");
    EXPECT_EQ(ProfileFileName(""), "profile.json");
    EXPECT_EQ(ProfileFileName("..."), "profile.json");
    EXPECT_EQ(WithJsonSuffix("/home/u/lab"), "/home/u/lab.json");
    EXPECT_EQ(WithJsonSuffix("/home/u/lab.JSON"), "/home/u/lab.JSON");
    EXPECT_EQ(WithJsonSuffix("/home/u.d/lab"), "/home/u.d/lab.json");
    EXPECT_EQ(WithJsonSuffix("C:\\p.d\\lab.txt"), "C:\\p.d\\lab.txt.json");
}

TEST(Preferences, WhatAWindowRemembersComesBackAsItWasSaved) {
    MemoryStore store;
    Preferences p;
    p.port = "/dev/ttyUSB0";
    p.portSerial = "A50285BI";
    p.position = std::pair{120, -40};
    p.encoding = TextEncoding::Gbk;
    p.language = "en";
    p.verify = false;
    p.Save(store);
    const Preferences back = Preferences::Load(store);
    EXPECT_EQ(back.port, "/dev/ttyUSB0");
    EXPECT_EQ(back.portSerial, "A50285BI");
    EXPECT_EQ(back.position, (std::pair{120, -40}));
    EXPECT_EQ(back.encoding, TextEncoding::Gbk);
    EXPECT_EQ(back.language, "en");
    EXPECT_FALSE(back.verify);
    EXPECT_TRUE(Preferences::Load(MemoryStore()).verify) << "reading back is on by default";
    store.values["window/language"] = "fr";
    store.values["window/position"] = "left";
    EXPECT_EQ(Preferences::Load(store).language, "") << "never chosen as far as it knows";
    EXPECT_FALSE(Preferences::Load(store).position);
    EXPECT_FALSE(Preferences::Load(MemoryStore()).encoding);
}

// Both windows open where they were only if they then lie whole on a screen;
// otherwise, and the first time, centred on the primary screen.
TEST(Preferences, AWindowOpensWhereItWasOnlyIfItLiesOnAScreen) {
    const std::vector<ScreenArea> screens = {{0, 0, 1920, 1040}, {1920, 0, 3840, 1080}};
    EXPECT_EQ(WindowPlace(std::nullopt, 520, 400, screens), (std::pair{700, 320}));
    EXPECT_EQ(WindowPlace(std::pair{2000, 100}, 520, 400, screens), (std::pair{2000, 100}));
    // The position kept at 100 %, with the window twice as large at 200 %.
    EXPECT_EQ(WindowPlace(std::pair{1500, 700}, 1040, 800, screens), (std::pair{440, 120}));
    // Its second monitor is gone.
    EXPECT_EQ(WindowPlace(std::pair{2000, 100}, 520, 400, {screens[0]}), (std::pair{700, 320}));
    // Larger than the screen: its title bar stays on it.
    EXPECT_EQ(WindowPlace(std::nullopt, 2000, 1200, screens), (std::pair{0, 0}));
}

#ifndef _WIN32
// Files that hold a secret are their owner's alone whatever the umask, a file
// rewritten included; a window never waits on a FIFO.
TEST(Files, ASecretIsTheOwnersAloneAndAWindowReadsOnlyRegularFiles) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("wifi-files-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string exported = (dir / "office.json").string();
    const std::string log = (dir / "station.log").string();
    for (const std::string& path : {exported, log}) {
        std::ofstream(path) << "old\n";
        ::chmod(path.c_str(), 0644);
    }
    const mode_t old = ::umask(022);
    std::string error;
    EXPECT_TRUE(WriteFileBytes(exported, "{}\n", error, FileAccess::OwnerOnly)) << error;
    EXPECT_TRUE(AppendFileBytes(log, "record\n", error, FileAccess::OwnerOnly)) << error;
    EXPECT_TRUE(WriteFileBytes((dir / "shared.txt").string(), "x", error)) << error;
    ::umask(old);
    const auto mode = [](const std::string& path) {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_mode & 0777;
    };
    EXPECT_EQ(mode(exported), 0600u);
    EXPECT_EQ(mode(log), 0600u);
    EXPECT_EQ(mode((dir / "shared.txt").string()), 0644u);
    std::ifstream appended(log);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(appended), {}), "old\nrecord\n");
    EXPECT_FALSE(AppendFileBytes("/dev/full", "record\n", error));
    EXPECT_EQ(error, std::strerror(ENOSPC));

    // Nobody writes to this FIFO: a read would wait for ever.
    const std::string fifo = (dir / "profile.fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadFileBytes(fifo, kMaxProfileBytes, error, FileKinds::RegularOnly));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_FALSE(ReadFileBytes("/dev/zero", kMaxProfileBytes, error));
    EXPECT_EQ(error, "a device, not a file");
    std::filesystem::remove_all(dir);
}
#endif

// A units file gives each unit its own values; whatever is wrong in it is
// named by row and field before any module is touched.
TEST(Units, EachRowGivesItsUnitsValuesAndEveryFaultIsNamedByRow) {
    const TextCodec codec(TextEncoding::Utf8);
    Text error;
    const auto rows = ParseUnits(
        "\xEF\xBB\xBFip,ssid\r\n192.168.1.11,\"Line, 7\"\r\n192.168.1.12,\r\n", codec, error);
    ASSERT_TRUE(rows) << English(error);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].number, 1);
    ASSERT_EQ((*rows)[0].settings.size(), 2u);
    EXPECT_EQ((*rows)[0].settings[1].text, "Line, 7") << "a quoted comma is the cell's";
    EXPECT_EQ((*rows)[1].settings.size(), 1u) << "an empty cell keeps the profile's value";
    EXPECT_EQ((*rows)[1].values,
              (std::vector<std::pair<std::string, std::string>>{{"ip", "192.168.1.12"}}));

    const std::vector<std::pair<std::string, std::string>> wrong = {
        {"ip,colour\n1.2.3.4,red\n", "unknown field \"colour\""},
        {"ip\n1.2.3.4\n1.2.3.400\n", "row 2"},
        {"ip,ssid\n1.2.3.4,a\n1.2.3.4,a\n", "the same as row 1"},
        {"ip,ssid\n1.2.3.4\n", "1 values for 2 fields"},
        {"ip\n", "at least one row"},
        {"ssid\n\"open\n", "quote is not closed"},
    };
    for (const auto& [csv, said] : wrong) {
        EXPECT_FALSE(ParseUnits(csv, codec, error)) << csv;
        EXPECT_NE(English(error).find(said), std::string::npos) << csv << ": " << English(error);
    }
}

// A row is given to one unit at a time, spent only when its unit is saved,
// and a restart finds the spent rows in the log.
TEST(Units, ARowIsNeverGivenTwiceAndAFailedUnitsRowGoesToTheNext) {
    const TextCodec codec(TextEncoding::Utf8);
    Text error;
    auto rows = ParseUnits("ip\n10.0.0.1\n10.0.0.2\n10.0.0.3\n", codec, error);
    ASSERT_TRUE(rows);
    const std::string log =
        "{\"time\": \"t\", \"row\": 1, \"ok\": true}\n"
        "{\"time\": \"t\", \"row\": 2, \"ok\": false}\n"
        "not a record\n";
    EXPECT_EQ(SpentRows(log), (std::set<int>{1}));
    UnitRows units(*rows, SpentRows(log));
    EXPECT_EQ(units.left(), 2u);
    const auto a = units.Take();
    const auto b = units.Take();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->number, 2) << "row 1 was spent before the restart";
    EXPECT_EQ(b->number, 3) << "taken rows are not given again";
    EXPECT_FALSE(units.Take());
    units.GiveBack(a->number);  // its unit failed
    units.Spend(b->number);
    const auto c = units.Take();
    ASSERT_TRUE(c);
    EXPECT_EQ(c->number, 2);
    units.Spend(c->number);
    EXPECT_EQ(units.left(), 0u);
    EXPECT_FALSE(units.Take());
}

}  // namespace
}  // namespace wifi::testing
