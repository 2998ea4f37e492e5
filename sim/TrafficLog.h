#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace sim {

// Appends what crosses the line, one entry a line:
//   2026-12-07T04:05:06.123456Z recv "AT+SZ_CHECKCONFIG=ALL\r\n"
//   2026-12-07T04:05:06.175010Z send "NetworkType:STA\r\n"
// The quoted bytes are escaped C-style (\r, \n, \", \\, \xHH), so counting the
// bytes of a session needs nothing but the log.
class TrafficLog {
  public:
    TrafficLog() = default;
    TrafficLog(const TrafficLog&) = delete;
    TrafficLog& operator=(const TrafficLog&) = delete;
    ~TrafficLog();

    bool Open(const std::string& path, std::string& error);
    void Write(std::string_view direction, std::string_view bytes);

  private:
    std::FILE* file_ = nullptr;
};

}  // namespace sim
