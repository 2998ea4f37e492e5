#include "TrafficLog.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>

namespace sim {

TrafficLog::~TrafficLog() {
    if (file_) {
        std::fclose(file_);
    }
}

bool TrafficLog::Open(const std::string& path, std::string& error) {
    file_ = std::fopen(path.c_str(), "a");
    if (!file_) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

std::string Escape(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        switch (c) {
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default:
                if (c < 0x20 || c >= 0x7f) {
                    char hex[5];
                    std::snprintf(hex, sizeof hex, "\\x%02X", c);
                    out += hex;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out;
}

void TrafficLog::Write(std::string_view direction, std::string_view bytes) {
    if (!file_) {
        return;
    }
    const auto now = std::chrono::system_clock::now();
    const auto secs = std::chrono::system_clock::to_time_t(now);
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() %
        1000000;
    std::tm utc{};
    gmtime_r(&secs, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &utc);
    std::fprintf(file_, "%s.%06lldZ %.*s \"%s\"\n", stamp, static_cast<long long>(micros),
                 static_cast<int>(direction.size()), direction.data(), Escape(bytes).c_str());
    std::fflush(file_);
}

}  // namespace sim
