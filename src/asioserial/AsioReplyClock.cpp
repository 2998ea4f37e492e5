#include "asioserial/AsioReplyClock.h"

namespace wifi {

AsioReplyClock::AsioReplyClock(EventPump& pump, std::function<void()> onExpire)
    : pump_(pump), timer_(pump.io()), onExpire_(std::move(onExpire)) {}

void AsioReplyClock::Start(Duration after) {
    const unsigned start = ++started_;
    timer_.expires_after(after);
    timer_.async_wait([this, start](const std::error_code& error) {
        if (error || start != started_) {
            return;
        }
        pump_.Defer([this, start] {
            if (start == started_) {
                onExpire_();
            }
        });
    });
}

void AsioReplyClock::Stop() {
    ++started_;
    timer_.cancel();
}

}  // namespace wifi
