// wifi-config: read or write Wi-Fi serial modules from the command line.
#include <QCoreApplication>
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
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "FormFields.h"
#include "ModuleJob.h"
#include "Profile.h"
#include "Version.h"

namespace {

constexpr const char* kHelp = R"(Usage:
  wifi-config read  --port DEVICE [--timeout SECONDS] [--format json|text]
                    [--encoding gbk|utf-8] [--trace]
  wifi-config write --port DEVICE [--port DEVICE ...] [--from FILE] [--set NAME=VALUE ...]
                    [--timeout SECONDS] [--encoding gbk|utf-8] [--trace]
  wifi-config --help | --version

Reads a Wi-Fi serial module's configuration, or writes one into one module or
many at once, over serial ports at 19200 baud 8N1, exactly as the window does.

read   connects, waits for the module's configuration and its connected reply,
       prints the form, and closes the port.
write  for each port: connects and reads as above, applies FILE's values and
       then each --set to the form as a user's edits would (fields not given
       keep the module's values), submits, waits until the module has
       acknowledged every parameter and the save, and closes the port. Several
       --port options configure several modules at the same time; each gets
       one result line: {"port": ..., "ok": ..., "error": ..., "seconds": ...}.

Options:
  --port DEVICE      the serial device (/dev/ttyUSB0, a pseudo-terminal, COM3)
  --timeout SECONDS  how long to wait for each answer (default 10)
  --format json|text read's output: one JSON object (default) or "name: value" lines
  --from FILE        a JSON object of form values, as read prints it
  --set NAME=VALUE   one form value; given after --from, it wins
  --encoding gbk|utf-8
                     the encoding of texts (ssid, key): --set values go out in
                     it, and read decodes with it unless every text the module
                     reported is in the other (said on standard error).
                     Default utf-8 (gbk on a Windows whose code page is 936)
  --trace            print every line sent and received, with port and time,
                     on standard error

Texts keep their bytes: a field not given goes back exactly as the module
reported it. read's JSON names its "encoding"; write --from encodes the file's
texts back with that encoding, whatever --encoding says, and a text valid in
no encoding travels as {"hex": "..."}, its bytes.

Form values (null: no selection, or a blank address; in --from, null leaves
the field as the module reported it):
  netType    AP | STA                    protocol   TCP | UDP
  ssid       text                        csMode     CLIENT | SERVER
  security   OPEN | WEP64 | WEP128 | WPA serverPort text
  keyFormat  HEX | ASCII                 baudRate   1200 2400 4800 9600 19200
  keyIndex   1 | 2 | 3 | 4                          38400 57600 115200
  key        text                        parity     NONE | ODD | EVEN
  dhcp       true | false                dataBits   8 | 9
  ip, netmask, gateway, dns, serverIp    stopBits   1 | 2
             four numbers 0-255          frameLen, frameTime  text
The report does not carry the protocol: read shows what the form holds.

Exit status (with several ports, the highest of them):
  0  done
  1  the module refused a command: the configuration query, the connect
     request, the configure command, a parameter (named, with its command) or
     the save; nothing more was sent
  2  bad arguments or values (checked before any port is opened), a --from
     FILE missing, not JSON or over 1 MiB, the same device named twice, or a
     form that cannot be written: a value as the module reported it that
     breaks its field's rule, a field the report lacked, or a list the module
     left without a usable value (give a value with --set)
  3  a port could not be opened, disappeared or failed
  4  no answer within --timeout (the phase is named)
  130, 143  interrupted by SIGINT or SIGTERM: nothing more is sent, the ports
     are closed, and each write prints its result line with "ok": false

Text values: no control character (a byte below 0x20); an SSID of at most 32
bytes; serverPort, frameLen and frameTime decimal numbers from 0 to 65535.
read names on standard error any field whose key the module's report lacked,
and prints it as null; write refuses to guess one, unless it is given.

Examples:
  wifi-config read --port /dev/ttyUSB0 --format text
  wifi-config read --port /dev/ttyUSB0 > line7.json
  wifi-config write --port /dev/ttyUSB0 --from line7.json --set ssid="Line 7" --set dhcp=false
  wifi-config write --port /dev/ttyUSB0 --port /dev/ttyUSB1 --set baudRate=115200
)";

struct Args {
    std::string command;
    std::vector<QString> ports;
    int timeout = 10;
    bool json = true;
    bool trace = false;
    wifi::TextEncoding encoding = wifi::DefaultEncoding();
    std::vector<cli::Setting> settings;
};

int Usage(const std::string& error) {
    std::fprintf(stderr, "wifi-config: %s\nTry 'wifi-config --help'.\n", error.c_str());
    return cli::kBadInput;
}

// Parses and checks everything before any port is opened. Empty on success.
// The arguments come as Unicode (the wide command line on Windows), so file
// names and --set values arrive intact whatever the console's code page.
std::string Parse(const QStringList& arguments, Args& args) {
    const QStringList a = arguments.mid(1);
    if (a.isEmpty()) {
        return "no command: read or write";
    }
    args.command = a[0].toStdString();
    if (args.command != "read" && args.command != "write") {
        return "unknown command: " + args.command;
    }
    QString from;
    QStringList sets;
    for (qsizetype i = 1; i < a.size(); ++i) {
        const std::string opt = a[i].toStdString();
        auto value = [&](QString& out) {
            if (i + 1 >= a.size()) {
                return false;
            }
            out = a[++i];
            return true;
        };
        QString v;
        if (opt == "--trace") {
            args.trace = true;
        } else if (opt == "--port" && value(v)) {
            args.ports.push_back(v);
        } else if (opt == "--timeout" && value(v)) {
            bool ok = false;
            args.timeout = v.toInt(&ok);
            if (!ok || args.timeout < 1 || args.timeout > 3600) {
                return "--timeout: not a number of seconds from 1 to 3600: " + v.toStdString();
            }
        } else if (opt == "--format" && args.command == "read" && value(v)) {
            if (v != QLatin1String("json") && v != QLatin1String("text")) {
                return "--format: json or text, not " + v.toStdString();
            }
            args.json = v == QLatin1String("json");
        } else if (opt == "--encoding" && value(v)) {
            const auto encoding = wifi::EncodingNamed(v);
            if (!encoding) {
                return "--encoding: gbk or utf-8, not " + v.toStdString();
            }
            args.encoding = *encoding;
        } else if (opt == "--from" && args.command == "write" && value(v)) {
            from = v;
        } else if (opt == "--set" && args.command == "write" && value(v)) {
            sets << v;
        } else {
            const bool takesValue = opt == "--port" || opt == "--timeout" || opt == "--format" ||
                                    opt == "--from" || opt == "--set" || opt == "--encoding";
            return takesValue && i + 1 >= a.size()
                       ? opt + " needs a value"
                       : "unexpected argument for " + args.command + ": " + opt;
        }
    }
    if (args.ports.empty()) {
        return "no --port given";
    }
    if (args.command == "read" && args.ports.size() > 1) {
        return "read takes one --port";
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
    std::string error;
    if (!from.isEmpty()) {
        auto loaded = cli::LoadProfile(from, args.encoding, error);
        if (!loaded) {
            return error;
        }
        args.settings = *loaded;
    }
    const wifi::TextCodec codec(args.encoding);
    for (const auto& s : sets) {
        auto setting = cli::ParseSetting(s, codec, error);
        if (!setting) {
            return error;
        }
        args.settings.push_back(*setting);
    }
    return {};
}

// {"port": ..., "ok": ..., "error": ..., "seconds": ...}, in that order.
std::string ResultLine(const cli::JobResult& r) {
    auto json = [](const QJsonValue& v) {
        const QByteArray one = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
        return one.mid(1, one.size() - 2).toStdString();
    };
    const double seconds = static_cast<double>(static_cast<long long>(r.seconds * 1000)) / 1000.0;
    return "{\"port\": " + json(r.port) + ", \"ok\": " + json(r.exit == cli::kOk) +
           ", \"error\": " + json(r.error.isEmpty() ? QJsonValue() : QJsonValue(r.error)) +
           ", \"seconds\": " + json(seconds) + "}";
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
            std::fputs(kHelp, stdout);
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
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);

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
        spec.encoding = args.encoding;
        spec.interrupt = &interrupted;
        threads.emplace_back(QThread::create([spec, i, &results, &outputLock, &args] {
            results[i] = cli::RunJob(spec);
            const cli::JobResult& r = results[i];
            std::lock_guard<std::mutex> hold(outputLock);
            if (r.exit != cli::kOk) {
                // Port errors name the port already.
                const QString message =
                    r.error.startsWith(r.port) ? r.error : r.port + QStringLiteral(": ") + r.error;
                std::fprintf(stderr, "wifi-config: %s\n", message.toUtf8().constData());
            }
            if (!spec.write && !r.absent.isEmpty()) {
                std::fprintf(stderr,
                             "wifi-config: %s: the module's report lacks %s (printed as null)\n",
                             r.port.toUtf8().constData(),
                             r.absent.join(QStringLiteral(", ")).toUtf8().constData());
            }
            for (const QString& note : r.notes) {
                std::fprintf(stderr, "wifi-config: %s: %s\n", r.port.toUtf8().constData(),
                             note.toUtf8().constData());
            }
            if (spec.write) {
                std::printf("%s\n", ResultLine(r).c_str());
            } else if (r.exit == cli::kOk) {
                const std::string form =
                    args.json ? cli::FormAsJson(r.form) + "\n" : cli::FormAsText(r.form);
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
