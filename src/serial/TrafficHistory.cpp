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

std::string TrafficHistory::Render(const Entry& entry, const View& view) {
    const std::string line = view.unmasked ? entry.line : MaskSecret(entry.line);
    const auto text = view.decode ? view.decode(line) : std::nullopt;
    return TracePrefix(LocalDateTime(entry.time), entry.port, entry.direction) +
           (text ? VisibleText(*text) : VisibleBytes(line));
}

}  // namespace wifi
