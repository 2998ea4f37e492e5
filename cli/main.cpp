// wifi-config: read or write Wi-Fi serial modules from the command line.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "CommandLine.h"
#include "Console.h"
#include "Diff.h"
#include "JobSession.h"
#include "ModuleJob.h"
#include "Output.h"
#include "PortsCommand.h"
#include "SendCommand.h"
#include "Station.h"
#include "StopSignal.h"
#include "Verify.h"
#include "Version.h"
#include "form/ControlIds.h"
#include "ports/SystemPorts.h"
#include "profile/FormFields.h"
#include "profile/Profile.h"
#include "profile/Units.h"
#include "protocol/ReplyTimeout.h"
#include "wording/Messages.h"

namespace {

// -q: notes are left out; errors never are.
bool quietNotes = false;

struct Args {
    std::string command;
    std::vector<std::string> ports;
    double timeout = 10;
    bool json = true;
    bool formatGiven = false;
    bool skipConfigured = false;
    bool noBell = false;
    std::optional<std::vector<wifi::UnitRow>> units;
    bool trace = false;
    bool probe = false;
    bool verify = true;
    bool logSecrets = false;
    std::string log;
    std::vector<std::string> lines;  // send
    int quietMs = 300;
    int count = 0;
    int settle = 3;
    wifi::TextEncoding encoding = wifi::DefaultEncoding();
    std::vector<wifi::Setting> settings;
};

int Usage(const std::string& error) {
    std::fprintf(stderr, "wifi-config: %s\nTry 'wifi-config --help'.\n", error.c_str());
    return cli::kBadInput;
}

// A whole number from `low`; nothing for anything else.
std::optional<int> WholeNumber(const std::string& text, int low) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int value = std::stoi(text);
    return value >= low ? std::optional(value) : std::nullopt;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// send's wait was once --quiet MS: taken, with a note, as --idle MS. Now
// --quiet alone silences notes.
std::vector<std::string> WithTodaysNames(std::vector<std::string> arguments) {
    if (arguments.empty() || arguments.front() != "send") {
        return arguments;
    }
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool spaced =
            a == "--quiet" && i + 1 < arguments.size() && AllDigits(arguments[i + 1]);
        const bool joined = a.rfind("--quiet=", 0) == 0 && AllDigits(a.substr(8));
        if (spaced || joined) {
            std::fprintf(stderr, "wifi-config: note: send's --quiet MS is now --idle MS\n");
            arguments[i] = joined ? "--idle=" + a.substr(8) : std::string("--idle");
        }
    }
    return arguments;
}

// Whether the command works on a port: --port is required of it.
bool PortRequired(const std::string& command) {
    for (const cli::Option& o : cli::Options()) {
        if (o.name == "--port") {
            return o.RequiredBy(command);
        }
    }
    return false;
}

// Parses and checks everything before any port is opened. Empty on success.
std::string Parse(const std::vector<std::string>& arguments, Args& args) {
    std::string error;
    const auto parsed = cli::ParseArguments(arguments, error);
    if (!parsed) {
        return error;
    }
    const cli::Arguments& a = *parsed;
    std::optional<wifi::Language> asked;
    if (a.Has("--lang")) {
        asked = wifi::LanguageNamed(a.Last("--lang"));
        if (!asked) {
            return "--lang: zh or en, not " + a.Last("--lang");
        }
    }
    cli::SetSpokenLanguage(wifi::CommandLineLanguage(asked, wifi::EnvironmentLocale()));
    args.command = a.command;
    args.trace = a.Has("--trace");
    args.probe = a.Has("--probe");
    args.verify = !a.Has("--no-verify");
    args.logSecrets = a.Has("--log-secrets");
    quietNotes = a.Has("--quiet");
    args.skipConfigured = a.Has("--skip-configured");
    args.noBell = a.Has("--no-bell");
    args.formatGiven = a.Has("--format");
    args.log = a.Last("--log");
    args.lines = a.operands;
    for (const auto& [option, out, low] :
         {std::tuple{"--count", &args.count, 1}, std::tuple{"--settle", &args.settle, 1},
          std::tuple{"--idle", &args.quietMs, 10}}) {
        if (a.Has(option)) {
            const auto n = WholeNumber(a.Last(option), low);
            if (!n) {
                return std::string(option) + ": not a whole number from " + std::to_string(low) +
                       ": " + a.Last(option);
            }
            *out = *n;
        }
    }
    if (!args.log.empty()) {
        std::ofstream log(wifi::PathFromUtf8(args.log), std::ios::app);
        if (!log) {
            return "--log: " + args.log + ": cannot be written";
        }
    }
    if (args.command == "ports") {
        args.timeout = 2;  // a module answers its query at once
    }
    args.ports = a.All("--port");
    if (args.ports.empty() && PortRequired(args.command)) {
        std::vector<std::string> found;
        for (const wifi::PortInfo& p : ListedPorts(wifi::ThisSystem(), wifi::SystemPorts())) {
            found.push_back(p.device);
        }
        const wifi::UnnamedPort meant = wifi::PortWhenNoneNamed(found);
        if (meant.port.empty()) {
            return cli::Spoken(wifi::Said(meant.said));
        }
        args.ports = {meant.port};
        if (!a.Has("--quiet")) {
            std::fprintf(stderr, "wifi-config: %s\n", cli::Spoken(meant.said.text).c_str());
        }
    }
    if (a.Has("--timeout")) {
        const auto timeout = wifi::ParseReplyTimeout(a.Last("--timeout"));
        if (!timeout) {
            return "--timeout: not a number of seconds from 0.1 to 3600: " + a.Last("--timeout");
        }
        args.timeout = static_cast<double>(timeout->count()) / 1000.0;
    }
    if (a.Has("--format")) {
        const std::string v = a.Last("--format");
        if (v != "json" && v != "text") {
            return "--format: json or text, not " + v;
        }
        args.json = v == "json";
    } else {
        // People read text; a pipe or a file gets JSON Lines, as scripts
        // always have.
        args.json = !cli::IsTerminal(stdout);
    }
    if (a.Has("--encoding")) {
        const auto encoding = wifi::EncodingNamed(a.Last("--encoding"));
        if (!encoding) {
            return "--encoding: gbk or utf-8, not " + a.Last("--encoding");
        }
        args.encoding = *encoding;
    }
    if (args.command != "write" && args.command != "ports" && args.command != "station" &&
        args.ports.size() > 1) {
        return args.command + " takes one --port";
    }
    // One device under two names (a path and a symlink to it) would be driven
    // twice at once.
    for (std::size_t i = 0; i < args.ports.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            std::error_code failed;
            const auto a1 = std::filesystem::canonical(wifi::PathFromUtf8(args.ports[i]), failed);
            const auto b1 = std::filesystem::canonical(wifi::PathFromUtf8(args.ports[j]), failed);
            if (args.ports[i] == args.ports[j] || (!a1.empty() && a1 == b1)) {
                return "the same device twice: " + args.ports[j] + " and " + args.ports[i];
            }
        }
    }
    if (const std::string from = a.Last("--from"); !from.empty()) {
        wifi::Message failed;
        // diff only compares: it refuses no value it would not write.
        auto loaded = wifi::LoadProfile(
            from, args.encoding, failed,
            args.command == "diff" ? wifi::ValueSource::Compared : wifi::ValueSource::Kept);
        if (!loaded) {
            return cli::SpokenWithDetail(failed);
        }
        args.settings = *loaded;
    }
    const wifi::TextCodec codec(args.encoding);
    for (const auto& s : a.All("--set")) {
        wifi::Text wrong;
        auto setting = wifi::ParseSetting(s, codec, wrong);
        if (!setting) {
            return cli::Spoken(wrong);
        }
        args.settings.push_back(*setting);
    }
    if (const std::string units = a.Last("--units"); !units.empty()) {
        if (args.log.empty()) {
            return "--units needs --log: the log keeps which rows were given, across restarts";
        }
        std::string why;
        constexpr std::size_t kMostBytes = 16 << 20;
        const auto csv = wifi::ReadFileBytes(units, kMostBytes, why);
        if (!csv || csv->size() > kMostBytes) {
            return "--units: " + units + ": " + (csv ? std::string("larger than 16 MiB") : why);
        }
        wifi::Text wrong;
        args.units = wifi::ParseUnits(*csv, codec, wrong);
        if (!args.units) {
            return "--units: " + units + ": " + cli::Spoken(wrong);
        }
    }
    // No module reports the protocol: a station writing module after module
    // must be told it once, not stop at each.
    if (args.command == "station" &&
        std::none_of(args.settings.begin(), args.settings.end(), [](const wifi::Setting& s) {
            return s.field == &wifi::FieldOfControl(wifi::IDC_PROTOCOL) && !s.isNull;
        })) {
        return "station: the profile does not set the protocol, which no module reports; add "
               "\"protocol\": \"TCP\" (or \"UDP\") to it, or --set protocol=...";
    }
    return {};
}

// {"port": ..., "ok": ..., "verified": ..., "error": ..., "seconds": ...}, in
// that order.
std::string ResultLine(const cli::JobResult& r) {
    wifi::Json line;
    line["port"] = r.port;
    line["ok"] = r.exit == cli::kOk;
    line["verified"] = r.verified;
    line["error"] = r.error.empty() ? wifi::Json() : wifi::Json(r.error);
    line["seconds"] = static_cast<double>(static_cast<long long>(r.seconds * 1000)) / 1000.0;
    return wifi::JsonLine(line);
}

// "PORT: saved and verified in 2.41 s" (or "saved, not verified" with
// --no-verify), or "PORT: failed: ERROR", for --format text.
std::string ResultText(const cli::JobResult& r) {
    if (r.exit != cli::kOk) {
        return r.port + ": failed: " + r.error;
    }
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", r.seconds);
    return r.port + (r.verified ? ": saved and verified in " : ": saved, not verified, in ") +
           seconds + " s";
}

// A job on one port, with the options every job takes.
cli::JobSpec SpecFor(const Args& args, const std::string& port, cli::StopSignal& stop) {
    cli::JobSpec spec;
    spec.port = port;
    spec.settings = args.settings;
    spec.timeoutSeconds = args.timeout;
    spec.trace = args.trace;
    spec.logSecrets = args.logSecrets;
    spec.encoding = args.encoding;
    spec.stop = &stop;
    spec.verify = args.verify;
    return spec;
}

void Say(const std::string& port, const wifi::Message& message) {
    if (quietNotes) {
        return;
    }
    std::fprintf(stderr, "wifi-config: %s: %s\n", port.c_str(), cli::Spoken(message.text).c_str());
}

int Run(const std::vector<std::string>& arguments) {
    for (const std::string& arg : arguments) {
        if (arg == "--help" || arg == "-h" || arg == "help") {
            // After a command (or "help COMMAND"), that command's help only.
            std::string command = arguments.front();
            if (command == "help" && arguments.size() > 1) {
                command = arguments[1];
            }
            const std::string one = cli::CommandHelpText(command);
            cli::Print(one.empty() ? cli::HelpText() : one);
            return 0;
        }
        if (arg == "--bash-completion") {  // for the package's completion file
            cli::Print(cli::BashCompletion());
            return 0;
        }
        if (arg == "--version" || arg == "-V") {
            cli::Print("wifi-config " + std::string(wifi::kVersion) + "\n");
            return 0;
        }
    }
    Args args;
    if (const std::string error = Parse(WithTodaysNames(arguments), args); !error.empty()) {
        return Usage(error);
    }
    if (args.command == "ports") {
        cli::PortsRequest request;
        request.named = args.ports;
        request.probe = args.probe;
        request.timeoutSeconds = args.timeout;
        request.json = args.json;
        request.encoding = args.encoding;
        return cli::RunPorts(request);
    }
    cli::StopSignal stop;
    const cli::SignalWatch signals(stop);
    if (args.command == "send") {
        cli::SendRequest request;
        request.port = args.ports.front();
        request.lines = args.lines;
        request.quietMs = args.quietMs;
        request.timeoutSeconds = args.timeout;
        request.logSecrets = args.logSecrets;
        request.stop = &stop;
        return cli::RunSend(request);
    }
    if (args.command == "diff") {
        cli::JobSpec spec = SpecFor(args, args.ports.front(), stop);
        spec.applyOnly = true;
        return cli::RunDiff(spec, args.json);
    }
    if (args.command == "station") {
        cli::StationSpec station;
        station.ports = args.ports;
        station.settings = args.settings;
        station.verify = args.verify;
        station.logPath = args.log;
        station.count = args.count;
        station.timeoutSeconds = args.timeout;
        station.settleSeconds = args.settle;
        station.encoding = args.encoding;
        station.logSecrets = args.logSecrets;
        station.trace = args.trace;
        station.skipConfigured = args.skipConfigured;
        station.bell = !args.noBell;
        // Records where a script reads them; on a terminal, the operator's
        // screen unless asked for JSON.
        station.recordsOnOutput = args.formatGiven ? args.json : !cli::IsTerminal(stdout);
        station.stop = &stop;
        std::optional<wifi::UnitRows> rows;
        if (args.units) {
            // The rows already spent, across restarts and crashes: from the log.
            std::string ignored;  // a log not there yet holds no rows
            const auto log = wifi::ReadFileBytes(args.log, std::size_t(1) << 30, ignored);
            rows.emplace(*args.units, wifi::SpentRows(log.value_or(std::string())));
            station.rows = &*rows;
        }
        return cli::RunStation(station);
    }

    // One thread per module: each has its own port, its own form and its own
    // pauses, so several modules are configured in the time of one.
    std::mutex outputLock;
    std::vector<cli::JobResult> results(args.ports.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < args.ports.size(); ++i) {
        cli::JobSpec spec = SpecFor(args, args.ports[i], stop);
        spec.write = args.command == "write";
        threads.emplace_back([spec, i, &results, &outputLock, &args] {
            results[i] = cli::RunJob(spec);
            const cli::JobResult& r = results[i];
            std::lock_guard<std::mutex> hold(outputLock);
            if (r.exit != cli::kOk) {
                std::fprintf(stderr, "wifi-config: %s\n", cli::FailureLine(r).c_str());
            }
            if (!spec.write && r.exit == cli::kOk) {
                for (const wifi::Message& said : wifi::UnknownFieldsRead(r.unknown)) {
                    Say(r.port, said);
                }
            }
            for (const wifi::Text& note : r.notes) {
                Say(r.port, wifi::Message{note, false, {}, {}});
            }
            if (spec.write && !r.alreadyAsGiven.empty()) {
                Say(r.port, wifi::Message{wifi::AlreadyAsGiven(r.alreadyAsGiven), false, {}, {}});
            }
            if (spec.write) {
                cli::Print((args.json ? ResultLine(r) : ResultText(r)) + "\n");
            } else if (r.exit == cli::kOk) {
                cli::Print(args.json ? wifi::FormAsJson(r.form) + "\n" : wifi::FormAsText(r.form));
            }
        });
    }
    int exit = cli::kOk;
    bool verified = false;
    for (std::size_t i = 0; i < threads.size(); ++i) {
        threads[i].join();
        exit = std::max(exit, results[i].exit);
        verified = verified || results[i].verified;
    }
    if (verified && !quietNotes) {
        // Once, as a note: no module reports it, so no read-back shows it.
        std::fprintf(stderr, "wifi-config: note: %s\n",
                     cli::Spoken(wifi::ProtocolNotVerified()).c_str());
    }
    return exit;
}

}  // namespace

int main(int argc, char** argv) {
    // The arguments as UTF-8 (from the wide command line on Windows), so file
    // names and --set values arrive intact whatever the console's code page;
    // everything printed is UTF-8 too.
    const std::vector<std::string> arguments = cli::Utf8Arguments(argc, argv);
    cli::UseUtf8Output();
    if (!cli::PrepareStandardStreams()) {
        cli::Say("wifi-config: standard output is closed: nothing was done\n");
        return cli::kOutputFailed;
    }
    return cli::Finish(Run(arguments));
}
