// The read-back after a save: the configuration query again (on a port opened
// anew if the module restarted), the connect request that ends the report,
// and the comparison that alone makes a save a success.
#include <algorithm>

#include "form/ConfigDlg.h"
#include "form/ReadBack.h"
#include "protocol/Commands.h"

namespace wifi {

void CConfigDlg::StartReadBack() {
    ++readBackTries_;
    phase_ = Phase::ReadingBack;
    session_.reportText.clear();
    session_.reportOpen = false;
    SendLine(CommandLine(cmd::kCheckConfig), InFlight::Query);
}

void CConfigDlg::LoseDuringReadBack() {
    if (phase_ == Phase::ReadingBack) {
        lostAt_ = clock_.Now();
    }
    phase_ = Phase::AwaitingReturn;
    session_.Settle();
    session_.moduleReady = 0;
    handshakeDone_ = false;
    portOpen_ = false;
    if (IsPortOpen(m_comm)) {
        try {
            ClosePort(m_comm);
        } catch (const std::exception&) {
            // The device is gone: its close fails too.
        }
    }
}

void CConfigDlg::FinishReadBack() {
    const std::vector<ReadBackField> differing = CompareReadBack(writtenForm_, session_.reportText);
    session_.reportText.clear();
    session_.reportOpen = false;
    if (!differing.empty()) {
        const bool differs = std::any_of(differing.begin(), differing.end(),
                                         [](const ReadBackField& f) { return f.has.has_value(); });
        session_.writeStep = 0;
        session_.Settle();
        readBackTries_ = 0;
        if (events_) {
            events_->ReadBackDone({differs ? ReadBackResult::Differs : ReadBackResult::NotVerified,
                                   differing,
                                   differs ? ReadBackFailure::None : ReadBackFailure::CannotTell,
                                   {}});
        }
        EndSequence();
        return;
    }
    readBackTries_ = 0;
    if (events_) {
        events_->ReadBackDone({ReadBackResult::Verified, {}, ReadBackFailure::None, {}});
    }
    // The module connected again: it takes the next submit without a new
    // connect request.
    const int ready = session_.moduleReady;
    Complete();
    session_.moduleReady = ready;
}

void CConfigDlg::ReadBackFailed(ReadBackFailure why, const Exchange& what) {
    session_.writeStep = 0;
    session_.Settle();
    readBackTries_ = 0;
    if (events_) {
        events_->ReadBackDone({ReadBackResult::NotVerified, {}, why, what});
    }
    EndSequence();
}

void CConfigDlg::TryReopen() {
    try {
        OpenPort(m_comm, m_cbComPort.GetCurSel());
    } catch (const std::exception&) {
        if (clock_.Now() >= lostAt_ + replyTimeout_) {
            ReadBackFailed(ReadBackFailure::PortGone, {InFlight::Query, 0, true, {}, {}, false});
            ShowClosed();
        }
        return;  // the clock comes back
    }
    portOpen_ = true;
    session_.StartConnection();
    if (events_) {
        events_->PortReopened();
    }
    readBackTries_ = 0;
    StartReadBack();
}

}  // namespace wifi
