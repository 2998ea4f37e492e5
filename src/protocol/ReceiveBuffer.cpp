#include "protocol/ReceiveBuffer.h"

#include <algorithm>

#include "protocol/Commands.h"

namespace wifi {

void ReceiveBuffer::Append(std::string_view bytes) {
    data_.append(bytes);
    if (data_.size() <= kLimit) {
        return;
    }
    // Whole lines stay; the partial line after them goes, but for a carriage
    // return at its end, which the next byte may make a line end.
    const auto lastEnd = data_.rfind(cmd::kLineEnd);
    const std::size_t partialAt = lastEnd == std::string::npos ? 0 : lastEnd + 2;
    if (data_.size() - partialAt <= kLimit) {
        return;
    }
    const bool endsInCr = data_.back() == '\r';
    data_.resize(partialAt);
    if (endsInCr) {
        data_.push_back('\r');
    }
    scanned_ = std::min(scanned_, partialAt);
    cutAt_ = partialAt;
}

std::optional<std::string> ReceiveBuffer::TakeLine() {
    for (;;) {
        const auto end = data_.find(cmd::kLineEnd, scanned_);
        if (end == std::string::npos) {
            // A line end could still start at the last byte.
            scanned_ = data_.empty() ? 0 : data_.size() - 1;
            return std::nullopt;
        }
        std::string line = data_.substr(0, end);
        const std::size_t taken = end + cmd::kLineEnd.size();
        data_.erase(0, taken);
        scanned_ = 0;
        if (cutAt_ == 0) {
            cutAt_ = kNoCut;  // the tail of a line whose front was dropped
            continue;
        }
        if (cutAt_ != kNoCut) {
            cutAt_ -= taken;
        }
        return line;
    }
}

void ReceiveBuffer::Clear() {
    data_.clear();
    scanned_ = 0;
    cutAt_ = kNoCut;
}

}  // namespace wifi
