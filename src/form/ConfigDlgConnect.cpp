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
    if (!IsPortOpen(m_comm)) {
        OpenPort(m_comm, m_cbComPort.GetCurSel());
        session_.StartConnection();
        handshakeDone_ = false;
        SendLine(CommandLine(cmd::kCheckConfig), InFlight::Query);
        m_cbComPort.EnableWindow(false);
        return;
    }
    ClosePort(m_comm);
    ShowClosed();
}

void CConfigDlg::OnPortLost() {
    if (IsPortOpen(m_comm)) {
        ClosePort(m_comm);
    }
    ShowClosed();
}

void CConfigDlg::ShowClosed() {
    // A closed port awaits nothing, and a module is ready only while its
    // port is open.
    session_.Settle();
    session_.moduleReady = 0;
    handshakeDone_ = false;
    submitPending_ = false;
    m_strStatus = kStatusNotConnected;
    UpdateData(false);
    m_cbComPort.EnableWindow(true);
    SetModuleGroupEnabled(false);
    controls_.EnableWindow(IDC_SUBMIT, false);
}

void CConfigDlg::OnCommEvent() {
    if (auto bytes = ReadReceived(m_comm)) {
        std::string received;
        received.reserve(bytes->size());
        for (auto b : *bytes) {
            if (b != 0) {  // a zero byte carries nothing
                received.push_back(static_cast<char>(b));
            }
        }
        session_.rxBuffer.Append(received);
        ProcessReceived();
    }
    UpdateData(false);
}

void CConfigDlg::ProcessReceived() {
    wifi::ProcessReceived(session_, *this);
}

void CConfigDlg::ErrorBranch() {
    const InFlight refused = session_.inFlight;
    const unsigned step = session_.writeStep;
    const bool writing = refused == InFlight::Write || submitPending_;
    session_.writeStep = 0;
    session_.Settle();
    if (events_) {
        events_->Refused(refused, step);
    }
    if (writing) {
        EndSequence();
    }
}

void CConfigDlg::ReportBranch() {
    sleep_(kAfterReportPauseMs);
    ParseReport();
    if (events_) {
        events_->ReportParsed();
    }
    SendLine(CommandLine(cmd::kConnect), InFlight::Connect);
}

void CConfigDlg::ConnectedBranch() {
    sleep_(kAfterConnectedPauseMs);
    m_strStatus = kStatusConnected;
    session_.Settle();
    session_.moduleReady = 1;
    UpdateData(false);
    UpdateData(true);
    SetModuleGroupEnabled(true);
    controls_.EnableWindow(IDC_SUBMIT, true);
    handshakeDone_ = true;
    CaptureSnapshot();
    if (events_) {
        events_->Connected();
    }
    if (submitPending_) {
        // The fresh connect request of a second submit was answered.
        submitPending_ = false;
        PrepareSequence();
        LockForSequence(true);
        SendLine(CommandLine(cmd::kConfigure), InFlight::Write);
    } else {
        savedForm_ = FormState();
    }
}

}  // namespace wifi
