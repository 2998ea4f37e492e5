#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace sim {

// How long bytes take on a line of this speed at 10 bits a byte (start, 8
// data, stop), rounded up; zero for an unpaced line (baud 0).
std::chrono::steady_clock::duration WireTime(long baud, std::size_t bytes);

// Bytes waiting to go to the terminal, released no faster than the line
// allows. With a pace, a piece is handed over only once its last byte would
// have crossed a line of that speed, so a reader never gets an answer sooner
// than the real wire would deliver it. With a chunk size, pieces are at most
// that long and a short gap separates them.
class OutputQueue {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kMaxQueued = 1 << 20;  // a UART drops, it does not hoard
    static constexpr std::chrono::milliseconds kChunkGap{2};

    OutputQueue(long paceBaud, std::size_t chunk) : paceBaud_(paceBaud), chunk_(chunk) {}

    void Enqueue(std::string_view bytes, Clock::time_point now);
    bool empty() const { return pending_.empty(); }

    // When the next piece may be written; now or earlier when it may be now.
    Clock::time_point NextWriteAt() const;
    // The next piece to write; empty when nothing may be written yet.
    std::string_view NextPiece(Clock::time_point now) const;
    // Records that n bytes of the piece were written at now.
    void Written(std::size_t n, Clock::time_point now);

  private:
    std::size_t PieceSize() const;

    long paceBaud_;
    std::size_t chunk_;
    std::string pending_;
    Clock::time_point wireFreeAt_{};   // when the line finished its last byte
    Clock::time_point nextChunkAt_{};  // end of the gap after the last piece
};

}  // namespace sim
