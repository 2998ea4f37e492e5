#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wifi {

// The bytes received and not yet taken, as lines. Modules end their lines
// with "\r\n", and some with "\n", "\r" or "\n\r": any carriage return or
// line feed ends a line, and the empty lines between the two bytes of a pair
// are nothing. A line counts only once its line end has arrived, so a reply
// split across receive events is taken whole, and a reply word inside a
// longer line never stands for a reply.
//
// A run of bytes without a line end (a chatty module, line noise) cannot grow
// memory: a partial line longer than kLimit is dropped, and so is the rest of
// it when its line end comes, for its front is gone. The search for a line
// end resumes where the last one stopped, so one byte per event costs a
// constant, not the buffer's size.
class ReceiveBuffer {
  public:
    static constexpr std::size_t kLimit = 64 * 1024;

    struct Line {
        std::string text;  // without its line end
        // It was whole before the last MarkSent: it came before the command
        // in flight went out and cannot answer it.
        bool begunBefore = false;
    };

    void Append(std::string_view bytes);
    // The next whole line; nothing when none is waiting.
    std::optional<Line> TakeLine();
    // A command went out: every byte held now is older than it. A line not
    // yet ended then (boot noise, the tail of an earlier answer) is cut
    // there: what arrives next starts a line of its own, so nothing received
    // before the command joins the first line of its answer.
    void MarkSent();
    // Bytes of a line not yet ended are waiting.
    bool HoldsPartialLine() const { return !data_.empty(); }
    void Clear();

    const std::string& str() const { return data_; }
    std::size_t size() const { return data_.size(); }
    bool empty() const { return data_.empty(); }

  private:
    std::string data_;
    std::size_t scanned_ = 0;        // no line end starts before this offset
    std::size_t olderThanSend_ = 0;  // the first bytes, held since before the last send
    // Where the line starts that lost its first bytes; kNoCut when none did.
    static constexpr std::size_t kNoCut = static_cast<std::size_t>(-1);
    std::size_t cutAt_ = kNoCut;
};

}  // namespace wifi
