#include "Trace.h"

#include <cstdio>
#include <mutex>

namespace cli {

void PrintTraceLine(const std::string& port, wifi::LineDirection direction,
                    const std::string& line) {
    static std::mutex lock;
    const std::string text =
        wifi::TraceLine(wifi::ClockTime(wifi::WallClock::now()), port, direction, line);
    std::lock_guard<std::mutex> hold(lock);
    std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace cli
