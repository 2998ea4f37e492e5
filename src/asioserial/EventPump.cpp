#include "asioserial/EventPump.h"

#include <asio/post.hpp>

namespace wifi {

EventPump::EventPump() : work_(asio::make_work_guard(io_)) {}

void EventPump::Defer(std::function<void()> event) {
    deferred_.push_back(std::move(event));
}

void EventPump::RunUntil(const std::function<bool()>& done) {
    for (;;) {
        while (!deferred_.empty()) {
            if (done()) {
                return;
            }
            const std::function<void()> event = std::move(deferred_.front());
            deferred_.pop_front();
            event();
        }
        if (done()) {
            return;
        }
        io_.run_one();
    }
}

void EventPump::PollCompletions() {
    io_.poll();
}

void EventPump::Wake() {
    asio::post(io_, [] {});
}

}  // namespace wifi
