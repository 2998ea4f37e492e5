#include "protocol/ReplyTimeout.h"

#include <algorithm>
#include <charconv>

namespace wifi {

std::optional<ReplyClock::Duration> ParseReplyTimeout(std::string_view text) {
    if (text.empty() || text.size() > 12 ||
        text.find_first_not_of("0123456789.") != std::string_view::npos ||
        std::count(text.begin(), text.end(), '.') > 1 || text.front() == '.' ||
        text.back() == '.') {
        return std::nullopt;
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value < 0.1 || value > 3600) {
        return std::nullopt;
    }
    return ReplyClock::Duration(static_cast<long long>(value * 1000 + 0.5));
}

}  // namespace wifi
