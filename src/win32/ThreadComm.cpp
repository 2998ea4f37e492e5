#include "win32/ThreadComm.h"

#include <asio/post.hpp>

namespace wifi {

ThreadComm::ThreadComm(std::function<std::string(int)> portName)
    : comm_(std::make_unique<AsioComm>(pump_, std::move(portName))) {
    comm_->onReceive = [this] {
        if (onReceive) {
            onReceive();
        }
    };
    comm_->onLost = [this](const CommError& lost) {
        if (onLost) {
            onLost(lost);
        }
    };
    // The loop sleeps in the system until the line or the window wants it.
    thread_ = std::thread([this] { pump_.RunUntil([this] { return stopping_; }); });
}

ThreadComm::~ThreadComm() {
    Call([this] {
        if (comm_->GetPortOpen()) {
            try {
                comm_->SetPortOpen(false);
            } catch (const CommError&) {
                // A port that fails as the window closes has nothing more to say.
            }
        }
        stopping_ = true;
        return 0;
    });
    thread_.join();
    comm_.reset();
}

template <class F>
auto ThreadComm::Call(F f) -> decltype(f()) {
    using Result = decltype(f());
    std::promise<Result> done;
    auto result = done.get_future();
    asio::post(pump_.io(), [&f, &done] {
        try {
            if constexpr (std::is_void_v<Result>) {
                f();
                done.set_value();
            } else {
                done.set_value(f());
            }
        } catch (...) {
            done.set_exception(std::current_exception());
        }
    });
    return result.get();
}

void ThreadComm::SetCommPort(short port) {
    Call([&] { comm_->SetCommPort(port); });
}
void ThreadComm::SetInputMode(long mode) {
    Call([&] { comm_->SetInputMode(mode); });
}
void ThreadComm::SetInBufferSize(short size) {
    Call([&] { comm_->SetInBufferSize(size); });
}
void ThreadComm::SetOutBufferSize(short size) {
    Call([&] { comm_->SetOutBufferSize(size); });
}
void ThreadComm::SetSettings(const std::string& settings) {
    Call([&] { comm_->SetSettings(settings); });
}
void ThreadComm::SetPortOpen(bool open) {
    Call([&] { comm_->SetPortOpen(open); });
}
bool ThreadComm::GetPortOpen() {
    return Call([&] { return comm_->GetPortOpen(); });
}
void ThreadComm::SetRThreshold(short threshold) {
    Call([&] { comm_->SetRThreshold(threshold); });
}
void ThreadComm::SetInputLen(short length) {
    Call([&] { comm_->SetInputLen(length); });
}
Bytes ThreadComm::GetInput() {
    return Call([&] { return comm_->GetInput(); });
}
void ThreadComm::SetOutput(const Bytes& bytes) {
    Call([&] { comm_->SetOutput(bytes); });
}
short ThreadComm::GetCommEvent() {
    return Call([&] { return comm_->GetCommEvent(); });
}
void ThreadComm::SetInBufferCount(short count) {
    Call([&] { comm_->SetInBufferCount(count); });
}
std::string ThreadComm::device() {
    return Call([&] { return comm_->device(); });
}

}  // namespace wifi
