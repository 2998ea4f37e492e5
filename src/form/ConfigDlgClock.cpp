// The reply clock's meaning: how long each reply is awaited, when a quiet
// line is quiet enough, and what an expired wait does.
#include <algorithm>

#include "form/ConfigDlg.h"

namespace wifi {

namespace {

using Duration = ReplyClock::Duration;

// No reply is awaited longer than this many time-outs from its command, however
// long its bytes keep trickling in.
constexpr int kLongestWaitInTimeouts = 6;
constexpr Duration kShortestQuiet{50};
constexpr Duration kLongestQuiet{1000};

}  // namespace

void CConfigDlg::Guarded(const std::function<void()>& body) {
    try {
        body();
    } catch (...) {
        if (phase_ == Phase::ReadingBack) {
            // A module that restarts after its save takes its port away,
            // maybe before the front end hears of it: the read-back goes on
            // once it is back.
            LoseDuringReadBack();
            ArmClock();
            return;
        }
        // A send that failed (the port went away under it) leaves a sequence
        // with nothing in flight: it ends here, and the error goes on to the
        // front end.
        if (phase_ != Phase::Idle && session_.inFlight == InFlight::None &&
            phase_ != Phase::QuietAfterSave) {
            session_.writeStep = 0;
            EndSequence();
        }
        ArmClock();
        throw;
    }
    ArmClock();
}

// Q: how long the line must stay quiet before the configure command and
// after the save's acknowledgement. A module that answers twice, or late,
// does so about as fast as it answers at all, so twice the slowest reply of
// the sequence gives a surplus reply time to show; never less than 50 ms (the
// latency of a USB adapter and of the system's scheduling), never more than a
// second (what a slow but well-behaved module pays for it).
Duration CConfigDlg::Quiet() const {
    return std::clamp(2 * longestReply_, kShortestQuiet, kLongestQuiet);
}

ReplyClock::TimePoint CConfigDlg::ReplyDeadline() const {
    return std::min(heardAt_ + replyTimeout_, sentAt_ + kLongestWaitInTimeouts * replyTimeout_);
}

void CConfigDlg::ArmClock() {
    std::optional<ReplyClock::TimePoint> due;
    if (session_.inFlight != InFlight::None) {
        due = ReplyDeadline();
    } else if (phase_ == Phase::QuietBeforeConfigure) {
        due = std::min(quietSince_ + Quiet(), phaseSince_ + replyTimeout_);
    } else if (phase_ == Phase::QuietAfterSave) {
        due = quietSince_ + Quiet();
    } else if (phase_ == Phase::AwaitingReturn) {
        due = clock_.Now() + kReopenEvery;
    }
    if (!due) {
        clock_.Stop();
        return;
    }
    const auto left = std::chrono::ceil<Duration>(*due - clock_.Now());
    clock_.Start(std::max(left, Duration::zero()));
}

void CConfigDlg::OnTimer() {
    Guarded([this] {
        const auto now = clock_.Now();
        if (session_.inFlight != InFlight::None) {
            if (now >= ReplyDeadline()) {
                TimeOut();
            }
        } else if (phase_ == Phase::QuietBeforeConfigure) {
            TryConfigure();
        } else if (phase_ == Phase::QuietAfterSave && now >= quietSince_ + Quiet()) {
            Complete();
        } else if (phase_ == Phase::AwaitingReturn) {
            TryReopen();
        }
    });
}

void CConfigDlg::TimeOut() {
    const auto now = clock_.Now();
    // The longest wait ran out: only bytes that kept coming reach it, with
    // no whole answer among them.
    const bool keptSending = now >= sentAt_ + kLongestWaitInTimeouts * replyTimeout_;
    // What the module said instead of an answer: not the echo of the command,
    // nor, while a report may still be coming, one of its lines.
    const bool reportLine = session_.inFlight == InFlight::Query && !keptSending;
    const std::string said =
        session_.lastLine == sentLine_ || reportLine ? std::string() : session_.lastLine;
    const Exchange waited{session_.inFlight,
                          session_.writeStep,
                          session_.inFlight == InFlight::Write || phase_ == Phase::Reconnecting,
                          sentLine_,
                          said,
                          keptSending};
    const bool incomplete = heard_;
    session_.Settle();
    if (phase_ == Phase::ReadingBack) {
        ReadBackFailed(ReadBackFailure::NoAnswer, waited);
        return;
    }
    if (waited.writing) {
        session_.writeStep = 0;
        if (events_) {
            events_->TimedOut(waited, incomplete);
        }
        EndSequence();
        return;
    }
    // A module that does not answer the handshake: the connection is given up.
    ClosePort(m_comm);
    ShowClosed();
    if (events_) {
        events_->TimedOut(waited, incomplete);
    }
}

}  // namespace wifi
