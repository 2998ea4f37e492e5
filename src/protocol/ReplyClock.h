#pragma once

#include <chrono>

namespace wifi {

// The one clock of a connection's waits: for a reply, and for a quiet line
// before the configure command and after the save. The dialog decides what a
// wait is and when it ends; a front end supplies the timer (a QTimer, an Asio
// steady_timer, SetTimer) and calls the dialog's OnTimer when it fires.
class ReplyClock {
  public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::milliseconds;

    virtual ~ReplyClock() = default;
    virtual TimePoint Now() const = 0;
    // OnTimer runs once, `after` from now; a start replaces the one before.
    virtual void Start(Duration after) = 0;
    virtual void Stop() = 0;
};

// A clock on the steady clock, for front ends whose timers only need
// starting and stopping.
class SteadyReplyClock : public ReplyClock {
  public:
    TimePoint Now() const override { return std::chrono::steady_clock::now(); }
};

}  // namespace wifi
