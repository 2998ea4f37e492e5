#include "TracingComm.h"

#include <QDateTime>
#include <cstdio>
#include <mutex>

namespace cli {

namespace {

std::mutex& StderrLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

std::string VisibleBytes(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c >= 0x7f) {
            // Control bytes and the bytes of GBK or UTF-8 text, exactly.
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void TracingComm::Print(const char* direction, const std::string& line) {
    const std::string time =
        QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz")).toStdString();
    std::lock_guard<std::mutex> hold(StderrLock());
    std::fprintf(stderr, "%s %s %s %s\n", time.c_str(), port_.toUtf8().constData(), direction,
                 VisibleBytes(line).c_str());
}

wifi::Bytes TracingComm::GetInput() {
    const bool firstRead = !opened_;
    opened_ = true;
    wifi::Bytes bytes = inner_.GetInput();
    if (firstRead) {
        return bytes;  // the read that discards what was pending before the open
    }
    partial_.append(bytes.begin(), bytes.end());
    for (std::size_t end; (end = partial_.find("\r\n")) != std::string::npos;) {
        Print("<", partial_.substr(0, end + 2));
        partial_.erase(0, end + 2);
    }
    return bytes;
}

void TracingComm::SetOutput(const wifi::Bytes& bytes) {
    inner_.SetOutput(bytes);
    Print(">", std::string(bytes.begin(), bytes.end()));
}

}  // namespace cli
