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

std::vector<CConfigDlg::ValueProblem> CConfigDlg::CheckValues() const {
    std::vector<ValueProblem> problems;
    for (const Field& field : FormFields()) {
        if (field.rule == ValueRule::None) {
            continue;
        }
        const RuleBreak why = CheckValue(field.rule, controls_.GetWindowText(field.id));
        if (why != RuleBreak::None) {
            problems.push_back({&field, why});
        }
    }
    return problems;
}

void CConfigDlg::OnSubmit() {
    // One command in flight: a submit never sends a configure command while
    // another awaits its reply, nor to a module that has not connected.
    if (session_.inFlight != InFlight::None || session_.moduleReady != 1) {
        if (events_) {
            events_->SubmitRefused(session_.inFlight != InFlight::None
                                       ? SubmitRefusal::Busy
                                       : SubmitRefusal::NotConnected);
        }
        return;
    }
    session_.writeStep = 0;
    UpdateData(true);
    snapshot_.baudText = m_cbBaudRate.GetWindowText();
    snapshot_.dataBitsText = m_cbDataBits.GetWindowText();
    snapshot_.stopBitsText = m_cbStopBits.GetWindowText();
    UpdateData(true);
    SendLine(CommandLine(cmd::kConfigure), InFlight::Write);
}

void CConfigDlg::AcknowledgementBranch() {
    const unsigned step = ++session_.writeStep;
    sleep_(kAfterAcknowledgementPauseMs);
    if (step >= 1 && step <= kStepCount) {
        const StepCommand command = BuildStepCommand(step, Source());
        if (command.line) {
            SendLine(*command.line, InFlight::Write);
        } else {
            session_.Settle();  // nothing to acknowledge: the sequence stops here
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
    }
}

}  // namespace wifi
