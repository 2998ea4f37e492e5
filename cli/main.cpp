// wifi-config: read or write Wi-Fi serial modules from the command line.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "CommandLine.h"
#include "ModuleJob.h"
#include "PortsCommand.h"
#include "Station.h"
#include "Verify.h"
#include "Version.h"
#include "profile/FormFields.h"
#include "profile/JsonText.h"
#include "profile/Profile.h"

namespace {

struct Args {
    std::string command;
    std::vector<QString> ports;
    int timeout = 10;
    bool json = true;
    bool trace = false;
    bool probe = false;
    bool verify = false;
    bool logSecrets = false;
    QString log;
    int count = 0;
    int settle = 3;
    wifi::TextEncoding encoding = wifi::DefaultEncoding();
    std::vector<wifi::Setting> settings;
};

int Usage(const std::string& error) {
    std::fprintf(stderr, "wifi-config: %s\nTry 'wifi-config --help'.\n", error.c_str());
    return cli::kBadInput;
}

// Parses and checks everything before any port is opened. Empty on success.
// The arguments come as Unicode (the wide command line on Windows), so file
// names and --set values arrive intact whatever the console's code page.
std::string Parse(const QStringList& arguments, Args& args) {
    std::string error;
    const auto parsed = cli::ParseArguments(arguments, error);
    if (!parsed) {
        return error;
    }
    const cli::Arguments& a = *parsed;
    args.command = a.command;
    args.trace = a.Has("--trace");
    args.probe = a.Has("--probe");
    args.verify = a.Has("--verify");
    args.logSecrets = a.Has("--log-secrets");
    args.log = a.Last("--log");
    for (const auto& [option, out, low] :
         {std::tuple{"--count", &args.count, 1}, std::tuple{"--settle", &args.settle, 1}}) {
        if (a.Has(option)) {
            bool ok = false;
            *out = a.Last(option).toInt(&ok);
            if (!ok || *out < low) {
                return std::string(option) + ": not a whole number from " + std::to_string(low) +
                       ": " + a.Last(option).toStdString();
            }
        }
    }
    if (!args.log.isEmpty()) {
        QFile log(args.log);
        if (!log.open(QIODevice::Append | QIODevice::WriteOnly)) {
            return "--log: " + args.log.toStdString() + ": " + log.errorString().toStdString();
        }
    }
    if (args.command == "ports") {
        args.timeout = 2;  // a module answers its query at once
    }
    if (a.Has("--port")) {
        args.ports.assign(a.values.at("--port").begin(), a.values.at("--port").end());
    }
    if (a.Has("--timeout")) {
        bool ok = false;
        args.timeout = a.Last("--timeout").toInt(&ok);
        if (!ok || args.timeout < 1 || args.timeout > 3600) {
            return "--timeout: not a number of seconds from 1 to 3600: " +
                   a.Last("--timeout").toStdString();
        }
    }
    if (a.Has("--format")) {
        const QString v = a.Last("--format");
        if (v != QLatin1String("json") && v != QLatin1String("text")) {
            return "--format: json or text, not " + v.toStdString();
        }
        args.json = v == QLatin1String("json");
    }
    if (a.Has("--encoding")) {
        const auto encoding = wifi::EncodingNamed(a.Last("--encoding"));
        if (!encoding) {
            return "--encoding: gbk or utf-8, not " + a.Last("--encoding").toStdString();
        }
        args.encoding = *encoding;
    }
    const QString from = a.Last("--from");
    const QStringList sets = a.Has("--set") ? a.values.at("--set") : QStringList();
    if ((args.command == "read" || args.command == "station") && args.ports.size() > 1) {
        return args.command + " takes one --port";
    }
    // One device under two names (a path and a symlink to it) would be driven
    // twice at once.
    for (std::size_t i = 0; i < args.ports.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const QString a = QFileInfo(args.ports[i]).canonicalFilePath();
            const QString b = QFileInfo(args.ports[j]).canonicalFilePath();
            if (args.ports[i] == args.ports[j] || (!a.isEmpty() && a == b)) {
                return "the same device twice: " + args.ports[j].toStdString() + " and " +
                       args.ports[i].toStdString();
            }
        }
    }
    if (!from.isEmpty()) {
        auto loaded = wifi::LoadProfile(from, args.encoding, error);
        if (!loaded) {
            return error;
        }
        args.settings = *loaded;
    }
    const wifi::TextCodec codec(args.encoding);
    for (const auto& s : sets) {
        auto setting = wifi::ParseSetting(s, codec, error);
        if (!setting) {
            return error;
        }
        args.settings.push_back(*setting);
    }
    // No module reports the protocol: a station writing module after module
    // must be told it once, not stop at each.
    if (args.command == "station" &&
        std::none_of(args.settings.begin(), args.settings.end(), [](const wifi::Setting& s) {
            return s.field == wifi::FindField("protocol") && !s.isNull;
        })) {
        return "station: the profile does not set the protocol, which no module reports; add "
               "\"protocol\": \"TCP\" (or \"UDP\") to it, or --set protocol=...";
    }
    return {};
}

// {"port": ..., "ok": ..., "error": ..., "seconds": ...}, in that order.
std::string ResultLine(const cli::JobResult& r) {
    const double seconds = static_cast<double>(static_cast<long long>(r.seconds * 1000)) / 1000.0;
    return wifi::OrderedJson()
        .Add(QStringLiteral("port"), r.port)
        .Add(QStringLiteral("ok"), r.exit == cli::kOk)
        .Add(QStringLiteral("error"), r.error.isEmpty() ? QJsonValue() : QJsonValue(r.error))
        .Add(QStringLiteral("seconds"), seconds)
        .Text();
}

// "PORT: saved in 2.41 s" or "PORT: failed: ERROR", for --format text.
std::string ResultText(const cli::JobResult& r) {
    const QString line =
        r.exit == cli::kOk
            ? QStringLiteral("%1: saved in %2 s").arg(r.port).arg(r.seconds, 0, 'f', 2)
            : QStringLiteral("%1: failed: %2").arg(r.port, r.error);
    return line.toStdString();
}

}  // namespace

// The signal that asks every job to stop: each stops sending, closes its port
// and reports; the process then exits 128 + the signal's number.
std::atomic<int> interrupted{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnStopSignal(int sig) {
    interrupted.store(sig);
}

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "help") {
            std::fputs(cli::HelpText().c_str(), stdout);
            return 0;
        }
        if (arg == "--bash-completion") {  // for the package's completion file
            std::fputs(cli::BashCompletion().c_str(), stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("wifi-config %s\n", wifi::kVersion);
            return 0;
        }
    }
    QCoreApplication app(argc, argv);
#ifdef Q_OS_WIN
    // Everything printed is UTF-8; the console is told so.
    SetConsoleOutputCP(CP_UTF8);
#endif
    Args args;
    if (const std::string error = Parse(QCoreApplication::arguments(), args); !error.empty()) {
        return Usage(error);
    }
    if (args.command == "ports") {
        cli::PortsRequest request;
        request.named = QStringList(args.ports.begin(), args.ports.end());
        request.probe = args.probe;
        request.timeoutSeconds = args.timeout;
        request.json = args.json;
        request.encoding = args.encoding;
        return cli::RunPorts(request);
    }
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
    if (args.command == "station") {
        cli::StationSpec station;
        station.port = args.ports.front();
        station.settings = args.settings;
        station.verify = args.verify;
        station.logPath = args.log;
        station.count = args.count;
        station.timeoutSeconds = args.timeout;
        station.settleSeconds = args.settle;
        station.encoding = args.encoding;
        station.logSecrets = args.logSecrets;
        station.trace = args.trace;
        station.interrupt = &interrupted;
        return cli::RunStation(station);
    }

    // One thread per module: each has its own port, its own form and its own
    // pauses, so several modules are configured in the time of one.
    std::mutex outputLock;
    std::vector<cli::JobResult> results(args.ports.size());
    std::vector<std::unique_ptr<QThread>> threads;
    for (std::size_t i = 0; i < args.ports.size(); ++i) {
        cli::JobSpec spec;
        spec.port = args.ports[i];
        spec.write = args.command == "write";
        spec.settings = args.settings;
        spec.timeoutSeconds = args.timeout;
        spec.trace = args.trace;
        spec.logSecrets = args.logSecrets;
        spec.encoding = args.encoding;
        spec.interrupt = &interrupted;
        threads.emplace_back(QThread::create([spec, i, &results, &outputLock, &args] {
            results[i] = cli::RunJob(spec);
            if (args.verify && results[i].exit == cli::kOk) {
                const cli::Verification v = cli::VerifyWrite(spec, results[i]);
                results[i].exit = v.exit;
                results[i].error = v.error;
            }
            const cli::JobResult& r = results[i];
            std::lock_guard<std::mutex> hold(outputLock);
            if (r.exit != cli::kOk) {
                // Port errors name the port already.
                const QString message =
                    r.error.startsWith(r.port) ? r.error : r.port + QStringLiteral(": ") + r.error;
                std::fprintf(stderr, "wifi-config: %s\n", message.toUtf8().constData());
            }
            if (!spec.write && r.exit == cli::kOk) {
                QStringList absent;
                QStringList unknown;
                for (const auto& [name, reported] : r.unknown) {
                    if (reported == QLatin1String("absent")) {
                        absent << name;
                    } else {
                        unknown << name + " (" +
                                       (reported == QLatin1String("not reported")
                                            ? QStringLiteral("no module reports it")
                                            : "reported " + reported) +
                                       ")";
                    }
                }
                if (!absent.isEmpty()) {
                    std::fprintf(
                        stderr, "wifi-config: %s: the module's report lacks %s (printed as null)\n",
                        r.port.toUtf8().constData(),
                        absent.join(QStringLiteral(", ")).toUtf8().constData());
                }
                if (!unknown.isEmpty()) {
                    std::fprintf(stderr, "wifi-config: %s: unknown, printed as null: %s\n",
                                 r.port.toUtf8().constData(),
                                 unknown.join(QStringLiteral(", ")).toUtf8().constData());
                }
            }
            for (const QString& note : r.notes) {
                std::fprintf(stderr, "wifi-config: %s: %s\n", r.port.toUtf8().constData(),
                             note.toUtf8().constData());
            }
            if (spec.write) {
                std::printf("%s\n", (args.json ? ResultLine(r) : ResultText(r)).c_str());
            } else if (r.exit == cli::kOk) {
                const std::string form =
                    args.json ? wifi::FormAsJson(r.form) + "\n" : wifi::FormAsText(r.form);
                std::fputs(form.c_str(), stdout);
            }
            std::fflush(stdout);
        }));
        threads.back()->start();
    }
    int exit = cli::kOk;
    for (std::size_t i = 0; i < threads.size(); ++i) {
        threads[i]->wait();
        exit = std::max(exit, results[i].exit);
    }
    return exit;
}
