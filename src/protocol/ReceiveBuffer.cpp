#include "protocol/ReceiveBuffer.h"

#include <algorithm>

namespace wifi {

void ReceiveBuffer::Append(std::string_view bytes) {
    data_.append(bytes);
    if (data_.size() > kLimit) {
        data_.erase(0, data_.size() - kKeep);
        ForgetSearches();
    }
}

bool ReceiveBuffer::Contains(std::string_view token) const {
    auto it = std::find_if(searches_.begin(), searches_.end(),
                           [&](const Search& s) { return s.token == token; });
    if (it == searches_.end()) {
        searches_.push_back(Search{std::string(token)});
        it = std::prev(searches_.end());
    }
    if (it->found) {
        return true;
    }
    if (data_.find(token, it->nextStart) != std::string::npos) {
        it->found = true;
        return true;
    }
    // An occurrence could still start within the last token-length-1 bytes.
    if (data_.size() >= token.size()) {
        it->nextStart = std::max(it->nextStart, data_.size() - token.size() + 1);
    }
    return false;
}

void ReceiveBuffer::Clear() {
    data_.clear();
    ForgetSearches();
}

void ReceiveBuffer::ForgetSearches() const {
    for (auto& s : searches_) {
        s.nextStart = 0;
        s.found = false;
    }
}

}  // namespace wifi
