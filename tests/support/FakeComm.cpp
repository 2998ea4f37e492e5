#include "FakeComm.h"

#include <algorithm>

#include "serial/CommError.h"

namespace wifi {

void FakeComm::Set(const char* property, const std::string& value) {
    Access(property, std::string(1, '=').append(value));
}

void FakeComm::Access(const std::string& property, const std::string& what) {
    if (record_) {
        accesses_.push_back(property + what);
    }
    // A failure of a property, or of one access to it ("PortOpen=1").
    for (const std::string& key : {property, property + what}) {
        if (auto it = failures_.find(key); it != failures_.end()) {
            throw CommError(it->second);
        }
    }
}

void FakeComm::SetCommPort(short port) {
    Set("CommPort", std::to_string(port));
    commPort_ = port;
}

void FakeComm::SetInputMode(long mode) {
    Set("InputMode", std::to_string(mode));
}

void FakeComm::SetInBufferSize(short size) {
    Set("InBufferSize", std::to_string(size));
    inBufferSize_ = size;
}

void FakeComm::SetOutBufferSize(short size) {
    Set("OutBufferSize", std::to_string(size));
}

void FakeComm::SetSettings(const std::string& settings) {
    Set("Settings", settings);
}

void FakeComm::SetPortOpen(bool open) {
    Access("PortOpen", open ? "=1" : "=0");
    if (open) {
        if (open_) {
            throw CommError("port already open");
        }
        if (commPort_ < 1 || commPort_ > portCount_) {
            throw CommError(commPort_ == 0 ? "no port selected"
                                           : "no such port: " + std::to_string(commPort_));
        }
    }
    open_ = open;
}

bool FakeComm::GetPortOpen() {
    Access("PortOpen", "?");
    return open_;
}

void FakeComm::SetRThreshold(short threshold) {
    Set("RThreshold", std::to_string(threshold));
}

void FakeComm::SetInputLen(short length) {
    Set("InputLen", std::to_string(length));
}

Bytes FakeComm::GetInput() {
    Access("Input", "?");
    if (!open_) {
        throw CommError("port is closed");
    }
    const auto n = std::min(pending_.size(), static_cast<std::size_t>(inBufferSize_));
    Bytes out(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
    pending_.erase(0, n);
    return out;
}

void FakeComm::SetOutput(const Bytes& bytes) {
    Set("Output", std::string(bytes.begin(), bytes.end()));
    if (!open_) {
        throw CommError("port is closed");
    }
    written_.append(bytes.begin(), bytes.end());
}

short FakeComm::GetCommEvent() {
    Access("CommEvent", "?");
    return event_;
}

void FakeComm::SetInBufferCount(short count) {
    Set("InBufferCount", std::to_string(count));
    if (count == 0) {
        pending_.clear();
    }
}

void FakeComm::QueueInput(const std::string& bytes) {
    pending_ += bytes;
}

void FakeComm::Deliver(const std::string& bytes) {
    pending_ += bytes;
    event_ = comEvReceive;
    if (onComm) {
        onComm();
    }
}

void FakeComm::DeliverInChunks(const std::string& bytes, std::size_t chunkSize) {
    for (std::size_t i = 0; i < bytes.size(); i += chunkSize) {
        Deliver(bytes.substr(i, chunkSize));
    }
}

void FakeComm::DeliverOtherEvent(short event) {
    event_ = event;
    if (onComm) {
        onComm();
    }
}

void FakeComm::FailOn(const std::string& property, const std::string& description) {
    failures_[property] = description;
}

std::vector<std::string> FakeComm::WrittenLines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = written_.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(written_.substr(start, end + 2 - start));
    }
    if (start < written_.size()) {
        lines.push_back(written_.substr(start));
    }
    return lines;
}

}  // namespace wifi
