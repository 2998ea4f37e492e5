#include "TrafficLog.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "serial/TrafficFormat.h"

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

void TrafficLog::Write(std::string_view direction, std::string_view bytes) {
    if (!file_) {
        return;
    }
    const std::string stamp = wifi::UtcStamp(wifi::WallClock::now());
    std::fprintf(file_, "%s %.*s \"%s\"\n", stamp.c_str(), static_cast<int>(direction.size()),
                 direction.data(), wifi::QuotedBytes(bytes).c_str());
    std::fflush(file_);
}

}  // namespace sim
