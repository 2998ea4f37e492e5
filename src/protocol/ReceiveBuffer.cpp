#include "protocol/ReceiveBuffer.h"

#include <algorithm>

namespace wifi {

namespace {
constexpr std::string_view kLineEndBytes = "\r\n";
}  // namespace

void ReceiveBuffer::Append(std::string_view bytes) {
    data_.append(bytes);
    if (data_.size() <= kLimit) {
        return;
    }
    // Whole lines stay; the partial line after them goes.
    const auto lastEnd = data_.find_last_of(kLineEndBytes);
    const std::size_t partialAt = lastEnd == std::string::npos ? 0 : lastEnd + 1;
    if (data_.size() - partialAt <= kLimit) {
        return;
    }
    data_.resize(partialAt);
    scanned_ = std::min(scanned_, partialAt);
    olderThanSend_ = std::min(olderThanSend_, partialAt);
    cutAt_ = partialAt;
}

std::optional<ReceiveBuffer::Line> ReceiveBuffer::TakeLine() {
    for (;;) {
        const auto end = data_.find_first_of(kLineEndBytes, scanned_);
        if (end == std::string::npos) {
            scanned_ = data_.size();
            return std::nullopt;
        }
        Line line{data_.substr(0, end), olderThanSend_ > 0};
        const std::size_t taken = end + 1;
        data_.erase(0, taken);
        scanned_ = 0;
        olderThanSend_ = olderThanSend_ > taken ? olderThanSend_ - taken : 0;
        if (cutAt_ == 0) {
            cutAt_ = kNoCut;  // the tail of a line whose front was dropped
            continue;
        }
        if (cutAt_ != kNoCut) {
            cutAt_ -= taken;
        }
        if (line.text.empty()) {
            continue;  // the second byte of a "\r\n" or "\n\r", or a blank line
        }
        return line;
    }
}

void ReceiveBuffer::MarkSent() {
    const auto lastEnd = data_.find_last_of(kLineEndBytes);
    const std::size_t partialAt = lastEnd == std::string::npos ? 0 : lastEnd + 1;
    data_.resize(partialAt);
    scanned_ = std::min(scanned_, partialAt);
    olderThanSend_ = partialAt;
    if (cutAt_ != kNoCut && cutAt_ >= partialAt) {
        cutAt_ = kNoCut;  // the cut line went with the partial one
    }
}

void ReceiveBuffer::Clear() {
    data_.clear();
    scanned_ = 0;
    olderThanSend_ = 0;
    cutAt_ = kNoCut;
}

}  // namespace wifi
