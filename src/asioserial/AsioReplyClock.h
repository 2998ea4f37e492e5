#pragma once

#include <asio/steady_timer.hpp>
#include <functional>

#include "asioserial/EventPump.h"
#include "protocol/ReplyClock.h"

namespace wifi {

// The dialog's reply clock on an Asio steady_timer: its expiry runs onExpire
// (the dialog's OnTimer) through the pump, never inside a handler, and never
// for a start that a later start or a stop has replaced.
class AsioReplyClock : public SteadyReplyClock {
  public:
    AsioReplyClock(EventPump& pump, std::function<void()> onExpire);
    void Start(Duration after) override;
    void Stop() override;

  private:
    EventPump& pump_;
    asio::steady_timer timer_;
    std::function<void()> onExpire_;
    unsigned started_ = 0;
};

}  // namespace wifi
