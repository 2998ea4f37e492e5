#include "LineReader.h"

namespace sim {

std::vector<LineReader::Item> LineReader::Feed(std::string_view bytes) {
    std::vector<Item> items;
    for (char c : bytes) {
        pending_.push_back(c);
        if (pending_.size() >= 2 && pending_[pending_.size() - 2] == '\r' && c == '\n') {
            pending_.resize(pending_.size() - 2);
            items.push_back({std::move(pending_), false});
            pending_.clear();
        } else if (pending_.size() > kMaxLine) {
            // Keep a trailing "\r": it may be the start of the line end.
            const bool keepCr = c == '\r';
            pending_.clear();
            if (keepCr) {
                pending_.push_back('\r');
            }
            items.push_back({std::string(), true});
        }
    }
    return items;
}

}  // namespace sim
