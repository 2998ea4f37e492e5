#pragma once

#include <asio/executor_work_guard.hpp>
#include <asio/io_context.hpp>
#include <deque>
#include <functional>

namespace wifi {

// One thread's event loop on an Asio io_context. Completion handlers (a read
// that came back, a timer that expired) only record what happened and defer
// the event; the events are delivered between handlers, never inside one. A
// handler of the dialog that looks for input in the middle of its work (the
// read before each command) may therefore run the completions that are ready
// without finding itself called again.
class EventPump {
  public:
    EventPump();
    EventPump(const EventPump&) = delete;
    EventPump& operator=(const EventPump&) = delete;

    asio::io_context& io() { return io_; }

    // From a completion handler: `event` runs once the work in progress has
    // returned, in the order deferred.
    void Defer(std::function<void()> event);
    // Delivers deferred events and runs completion handlers until done()
    // holds; done() is asked before each event and after each handler.
    void RunUntil(const std::function<bool()>& done);
    // Runs the completion handlers that are ready now and returns; their
    // events stay deferred.
    void PollCompletions();
    // From any thread: RunUntil asks done() again.
    void Wake();

  private:
    asio::io_context io_;
    asio::executor_work_guard<asio::io_context::executor_type> work_;
    std::deque<std::function<void()>> deferred_;
};

}  // namespace wifi
