#include "OutputQueue.h"

#include <algorithm>

namespace sim {

namespace {
// Paced output goes out in small pieces so that it arrives as a steady stream.
constexpr std::size_t kPacedPiece = 16;
}  // namespace

std::chrono::steady_clock::duration WireTime(long baud, std::size_t bytes) {
    if (baud <= 0) {
        return std::chrono::steady_clock::duration::zero();
    }
    const auto nanos = (static_cast<long long>(bytes) * 10 * 1'000'000'000LL + baud - 1) / baud;
    return std::chrono::ceil<std::chrono::steady_clock::duration>(std::chrono::nanoseconds(nanos));
}

void OutputQueue::Enqueue(std::string_view bytes, Clock::time_point now) {
    if (pending_.empty()) {
        wireFreeAt_ = std::max(wireFreeAt_, now);
    }
    const auto room = kMaxQueued - std::min(kMaxQueued, pending_.size());
    pending_.append(bytes.substr(0, room));
}

std::size_t OutputQueue::PieceSize() const {
    std::size_t n = pending_.size();
    if (chunk_ > 0) {
        n = std::min(n, chunk_);
    }
    if (paceBaud_ > 0) {
        n = std::min(n, kPacedPiece);
    }
    return n;
}

OutputQueue::Clock::time_point OutputQueue::NextWriteAt() const {
    return std::max(wireFreeAt_ + WireTime(paceBaud_, PieceSize()), nextChunkAt_);
}

std::string_view OutputQueue::NextPiece(Clock::time_point now) const {
    if (pending_.empty() || now < NextWriteAt()) {
        return {};
    }
    return std::string_view(pending_).substr(0, PieceSize());
}

void OutputQueue::Written(std::size_t n, Clock::time_point now) {
    if (paceBaud_ > 0) {
        wireFreeAt_ += WireTime(paceBaud_, n);
    } else {
        wireFreeAt_ = now;
    }
    pending_.erase(0, n);
    if (chunk_ > 0) {
        nextChunkAt_ = now + kChunkGap;
    }
}

}  // namespace sim
