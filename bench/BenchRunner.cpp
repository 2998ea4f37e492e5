// Round trips of wifi-config against a simulated module paced at 19200 baud,
// set against the ideal the line allows; and the window's start-up time and
// peak memory beside a minimal Qt dialog. Reports figures; never fails on them.
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "SimProcess.h"
#include "serial/TrafficFormat.h"

extern char** environ;

namespace {

using namespace wifi::e2e;
using Seconds = std::chrono::duration<double>;

constexpr int kRuns = 5;
constexpr double kBytesPerSecond = 1920.0;  // 19200 baud, 10 bits a byte

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// What crossed the line, from the simulator's log, and the ideal time for it:
// every byte at line speed plus the pauses the protocol prescribes.
struct Traffic {
    std::size_t bytes = 0;
    int commands = 0, acknowledgements = 0, connected = 0, reports = 0;

    double PausesSeconds() const {
        return 0.010 * commands + 0.010 * acknowledgements + 0.020 * connected + 0.050 * reports;
    }
    double IdealSeconds() const { return bytes / kBytesPerSecond + PausesSeconds(); }
};

Traffic ReadTraffic(const std::filesystem::path& log) {
    Traffic t;
    std::istringstream in(ReadFile(log));
    for (std::string entry; std::getline(in, entry);) {
        const auto quote = entry.find(" \"");
        if (quote == std::string::npos) {
            continue;
        }
        const std::string direction =
            entry.substr(entry.find(' ') + 1, quote - entry.find(' ') - 1);
        const std::string bytes = wifi::Unquote(entry.substr(quote + 2, entry.size() - quote - 3));
        if (direction != "recv" && direction != "send") {
            continue;
        }
        t.bytes += bytes.size();
        if (direction == "recv") {
            ++t.commands;
        } else if (bytes == "OK\r\n") {
            ++t.acknowledgements;
        } else if (bytes == "CONNECTED\r\n") {
            ++t.connected;
        } else if (bytes.rfind("Web_Password:", 0) == 0) {
            ++t.reports;
        }
    }
    return t;
}

// Median time of `wifi-config ARGS --port <simulated module>` over kRuns runs,
// each against a fresh module, and the ratio to the ideal.
double RoundTrip(const char* label, const std::vector<std::string>& args) {
    std::vector<double> times;
    Traffic traffic;
    for (int run = 0; run < kRuns; ++run) {
        TempDir dir;
        SimProcess sim({"--pace", "19200", "--log", (dir.path / "traffic.log").string(), "--state",
                        (dir.path / "module.txt").string()});
        std::vector<std::string> full = args;
        full.insert(full.end(), {"--port", sim.path()});
        const auto start = Clock::now();
        const RunResult r = Run(WIFI_CONFIG, full);
        times.push_back(Seconds(Clock::now() - start).count());
        if (r.status != 0) {
            std::printf("  %s: run %d failed (%d): %s\n", label, run + 1, r.status, r.err.c_str());
        }
        traffic = ReadTraffic(dir.path / "traffic.log");
    }
    const double median = Median(times);
    const double ideal = traffic.IdealSeconds();
    std::printf(
        "  %-15s median %.3f s, ideal %.3f s (%zu bytes at 1920 B/s = %.3f s, pauses %.3f s), "
        "ratio %.3f\n",
        label, median, ideal, traffic.bytes, traffic.bytes / kBytesPerSecond,
        traffic.PausesSeconds(), median / ideal);
    return median / ideal;
}

// The production line: `wifi-config station --count kModules` against paced
// simulated modules plugged in one after another behind one link, each as
// soon as the last one's record is out. Modules a minute, and the time per
// module against the ideal for everything that crossed the line (the
// station's query, the write, and unless --no-verify the read back).
double Station(bool verify) {
    constexpr int kModules = 5;
    TempDir dir;
    const std::string link = (dir.path / "line").string();
    const auto log = dir.path / "station.log";
    const std::string profile = (dir.path / "profile.json").string();
    std::ofstream(profile) << R"({"ssid": "Bench line", "baudRate": "57600", "protocol": "TCP"})";
    std::vector<std::string> args = {
        "station", "--port",    link, "--from", profile, "--count", std::to_string(kModules),
        "--log",   log.string()};
    if (!verify) {
        args.push_back("--no-verify");
    }
    auto records = [&] {
        const std::string text = ReadFile(log);
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    };
    Child station(WIFI_CONFIG, args);
    Traffic traffic;
    const auto start = Clock::now();
    for (int i = 0; i < kModules; ++i) {
        const auto traffic_log = dir.path / ("module" + std::to_string(i) + ".log");
        SimProcess sim({"--pace", "19200", "--link", link, "--log", traffic_log.string()});
        if (!WaitFor([&] { return records() == i + 1; }, std::chrono::milliseconds(60000))) {
            std::printf("  station: module %d was not recorded\n", i + 1);
            return 0;
        }
        const Traffic t = ReadTraffic(traffic_log);
        traffic.bytes += t.bytes;
        traffic.commands += t.commands;
        traffic.acknowledgements += t.acknowledgements;
        traffic.connected += t.connected;
        traffic.reports += t.reports;
    }
    const double elapsed = Seconds(Clock::now() - start).count();
    station.Finish();
    const double perModule = elapsed / kModules;
    const double ideal = traffic.IdealSeconds() / kModules;
    std::printf(
        "  %-16s %d modules in %.2f s: %.1f modules a minute; %.3f s each, ideal %.3f s, "
        "ratio %.3f\n",
        verify ? "station" : "station --no-verify", kModules, elapsed, 60.0 / perModule, perModule,
        ideal, perModule / ideal);
    return perModule / ideal;
}

// Several benches in one station, each with modules plugged in turn: the
// modules a minute of the whole station.
double StationBenches(int ports) {
    constexpr int kModules = 4;  // per bench
    TempDir dir;
    const auto log = dir.path / "station.log";
    const std::string profile = (dir.path / "profile.json").string();
    std::ofstream(profile) << R"({"ssid": "Bench line", "baudRate": "57600", "protocol": "TCP"})";
    std::vector<std::string> args = {
        "station", "--from",    profile, "--count", std::to_string(kModules * ports),
        "--log",   log.string()};
    std::vector<std::string> links;
    for (int p = 0; p < ports; ++p) {
        links.push_back((dir.path / ("line" + std::to_string(p))).string());
        args.insert(args.end(), {"--port", links.back()});
    }
    auto recordsOn = [&](const std::string& link) {
        const std::string text = ReadFile(log);
        const std::string port = "\"port\": \"" + link + "\"";
        int n = 0;
        for (auto at = text.find(port); at != std::string::npos; at = text.find(port, at + 1)) {
            ++n;
        }
        return n;
    };
    Child station(WIFI_CONFIG, args);
    const auto start = Clock::now();
    std::vector<std::thread> benches;
    std::atomic<bool> failed{false};
    for (const std::string& link : links) {
        benches.emplace_back([&, link] {
            for (int i = 0; i < kModules && !failed; ++i) {
                SimProcess sim({"--pace", "19200", "--link", link});
                if (!WaitFor([&] { return recordsOn(link) == i + 1; },
                             std::chrono::milliseconds(60000))) {
                    failed = true;
                }
            }
        });
    }
    for (std::thread& bench : benches) {
        bench.join();
    }
    const double elapsed = Seconds(Clock::now() - start).count();
    station.Finish();
    if (failed) {
        std::printf("  station on %d ports: a module was not recorded\n", ports);
        return 0;
    }
    const double perMinute = 60.0 * kModules * ports / elapsed;
    std::printf("  station, %d port%s  %d modules in %.2f s: %.1f modules a minute\n", ports,
                ports == 1 ? " " : "s", kModules * ports, elapsed, perMinute);
    return perMinute;
}

// "2026-12-07T04:05:06.123456Z", as the simulator stamps its log, as a time.
std::optional<std::chrono::system_clock::time_point> StampTime(const std::string& stamp) {
    std::tm t{};
    int micro = 0;
    if (std::sscanf(stamp.c_str(), "%d-%d-%dT%d:%d:%d.%dZ", &t.tm_year, &t.tm_mon, &t.tm_mday,
                    &t.tm_hour, &t.tm_min, &t.tm_sec, &micro) != 7) {
        return std::nullopt;
    }
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    return std::chrono::system_clock::from_time_t(timegm(&t)) + std::chrono::microseconds(micro);
}

// The command line's own start-up, medians of kRuns: `wifi-config --version`
// to its end, and `wifi-config read` until its first command has reached an
// unpaced simulated module (the simulator's log stamps it).
void CommandLineStartup() {
    std::vector<double> version;
    std::vector<double> query;
    for (int run = 0; run < kRuns; ++run) {
        auto start = Clock::now();
        Run(WIFI_CONFIG, {"--version"});
        version.push_back(Seconds(Clock::now() - start).count());

        TempDir dir;
        const auto log = dir.path / "traffic.log";
        SimProcess sim({"--log", log.string(), "--state", (dir.path / "module.txt").string()});
        const auto wallStart = std::chrono::system_clock::now();
        Run(WIFI_CONFIG, {"read", "--port", sim.path()});
        std::istringstream in(ReadFile(log));
        for (std::string entry; std::getline(in, entry);) {
            if (entry.find(" recv ") != std::string::npos) {
                if (const auto at = StampTime(entry.substr(0, entry.find(' ')))) {
                    query.push_back(Seconds(*at - wallStart).count());
                }
                break;
            }
        }
    }
    std::printf("  wifi-config --version  ends after %.3f s\n", Median(version));
    if (!query.empty()) {
        std::printf("  wifi-config read       first command received after %.3f s\n",
                    Median(query));
    }
}

struct Startup {
    double seconds = 0;
    long peakKiB = 0;
};

// Start-up until the window is shown, and peak resident memory, median of kRuns.
Startup MeasureStartup(const char* program) {
    std::vector<double> times;
    std::vector<double> peaks;
    for (int run = 0; run < kRuns; ++run) {
        int out[2];
        if (pipe(out) != 0) {
            break;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char* argv[] = {const_cast<char*>(program), nullptr};
        pid_t pid = -1;
        const auto start = Clock::now();
        const int rc = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        std::string text;
        char buf[256];
        for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) {
            text.append(buf, static_cast<std::size_t>(n));
        }
        close(out[0]);
        int status = 0;
        rusage usage{};
        if (rc != 0 || wait4(pid, &status, 0, &usage) != pid) {
            break;
        }
        const auto at = text.find("shown_ns=");
        if (at == std::string::npos) {
            std::printf("  %s did not report being shown\n", program);
            break;
        }
        const auto shown = std::chrono::steady_clock::time_point(
            std::chrono::nanoseconds(std::stoll(text.substr(at + 9))));
        times.push_back(Seconds(shown - start).count());
        peaks.push_back(static_cast<double>(usage.ru_maxrss));
    }
    if (times.empty()) {
        return {};
    }
    return {Median(times), static_cast<long>(Median(peaks))};
}

}  // namespace

int main() {
    std::printf("== round trip against wifi-module-sim --pace 19200 (%d runs each)\n", kRuns);
    const double read = RoundTrip("read", {"read"});
    // A write reads the module back after its save: the query, the report,
    // the connect request and its reply are in its ideal too.
    const double write = RoundTrip("write", {"write", "--set", "protocol=TCP", "--set",
                                             "ssid=Bench line", "--set", "baudRate=57600"});
    RoundTrip("write --no-verify", {"write", "--no-verify", "--set", "protocol=TCP", "--set",
                                    "ssid=Bench line", "--set", "baudRate=57600"});

    std::printf("== command-line start-up (%d runs each, medians)\n", kRuns);
    CommandLineStartup();

    std::printf("== production line against wifi-module-sim --pace 19200\n");
    Station(false);
    Station(true);
    const double one = StationBenches(1);
    const double four = StationBenches(4);
    if (one > 0 && four > 0) {
        std::printf("  4 ports against 1: %.2f times the modules a minute\n", four / one);
    }

    std::printf("== window start-up, offscreen (%d runs each, medians)\n", kRuns);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TempDir runtime;  // Qt wants a private runtime folder
    setenv("XDG_RUNTIME_DIR", runtime.path.c_str(), 1);
    setenv("WIFI_CONFIG_EXIT_WHEN_SHOWN", "1", 1);
    const Startup window = MeasureStartup(WIFI_CONFIG_GUI);
    const Startup minimal = MeasureStartup(MINIMAL_DIALOG);
    std::printf("  wifi-config-gui    shown after %.3f s, peak RSS %ld KiB\n", window.seconds,
                window.peakKiB);
    std::printf("  minimal Qt dialog  shown after %.3f s, peak RSS %ld KiB\n", minimal.seconds,
                minimal.peakKiB);
    if (minimal.seconds > 0 && minimal.peakKiB > 0) {
        std::printf("  ratios: start-up %.2f, peak memory %.2f\n", window.seconds / minimal.seconds,
                    static_cast<double>(window.peakKiB) / static_cast<double>(minimal.peakKiB));
    }
    std::printf("read ratio: %.3f\nwrite ratio (read back): %.3f\n", read, write);
    return 0;
}
