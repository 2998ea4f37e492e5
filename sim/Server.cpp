#include "Server.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>

namespace sim {

namespace {

using Clock = OutputQueue::Clock;
constexpr std::chrono::milliseconds kNoiseInterval{700};

// What a module prints of its own accord. None of it holds a reply token.
constexpr std::array<std::string_view, 3> kNoise = {
    "+EVENT:LINK_UP\r\n",
    "+RSSI:-47\r\n",
    "+EVENT:DHCP_RENEW\r\n",
};

// The wait until `when`, at most a second. Nanoseconds, not milliseconds: a paced line must not
// lose up to a millisecond at every turn.
Clock::duration Until(Clock::time_point when, Clock::time_point now) {
    return std::clamp<Clock::duration>(when - now, Clock::duration::zero(),
                                       std::chrono::seconds(1));
}

std::optional<Clock::duration> Sooner(std::optional<Clock::duration> a, Clock::duration b) {
    return a ? std::min(*a, b) : b;
}

}  // namespace

Server::Server(const Options& options, ModuleLogic& module, Pty& pty, TrafficLog& log)
    : options_(options),
      module_(module),
      pty_(pty),
      log_(log),
      out_(options.paceBaud, options.chunk) {}

void Server::Send(std::string_view bytes) {
    // The module's own line end in place of "\r\n".
    std::string out;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto end = bytes.find("\r\n", at);
        out.append(bytes.substr(at, end == std::string_view::npos ? bytes.npos : end - at));
        if (end == std::string_view::npos) {
            break;
        }
        out.append(options_.eol);
        at = end + 2;
    }
    // One log entry a line, as the other side will read them.
    for (std::size_t at = 0; at < out.size();) {
        auto end = out.find(options_.eol, at);
        end = end == std::string::npos ? out.size() : end + options_.eol.size();
        log_.Write("send", std::string_view(out).substr(at, end - at));
        at = end;
    }
    out_.Enqueue(out, Clock::now());
}

void Server::SaveIfAsked(bool saved) {
    if (!saved || !options_.state) {
        return;
    }
    std::string error;
    if (!SaveState(*options_.state, module_.config(), error)) {
        std::fprintf(stderr, "wifi-module-sim: cannot save state: %s\n", error.c_str());
    }
}

void Server::HandleLine(const std::string& line) {
    log_.Write("recv", line + "\r\n");
    if (options_.hangupAfter > 0 && ++lines_ >= options_.hangupAfter) {
        hangingUp_ = true;  // unplugged as this line arrived: it gets no answer
        return;
    }
    if (options_.swapAfter > 0 && ++seen_ == options_.swapAfter) {
        module_.BecomeAnotherModule();
        log_.Write("swap", "");
    }
    if (options_.echo) {
        Send(line + "\r\n");
    }
    const auto outcome = module_.Handle(line);
    if (options_.chatterBeforeReport > 0 &&
        outcome.answer.find("Web_Password:") != std::string::npos) {
        std::string chatter;
        for (unsigned i = 0; chatter.size() < options_.chatterBeforeReport; ++i) {
            chatter += "+EVENT:CHATTER " + std::to_string(i) + "\r\n";
        }
        Send(chatter);
    }
    if (!outcome.answer.empty()) {
        Send(outcome.answer);
    }
    if (outcome.save) {
        if (!options_.afterSave.empty()) {
            Send(options_.afterSave);
        }
        if (options_.refuseSaveLateMs >= 0) {
            lateRefusalAt_ =
                out_.NextWriteAt() + std::chrono::milliseconds(options_.refuseSaveLateMs);
        }
    }
    if (options_.strayOkMs >= 0 && outcome.answer == "CONNECTED\r\n") {
        strayOkAt_ = Clock::now() + std::chrono::milliseconds(options_.strayOkMs);
    }
    if (options_.doubleOkMs >= 0 && outcome.answer == "OK\r\n") {
        secondOkAt_.push_back(out_.NextWriteAt() + std::chrono::milliseconds(options_.doubleOkMs));
    }
    SaveIfAsked(outcome.saved);
    if (outcome.saved && options_.restartAfterSaveMs >= 0) {
        // A module reboots once its answer has crossed the line; hanging up
        // at once would lose the OK in the terminal.
        restartAt_ = Clock::now() + kRestartDelay;
    }
}

void Server::Receive() {
    char buffer[4096];
    const ssize_t n = ::read(pty_.master(), buffer, sizeof buffer);
    if (n <= 0) {
        return;
    }
    const auto now = Clock::now();
    rxWireFreeAt_ =
        std::max(rxWireFreeAt_, now) + WireTime(options_.paceBaud, static_cast<std::size_t>(n));
    for (auto& item : reader_.Feed(std::string_view(buffer, static_cast<std::size_t>(n)))) {
        arrived_.emplace_back(rxWireFreeAt_, std::move(item));
    }
    HandleArrived();
}

void Server::HandleArrived() {
    const auto now = Clock::now();
    while (!arrived_.empty() && arrived_.front().first <= now && !hangingUp_) {
        const auto item = std::move(arrived_.front().second);
        arrived_.pop_front();
        if (item.overflow) {
            log_.Write("drop", "over 4096 bytes without a line end");
            Send("ERROR\r\n");
        } else {
            HandleLine(item.line);
        }
    }
    if (hangingUp_) {
        arrived_.clear();  // an unplugged device hears nothing more
    }
}

void Server::Flush() {
    writeBlocked_ = false;
    for (;;) {
        const auto now = Clock::now();
        const auto piece = out_.NextPiece(now);
        if (piece.empty()) {
            return;
        }
        const ssize_t n = ::write(pty_.master(), piece.data(), piece.size());
        if (n < 0) {
            writeBlocked_ = errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
            if (!writeBlocked_) {
                out_.Written(piece.size(), now);  // nobody can take it: drop
            }
            return;
        }
        out_.Written(static_cast<std::size_t>(n), now);
    }
}

int Server::Run(int stopFd) {
    auto nextNoise = Clock::now() + kNoiseInterval;
    std::size_t noiseIndex = 0;
    for (;;) {
        HandleArrived();
        Flush();
        auto now = Clock::now();
        if (hangingUp_ && out_.empty()) {
            log_.Write(restarting_ ? "restart" : "hangup", "");
            pty_.HangUp();
            return restarting_ ? kRestart : 0;
        }
        if (restartAt_ && now >= *restartAt_ && out_.empty()) {
            restartAt_.reset();
            hangingUp_ = restarting_ = true;
            continue;
        }
        if (strayOkAt_ && now >= *strayOkAt_ && !hangingUp_) {
            strayOkAt_.reset();
            Send("OK\r\n");
            continue;
        }
        if (lateRefusalAt_ && now >= *lateRefusalAt_ && !hangingUp_) {
            lateRefusalAt_.reset();
            Send(options_.refusal + "\r\n");
            continue;
        }
        if (!secondOkAt_.empty() && now >= secondOkAt_.front() && !hangingUp_) {
            secondOkAt_.pop_front();
            Send("OK\r\n");
            continue;
        }
        if (options_.flood && !hangingUp_ && out_.empty()) {
            std::string lines;
            while (lines.size() < 4096) {
                lines += "+EVENT:FLOOD " + std::to_string(flooded_++) + "\r\n";
            }
            out_.Enqueue(lines, now);  // not logged: a log would grow as fast
            continue;
        }
        if (options_.noise && !hangingUp_ && out_.empty() && now >= nextNoise) {
            Send(kNoise[noiseIndex++ % kNoise.size()]);
            nextNoise = now + kNoiseInterval;
            continue;
        }

        std::optional<Clock::duration> timeout;
        if (!out_.empty() && !writeBlocked_) {
            timeout = Until(out_.NextWriteAt(), now);
        }
        if (!arrived_.empty()) {
            timeout = Sooner(timeout, Until(arrived_.front().first, now));
        }
        if (options_.noise && out_.empty()) {
            timeout = Sooner(timeout, Until(nextNoise, now));
        }
        if (strayOkAt_) {
            timeout = Sooner(timeout, Until(*strayOkAt_, now));
        }
        if (!secondOkAt_.empty()) {
            timeout = Sooner(timeout, Until(secondOkAt_.front(), now));
        }
        if (restartAt_) {
            timeout = Sooner(timeout, Until(*restartAt_, now));
        }
        if (lateRefusalAt_) {
            timeout = Sooner(timeout, Until(*lateRefusalAt_, now));
        }

        std::array<pollfd, 3> fds{};
        fds[0] = {pty_.master(), static_cast<short>(hangingUp_ ? 0 : POLLIN), 0};
        if (writeBlocked_) {
            fds[0].events |= POLLOUT;
        }
        fds[1] = {stopFd, POLLIN, 0};
        fds[2] = {STDIN_FILENO, POLLIN, 0};
        timespec wait{};
        if (timeout) {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(*timeout).count();
            wait.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            wait.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        }
        if (::ppoll(fds.data(), fds.size(), timeout ? &wait : nullptr, nullptr) < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::perror("wifi-module-sim: poll");
            return 1;
        }
        if (fds[1].revents) {
            return 0;
        }
        if (fds[2].revents) {
            char scratch[256];
            if (::read(STDIN_FILENO, scratch, sizeof scratch) <= 0) {
                return 0;  // standard input closed
            }
        }
        if (fds[0].revents & POLLIN) {
            Receive();
        }
    }
}

}  // namespace sim
