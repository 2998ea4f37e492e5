// The connect button, the receive event, and the handshake branches of the
// dispatcher: query the configuration, parse the report, ask the module to
// connect, unlock the form when it says "CONNECTED".
#include "form/ConfigDlg.h"
#include "form/ControlIds.h"
#include "protocol/Commands.h"

namespace wifi {

namespace {
constexpr unsigned kAfterReportPauseMs = 50;
constexpr unsigned kAfterConnectedPauseMs = 20;
}  // namespace

void CConfigDlg::OnConnect() {
    Guarded([this] {
        if (!IsPortOpen(m_comm)) {
            OpenPort(m_comm, m_cbComPort.GetCurSel());
            portOpen_ = true;
            session_.StartConnection();
            handshakeDone_ = false;
            phase_ = Phase::Idle;
            // The port is held from now on: the button lets it go.
            ShowStatus(kStatusConnecting);
            controls_.SetCaption(IDC_CONNECT, kDisconnectCaption);
            m_cbComPort.EnableWindow(false);
            if (events_) {
                events_->Connecting();
            }
            SendLine(CommandLine(cmd::kCheckConfig), InFlight::Query);
            return;
        }
        // Closed by the user: a write cut off says what became of the save.
        const Exchange during{session_.inFlight, session_.writeStep, phase_ != Phase::Idle,
                              sentLine_};
        ClosePort(m_comm);
        ShowClosed();
        if (events_ && during.writing) {
            events_->Disconnected(during);
        }
    });
}

void CConfigDlg::ReadAgain() {
    if (IsWriting()) {
        if (events_) {
            events_->SubmitRefused(SubmitRefusal::Busy);
        }
        return;
    }
    Guarded([this] {
        if (IsPortOpen(m_comm)) {
            ClosePort(m_comm);
            ShowClosed();
        }
    });
    OnConnect();
}

void CConfigDlg::OnPortLost() {
    Guarded([this] {
        if (phase_ == Phase::QuietAfterSave) {
            Complete();  // a module that restarts after its save
        }
        if (phase_ == Phase::ReadingBack || phase_ == Phase::AwaitingReturn) {
            // A module that restarts after its save: it is read back on a
            // port opened anew once it is back, for a time-out at most.
            LoseDuringReadBack();
            return;
        }
        const Exchange during{session_.inFlight, session_.writeStep, phase_ != Phase::Idle,
                              sentLine_};
        if (IsPortOpen(m_comm)) {
            try {
                ClosePort(m_comm);
            } catch (const std::exception&) {
                // The device is gone: its close fails too, and says nothing more.
            }
        }
        ShowClosed();
        if (events_) {
            events_->Disconnected(during);
        }
    });
}

void CConfigDlg::ShowClosed() {
    // A closed port awaits nothing, and a module is ready only while its
    // port is open.
    session_.Settle();
    session_.moduleReady = 0;
    handshakeDone_ = false;
    portOpen_ = false;
    if (phase_ != Phase::Idle) {
        phase_ = Phase::Idle;
        session_.writeStep = 0;
    }
    ShowStatus(kStatusNotConnected);
    if (events_) {
        events_->ConnectionChanged(false);
    }
    controls_.SetCaption(IDC_CONNECT, kConnectCaption);
    m_cbComPort.EnableWindow(true);
    SetModuleGroupEnabled(false);
    controls_.EnableWindow(IDC_SUBMIT, false);
}

void CConfigDlg::ShowStatus(const char* status) {
    m_strStatus = status;
    ExchangeText(IDC_STATUS, m_strStatus, false);
}

void CConfigDlg::OnCommEvent() {
    Guarded([this] {
        // An event queued before the port closed (a module that restarts
        // after its save) has nothing left to read.
        if (!IsPortOpen(m_comm)) {
            return;
        }
        if (auto bytes = ReadReceived(m_comm)) {
            Receive(*bytes);
        }
        // The deadline holds however fast bytes come: under a flood the
        // clock's expiry may wait behind receive event after receive event.
        if (session_.inFlight != InFlight::None && clock_.Now() >= ReplyDeadline()) {
            TimeOut();
        }
        UpdateData(false);
    });
}

void CConfigDlg::ProcessReceived() {
    wifi::ProcessReceived(session_, *this);
}

void CConfigDlg::ReplyWordHeard() {
    quietSince_ = clock_.Now();
}

void CConfigDlg::ErrorBranch(const std::string& reply) {
    const Exchange refused{session_.inFlight,
                           session_.writeStep,
                           session_.inFlight == InFlight::Write || phase_ == Phase::Reconnecting,
                           sentLine_,
                           reply,
                           false};
    if (phase_ == Phase::ReadingBack) {
        session_.Settle();
        if (refused.command == InFlight::Query && readBackTries_ < kReadBackTries) {
            // Maybe the save's own refusal, late: the report settles it.
            StartReadBack();
        } else if (refused.command == InFlight::Connect) {
            FinishReadBack();  // the report came whole: it settles the save
        } else {
            ReadBackFailed(ReadBackFailure::Refused, refused);
        }
        return;
    }
    session_.writeStep = 0;
    session_.Settle();
    if (refused.writing) {
        phase_ = Phase::Idle;
    } else {
        // A module that refuses the handshake is not connected: its port is
        // let go, as after a time-out.
        ClosePort(m_comm);
        ShowClosed();
    }
    if (events_) {
        events_->Refused(refused);
    }
    if (refused.writing) {
        EndSequence();
    }
}

void CConfigDlg::ReportBranch() {
    session_.Settle();
    sleep_(kAfterReportPauseMs);
    if (phase_ == Phase::ReadingBack) {
        // The connect request ends the report (key lines may still follow
        // its last) and leaves the module ready for the next submit.
        SendLine(CommandLine(cmd::kConnect), InFlight::Connect);
        return;
    }
    ParseReport();
    if (events_) {
        events_->ReportParsed(UnknownFields());
    }
    SendLine(CommandLine(cmd::kConnect), InFlight::Connect);
}

void CConfigDlg::ConnectedBranch() {
    connectReply_ = std::chrono::duration_cast<ReplyClock::Duration>(clock_.Now() - sentAt_);
    session_.Settle();
    sleep_(kAfterConnectedPauseMs);
    if (phase_ == Phase::ReadingBack) {
        session_.moduleReady = 1;
        handshakeDone_ = true;
        FinishReadBack();
        return;
    }
    if (session_.reportGrew) {
        // Key lines after the report's last: the report is read again whole.
        ParseReport();
        if (events_) {
            events_->ReportParsed(UnknownFields());
        }
    }
    session_.reportText.clear();
    session_.reportOpen = false;
    session_.reportGrew = false;
    m_strStatus = kStatusConnected;
    session_.moduleReady = 1;
    UpdateData(false);
    UpdateData(true);
    SetModuleGroupEnabled(true);
    controls_.EnableWindow(IDC_SUBMIT, true);
    handshakeDone_ = true;
    CaptureSnapshot();
    if (events_) {
        events_->Connected();
        events_->ConnectionChanged(true);
    }
    if (phase_ == Phase::Reconnecting) {
        // The fresh connect request of a second submit was answered.
        PrepareSequence();
        LockForSequence(true);
        phase_ = Phase::QuietBeforeConfigure;
        phaseSince_ = clock_.Now();
        TryConfigure();
    } else {
        savedForm_ = FormState();
    }
}

}  // namespace wifi
