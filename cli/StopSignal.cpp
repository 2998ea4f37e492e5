#include "StopSignal.h"

#include <asio/io_context.hpp>
#include <asio/signal_set.hpp>
#include <csignal>
#include <cstdlib>
#include <thread>

namespace cli {

void StopSignal::Raise(int sig) {
    int none = 0;
    number_.compare_exchange_strong(none, sig);
    std::lock_guard<std::mutex> hold(lock_);
    raised_.notify_all();
    for (const auto& wake : listeners_) {
        wake();
    }
}

bool StopSignal::Wait(std::chrono::milliseconds time) {
    std::unique_lock<std::mutex> hold(lock_);
    return raised_.wait_for(hold, time, [this] { return number() != 0; });
}

StopSignal::Listener::Listener(StopSignal* stop, std::function<void()> wake) : stop_(stop) {
    if (stop_) {
        std::lock_guard<std::mutex> hold(stop_->lock_);
        at_ = stop_->listeners_.insert(stop_->listeners_.end(), std::move(wake));
    }
}

StopSignal::Listener::~Listener() {
    if (stop_) {
        std::lock_guard<std::mutex> hold(stop_->lock_);
        stop_->listeners_.erase(at_);
    }
}

struct SignalWatch::State {
    asio::io_context io;
    asio::signal_set signals{io, SIGINT, SIGTERM};
    std::thread thread;
};

namespace {

void Await(asio::signal_set& signals, StopSignal& stop) {
    signals.async_wait([&signals, &stop](const std::error_code& error, int sig) {
        if (error) {
            return;
        }
        if (stop.number() != 0) {
            std::_Exit(128 + stop.number());  // asked twice: no more waiting
        }
        stop.Raise(sig);
        Await(signals, stop);
    });
}

}  // namespace

SignalWatch::SignalWatch(StopSignal& stop) : state_(std::make_unique<State>()) {
#ifdef SIGBREAK
    state_->signals.add(SIGBREAK);  // Ctrl+Break in a Windows console
#endif
#ifdef SIGHUP
    // A terminal closed mid-write: as SIGTERM, nothing more is sent and the
    // result and the record say what was saved.
    state_->signals.add(SIGHUP);
#endif
    Await(state_->signals, stop);
    state_->thread = std::thread([this] { state_->io.run(); });
}

SignalWatch::~SignalWatch() {
    state_->io.stop();
    state_->thread.join();
}

}  // namespace cli
