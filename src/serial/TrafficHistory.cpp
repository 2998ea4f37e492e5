#include "serial/TrafficHistory.h"

#include "protocol/Secrets.h"

namespace wifi {

void TrafficHistory::Add(const std::string& port, LineDirection direction,
                         const std::string& line) {
    entries_.push_back({WallClock::now(), port, direction, line});
    if (entries_.size() > kMaxLines) {
        entries_.pop_front();
    }
    if (onAdded) {
        onAdded(entries_.back());
    }
}

std::string TrafficHistory::Render(const Entry& entry, bool unmasked) {
    return TraceLine(ClockTime(entry.time), entry.port, entry.direction,
                     unmasked ? entry.line : MaskSecret(entry.line));
}

}  // namespace wifi
