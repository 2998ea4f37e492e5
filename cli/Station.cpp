#include "Station.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstdio>
#include <optional>

#ifdef Q_OS_WIN
#include <io.h>
#define WIFI_ISATTY(f) _isatty(_fileno(f))
#else
#include <unistd.h>
#define WIFI_ISATTY(f) isatty(fileno(f))
#endif

#include "ModuleJob.h"
#include "Probe.h"
#include "Verify.h"
#include "platform/Language.h"
#include "platform/PortList.h"
#include "profile/JsonText.h"
#include "protocol/WriteSequence.h"

namespace cli {

using namespace wifi;

namespace {

constexpr int kPollMs = 50;          // a look at the device: two stat calls
constexpr int kQueryEveryMs = 1000;  // a module is asked at most once a second
const QString kMasked = QStringLiteral("***");
const QString kSecretField = QStringLiteral("key");

// What the operator reads on standard error, in the locale's language.
class Operator {
  public:
    Operator() : chinese_(LanguageOfLocale(EnvironmentLocale()) == Language::Chinese) {}
    void Say(const char* zh, const QString& en) {
        EndStep();
        std::fprintf(stderr, "%s\n", (chinese_ ? QString::fromUtf8(zh) : en).toUtf8().constData());
    }
    // 写入 12/22, rewritten in place on a terminal, left out elsewhere.
    void Step(unsigned step) {
        if (!tty_) {
            return;
        }
        std::fprintf(stderr, "\r%s %u/%u", chinese_ ? "写入" : "writing", step, kCompletionStep);
        stepShown_ = true;
    }
    void Summary(int ok, int failed) {
        Say(QStringLiteral("%1 个成功，%2 个失败").arg(ok).arg(failed).toUtf8().constData(),
            QStringLiteral("%1 ok, %2 failed").arg(ok).arg(failed));
    }

  private:
    void EndStep() {
        if (stepShown_) {
            std::fputc('\n', stderr);
            stepShown_ = false;
        }
    }
    bool chinese_;
    bool tty_ = WIFI_ISATTY(stderr) != 0;
    bool stepShown_ = false;
};

bool Stopped(const StationSpec& spec) {
    return spec.interrupt && spec.interrupt->load() != 0;
}

// The serial number of the USB adapter behind the port (a path may be a link
// to it), or null.
QJsonValue AdapterSerial(const QString& port) {
    const QString real = QFileInfo(port).canonicalFilePath();
    for (const auto& p : SystemPorts()) {
        if ((p.device == port || p.device == real) && !p.serialNumber.isEmpty()) {
            return p.serialNumber;
        }
    }
    return QJsonValue();
}

// Waits for a module and writes it: the device is waited for, then the job
// runs with the configuration query's answer awaited while the line is not
// silent for a second; while no report answers, it runs again, at most once
// a second. A module is asked again only once its line has been silent for
// that second: a slow report is never cut off and taken up, tail first, by
// the next query. Nothing when stopped.
std::optional<JobResult> WaitAndWrite(const StationSpec& spec, const JobSpec& job, Operator& op) {
    QElapsedTimer sinceQuery;
    QString told;  // a port that cannot be opened is said once, not every second
    while (!Stopped(spec)) {
        if (!DevicePresent(spec.port)) {
            QThread::msleep(kPollMs);
            continue;
        }
        sinceQuery.start();
        JobResult r = RunJob(job);
        if (r.reported || r.exit >= 128) {
            return r;
        }
        if (r.exit == kPortFailed && r.error != told) {
            told = r.error;
            op.Say(r.error.toUtf8().constData(), r.error);
        }
        if (sinceQuery.elapsed() < kQueryEveryMs) {
            QThread::msleep(static_cast<unsigned long>(kQueryEveryMs - sinceQuery.elapsed()));
        }
    }
    return std::nullopt;
}

// Waits until the module is gone: its device disappears or is replaced, or
// the query goes unanswered for the settle time in a row. False when stopped.
bool WaitUntilGone(const StationSpec& spec) {
    const std::string identity = DeviceIdentity(spec.port);
    QElapsedTimer silent;
    silent.start();
    QElapsedTimer sinceQuery;
    bool asked = false;
    while (!Stopped(spec)) {
        if (identity.empty() || DeviceIdentity(spec.port) != identity) {
            return true;
        }
        if (!asked || sinceQuery.elapsed() >= kQueryEveryMs) {
            sinceQuery.start();
            asked = true;
            if (ProbeForReport(spec.port, kQueryEveryMs).found == Probe::Found::Module) {
                silent.restart();
            } else if (silent.elapsed() >= qint64(spec.settleSeconds) * 1000) {
                return true;
            }
            continue;
        }
        QThread::msleep(kPollMs);
    }
    return false;
}

QJsonValue Masked(const QString& field, const QJsonValue& value, bool logSecrets) {
    return field == kSecretField && !logSecrets && !value.isNull() ? QJsonValue(kMasked) : value;
}

std::string RecordLine(const StationSpec& spec, const QString& time, const JobResult& r,
                       const QString& error, const std::vector<Mismatch>& mismatches,
                       double seconds) {
    std::string list(1, '[');
    for (const Mismatch& m : mismatches) {
        list.append(list.size() > 1 ? ", " : "")
            .append(OrderedJson()
                        .Add(QStringLiteral("field"), m.field)
                        .Add(QStringLiteral("wrote"), Masked(m.field, m.wrote, spec.logSecrets))
                        .Add(QStringLiteral("read"), Masked(m.field, m.read, spec.logSecrets))
                        .Text());
    }
    list.append("]");
    QJsonObject before = r.form;
    if (before.contains(kSecretField)) {
        before[kSecretField] = Masked(kSecretField, before[kSecretField], spec.logSecrets);
    }
    const double rounded = static_cast<double>(static_cast<long long>(seconds * 100)) / 100.0;
    return OrderedJson()
        .Add(QStringLiteral("time"), time)
        .Add(QStringLiteral("port"), spec.port)
        .Add(QStringLiteral("adapterSerial"), AdapterSerial(spec.port))
        .Add(QStringLiteral("ok"), error.isEmpty())
        .Add(QStringLiteral("error"), error.isEmpty() ? QJsonValue() : QJsonValue(error))
        .AddText(QStringLiteral("mismatches"), list)
        .Add(QStringLiteral("seconds"), rounded)
        .AddText(QStringLiteral("before"),
                 before.isEmpty() ? std::string("null") : FormAsJson(before))
        .Text();
}

void Append(const QString& path, const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    if (path.isEmpty()) {
        return;
    }
    QFile log(path);
    if (!log.open(QIODevice::Append | QIODevice::WriteOnly) ||
        log.write(QByteArray::fromStdString(line + "\n")) < 0) {
        std::fprintf(stderr, "wifi-config: %s: %s\n", path.toUtf8().constData(),
                     log.errorString().toUtf8().constData());
    }
}

}  // namespace

int RunStation(const StationSpec& spec) {
    Operator op;
    int ok = 0;
    int failed = 0;
    while (spec.count == 0 || ok + failed < spec.count) {
        op.Say("等待模块…", QStringLiteral("waiting for a module…"));
        JobSpec job;
        job.port = spec.port;
        job.write = true;
        job.settings = spec.settings;
        job.timeoutSeconds = spec.timeoutSeconds;
        job.trace = spec.trace;
        job.logSecrets = spec.logSecrets;
        job.encoding = spec.encoding;
        job.interrupt = spec.interrupt;
        job.onStep = [&op](unsigned step) { op.Step(step); };
        job.firstAnswerMs = kQueryEveryMs;
        const std::optional<JobResult> written = WaitAndWrite(spec, job, op);
        if (!written) {
            break;
        }
        const JobResult& r = *written;
        // The module's time: from its report, as the job measured it.
        const QString time = QDateTime::currentDateTimeUtc()
                                 .addMSecs(-static_cast<qint64>(r.seconds * 1000))
                                 .toString(Qt::ISODate);
        QElapsedTimer sinceWrite;  // the check's time counts too
        sinceWrite.start();
        QString error;
        std::vector<Mismatch> mismatches;
        int exit = r.exit;
        if (r.exit != kOk) {
            error = QStringLiteral("write: ") + r.error;
        } else if (spec.verify) {
            op.Say("校验…", QStringLiteral("verifying…"));
            const Verification v = VerifyWrite(job, r);
            exit = v.exit;
            error = v.error;
            mismatches = v.mismatches;
        }
        const double seconds = r.seconds + static_cast<double>(sinceWrite.elapsed()) / 1000.0;
        Append(spec.logPath, RecordLine(spec, time, r, error, mismatches, seconds));
        if (error.isEmpty()) {
            ++ok;
            op.Say("成功，请取下模块", QStringLiteral("ok: remove the module"));
        } else {
            ++failed;
            op.Say("失败，请取下模块", QStringLiteral("failed: remove the module"));
        }
        const bool done = spec.count > 0 && ok + failed >= spec.count;
        if (exit >= 128 || Stopped(spec) || done || !WaitUntilGone(spec)) {
            break;
        }
    }
    op.Summary(ok, failed);
    if (Stopped(spec)) {
        return 128 + spec.interrupt->load();
    }
    return failed > 0 ? kRefused : kOk;
}

}  // namespace cli
