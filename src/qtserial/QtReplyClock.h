#pragma once

#include <QTimer>
#include <functional>

#include "protocol/ReplyClock.h"

namespace wifi {

// The dialog's reply clock on a single-shot QTimer: its expiry runs onExpire
// (the dialog's OnTimer) from the event loop, never inside a handler.
class QtReplyClock : public SteadyReplyClock {
  public:
    explicit QtReplyClock(std::function<void()> onExpire);
    void Start(Duration after) override { timer_.start(after); }
    void Stop() override { timer_.stop(); }

  private:
    QTimer timer_;
};

}  // namespace wifi
