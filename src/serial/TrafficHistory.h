#pragma once

#include <deque>
#include <functional>
#include <string>

#include "serial/TrafficFormat.h"

namespace wifi {

// Every line sent to and received from a module, with its time, port and
// direction: the latest kMaxLines of them, for a window's traffic view.
class TrafficHistory {
  public:
    static constexpr std::size_t kMaxLines = 5000;
    struct Entry {
        WallClock::time_point time;
        std::string port;
        LineDirection direction;
        std::string line;
    };
    void Add(const std::string& port, LineDirection direction, const std::string& line);
    void Clear() { entries_.clear(); }
    const std::deque<Entry>& entries() const { return entries_; }
    // Told each line as it is added (an open view).
    std::function<void(const Entry&)> onAdded;

    // A line as the view shows it: "12:00:01.250 /dev/ttyUSB0 >
    // AT+SZ_SSID=Office\r\n", the key and the web password masked unless
    // `unmasked`.
    static std::string Render(const Entry& entry, bool unmasked);

  private:
    std::deque<Entry> entries_;
};

}  // namespace wifi
