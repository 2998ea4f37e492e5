#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <list>
#include <memory>
#include <mutex>

namespace cli {

// The signal that asks every job to stop (SIGINT, SIGTERM, SIGHUP, and on
// Windows Ctrl+Break's SIGBREAK): each stops sending, closes its port and reports;
// the process then exits 128 + the signal's number.
class StopSignal {
  public:
    // The signal's number, 0 until one came.
    int number() const { return number_.load(); }
    // The first signal counts; every listener is woken.
    void Raise(int sig);
    // Waits for `time`, less when a signal comes; true when one has come.
    bool Wait(std::chrono::milliseconds time);

    // Calls wake (on the signal's thread) when a signal comes, for as long
    // as it lives.
    class Listener {
      public:
        Listener(StopSignal* stop, std::function<void()> wake);
        ~Listener();
        Listener(const Listener&) = delete;
        Listener& operator=(const Listener&) = delete;

      private:
        StopSignal* stop_;
        std::list<std::function<void()>>::iterator at_;
    };

  private:
    std::atomic<int> number_{0};
    std::mutex lock_;
    std::condition_variable raised_;
    std::list<std::function<void()>> listeners_;
};

// Delivers SIGINT, SIGTERM and SIGHUP (and SIGBREAK where there is one) to `stop`
// from a thread of its own while it lives. A second signal ends the process
// at once.
class SignalWatch {
  public:
    explicit SignalWatch(StopSignal& stop);
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace cli
