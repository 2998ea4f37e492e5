#pragma once

#include <functional>
#include <optional>

#include "protocol/ReplyClock.h"

namespace wifi::testing {

// A reply clock whose time moves only when a test says so. Pass() is time
// spent inside a handler (a pause): nothing fires. Elapse() is time that
// passes between events: the timer fires when its moment comes, as a front
// end's timer would.
class FakeClock : public ReplyClock {
  public:
    TimePoint Now() const override { return now_; }
    void Start(Duration after) override { due_ = now_ + after; }
    void Stop() override { due_.reset(); }

    // Runs when the timer fires: the dialog's OnTimer.
    std::function<void()> onExpire;

    void Pass(Duration d) { now_ += d; }
    void Elapse(Duration d) {
        const TimePoint until = now_ + d;
        while (due_ && *due_ <= until) {
            now_ = std::max(now_, *due_);
            due_.reset();
            if (onExpire) {
                onExpire();
            }
        }
        now_ = until;
    }
    // How long until the timer fires; nothing when it is stopped.
    std::optional<Duration> Armed() const {
        if (!due_) {
            return std::nullopt;
        }
        return std::chrono::duration_cast<Duration>(*due_ - now_);
    }

  private:
    TimePoint now_{};
    std::optional<TimePoint> due_;
};

}  // namespace wifi::testing
