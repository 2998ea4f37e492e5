#include "Trace.h"

#include <QDateTime>
#include <cstdio>
#include <mutex>

namespace cli {

void PrintTraceLine(const QString& port, wifi::LineDirection direction, const std::string& line) {
    static std::mutex lock;
    const std::string time =
        QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz")).toStdString();
    std::lock_guard<std::mutex> hold(lock);
    std::fprintf(stderr, "%s %s %c %s\n", time.c_str(), port.toUtf8().constData(),
                 static_cast<char>(direction), wifi::VisibleBytes(line).c_str());
}

}  // namespace cli
