#include "Verify.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "platform/PortList.h"

namespace cli {

using namespace wifi;

namespace {
constexpr int kRetryMs = 200;
constexpr int kReadSeconds = 3;  // one try; a restarting module gets several
}  // namespace

bool DevicePresent(const QString& port) {
    if (ThisSystem() == PortSystem::Windows && !port.contains(QLatin1Char('\\'))) {
        for (const auto& p : SystemPorts()) {
            if (p.device.compare(port, Qt::CaseInsensitive) == 0) {
                return true;
            }
        }
        return false;
    }
    return QFileInfo::exists(port);
}

std::string DeviceIdentity(const QString& port) {
    if (!DevicePresent(port)) {
        return {};
    }
#ifdef Q_OS_UNIX
    struct stat link {};
    struct stat node {};
    const QByteArray path = QFile::encodeName(port);
    if (::lstat(path.constData(), &link) != 0 || ::stat(path.constData(), &node) != 0) {
        return {};
    }
    auto stamp = [](const struct stat& st) {
#ifdef Q_OS_LINUX
        return std::to_string(st.st_ctim.tv_sec) + "." + std::to_string(st.st_ctim.tv_nsec);
#else
        return std::to_string(st.st_ctime);  // macOS names the nanoseconds differently
#endif
    };
    return QFileInfo(port).canonicalFilePath().toStdString() + " " + stamp(link) + " " +
           stamp(node) + " " + std::to_string(node.st_rdev);
#else
    return port.toStdString();
#endif
}

Verification VerifyWrite(const JobSpec& spec, const JobResult& written) {
    Verification v;
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = qint64(spec.timeoutSeconds) * 1000;
    JobSpec read = spec;
    read.write = false;
    read.settings.clear();
    read.onStep = nullptr;
    JobResult last;
    last.error = QStringLiteral("the device did not come back");
    last.exit = kPortFailed;
    while (clock.elapsed() < limit) {
        if (spec.interrupt && spec.interrupt->load() != 0) {
            v.exit = 128 + spec.interrupt->load();
            v.error = QStringLiteral("verify: interrupted");
            return v;
        }
        if (!DevicePresent(spec.port)) {
            QThread::msleep(kRetryMs);
            continue;
        }
        const qint64 left = limit - clock.elapsed();
        read.timeoutSeconds = int(std::clamp<qint64>((left + 999) / 1000, 1, kReadSeconds));
        last = RunJob(read);
        if (last.exit == kOk) {
            for (const QString& field : DifferingFields(written.written, last.values)) {
                v.mismatches.push_back({field, written.wrote[field], last.form[field]});
            }
            if (!v.mismatches.empty()) {
                QStringList names;
                for (const Mismatch& m : v.mismatches) {
                    names << m.field;
                }
                v.exit = kRefused;
                v.error = QStringLiteral("verify: %1 %2")
                              .arg(names.join(QStringLiteral(", ")),
                                   names.size() == 1 ? QStringLiteral("differs")
                                                     : QStringLiteral("differ"));
            }
            return v;
        }
        if (last.exit >= 128) {
            v.exit = last.exit;
            v.error = QStringLiteral("verify: interrupted");
            return v;
        }
        QThread::msleep(kRetryMs);
    }
    v.exit = last.exit;
    v.error = QStringLiteral("verify: the module could not be read again: ") + last.error;
    return v;
}

}  // namespace cli
