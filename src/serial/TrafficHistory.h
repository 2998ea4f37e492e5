#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

    // How a view shows its lines.
    struct View {
        bool unmasked = false;  // the key and the web password as they are
        // The texts a line holds, decoded in the encoding the form uses; no
        // decode, or bytes it cannot read, show as escapes (\xB2).
        std::function<std::optional<std::string>(std::string_view)> decode;
    };
    // A line as the view shows it: "2026-12-07 12:00:01.250 /dev/ttyUSB0 >
    // AT+SZ_SSID=办公室\r\n", the key and the web password masked unless
    // unmasked, line ends and other control bytes escaped.
    static std::string Render(const Entry& entry, const View& view);

  private:
    std::deque<Entry> entries_;
};

}  // namespace wifi
