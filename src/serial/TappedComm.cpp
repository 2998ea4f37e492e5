#include "serial/TappedComm.h"

namespace wifi {

void TappedComm::SetPortOpen(bool open) {
    inner_.SetPortOpen(open);
    // A new session: nothing of the last one's unfinished line carries over.
    partial_.clear();
    opened_ = false;
}

Bytes TappedComm::GetInput() {
    const bool firstRead = !opened_;
    opened_ = true;
    Bytes bytes = inner_.GetInput();
    if (firstRead) {
        return bytes;  // the read that discards what was pending before the open
    }
    partial_.append(bytes.begin(), bytes.end());
    // A line ends at a carriage return or a line feed, and takes the other
    // one of the pair with it when it follows.
    for (std::size_t end; (end = partial_.find_first_of("\r\n")) != std::string::npos;) {
        std::size_t taken = end + 1;
        if (taken < partial_.size() && (partial_[taken] == '\r' || partial_[taken] == '\n') &&
            partial_[taken] != partial_[end]) {
            ++taken;
        }
        if (end > 0) {
            listener_(LineDirection::Received, partial_.substr(0, taken));
        }
        partial_.erase(0, taken);
    }
    return bytes;
}

void TappedComm::SetOutput(const Bytes& bytes) {
    inner_.SetOutput(bytes);
    listener_(LineDirection::Sent, std::string(bytes.begin(), bytes.end()));
}

}  // namespace wifi
