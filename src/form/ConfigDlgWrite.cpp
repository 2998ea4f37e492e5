// The write sequence: submit opens it with the configure command, each "OK"
// sends the next parameter, the acknowledged save command completes it.
#include "form/ConfigDlg.h"
#include "protocol/Commands.h"
#include "protocol/WriteSequence.h"

namespace wifi {

namespace {
constexpr unsigned kAfterAcknowledgementPauseMs = 10;
}  // namespace

WriteSource CConfigDlg::Source() const {
    return {snapshot_,       m_strSsid,     m_strKey,      m_nDhcp,
            m_strServerPort, m_strFrameLen, m_strFrameTime};
}

std::vector<StepCommand> CConfigDlg::PlanWrite() const {
    std::vector<StepCommand> plan;
    for (unsigned step = 1; step <= kStepCount; ++step) {
        plan.push_back(BuildStepCommand(step, Source()));
    }
    return plan;
}

void CConfigDlg::OnSubmit() {
    session_.writeStep = 0;
    session_.submitted = true;
    UpdateData(true);
    snapshot_.baudText = m_cbBaudRate.GetWindowText();
    snapshot_.dataBitsText = m_cbDataBits.GetWindowText();
    snapshot_.stopBitsText = m_cbStopBits.GetWindowText();
    UpdateData(true);
    SendLine(CommandLine(cmd::kConfigure));
}

void CConfigDlg::AcknowledgementBranch() {
    const unsigned step = ++session_.writeStep;
    sleep_(kAfterAcknowledgementPauseMs);
    if (step >= 1 && step <= kStepCount) {
        const StepCommand command = BuildStepCommand(step, Source());
        if (command.line) {
            SendLine(*command.line);
        }
        if (events_) {
            events_->StepPerformed(step, command);
        }
    } else if (step == kCompletionStep) {
        session_.FinishSequence();
        if (events_) {
            events_->Completed();
        }
        controls_.MessageBox(kSavedMessage, MessageType::Information);
        return;
    }
    session_.ClearReceived();
}

void CConfigDlg::ErrorBranch() {
    const unsigned refused = session_.writeStep;
    session_.writeStep = 0;
    if (!session_.refusalTold) {
        session_.refusalTold = true;
        if (events_) {
            events_->Refused(refused);
        }
    }
}

}  // namespace wifi
