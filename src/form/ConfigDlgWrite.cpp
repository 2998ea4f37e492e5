// The write sequence: submit opens it with the configure command, each "OK"
// sends the next parameter, the acknowledged save command completes it.
#include "form/ConfigDlg.h"
#include "form/ControlIds.h"
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
        const RuleBreak why = controls_.CanEncode(field.id)
                                  ? CheckValue(field.rule, controls_.GetText(field.id))
                                  : RuleBreak::NotEncodable;
        if (why != RuleBreak::None) {
            problems.push_back({&field, why});
        }
    }
    return problems;
}

void CConfigDlg::OnSubmit() {
    // One command in flight: a submit never sends a configure command while
    // another awaits its reply, nor to a module that has not connected.
    if (session_.inFlight != InFlight::None || !handshakeDone_) {
        if (events_) {
            events_->SubmitRefused(session_.inFlight != InFlight::None
                                       ? SubmitRefusal::Busy
                                       : SubmitRefusal::NotConnected);
        }
        return;
    }
    PrepareSequence();
    if (!CheckSequence()) {
        return;
    }
    LockForSequence(true);
    if (session_.moduleReady != 1) {
        // After a save the module may take no configure command until it is
        // asked to connect again: the sequence starts on its answer, and a
        // refusal or silence sends nothing more.
        submitPending_ = true;
        SendLine(CommandLine(cmd::kConnect), InFlight::Connect);
        return;
    }
    SendLine(CommandLine(cmd::kConfigure), InFlight::Write);
}

void CConfigDlg::PrepareSequence() {
    session_.writeStep = 0;
    UpdateData(true);
    snapshot_.baudText = m_cbBaudRate.GetText();
    snapshot_.dataBitsText = m_cbDataBits.GetText();
    snapshot_.stopBitsText = m_cbStopBits.GetText();
    UpdateData(true);
}

bool CConfigDlg::CheckSequence() {
    const Field* field = nullptr;
    RuleBreak why = RuleBreak::None;
    if (const auto problems = CheckValues(); !problems.empty()) {
        field = problems.front().field;
        why = problems.front().why;
    } else {
        const std::vector<StepCommand> plan = PlanWrite();
        for (unsigned step = 1; step <= plan.size() && !field; ++step) {
            if (!plan[step - 1].line) {
                field = &FieldOfStep(step, plan[step - 1].source);
                why = plan[step - 1].skip == StepSkip::LineEnd ? RuleBreak::ControlCharacter
                                                               : RuleBreak::NoValue;
            }
        }
    }
    if (!field) {
        return true;
    }
    controls_.SetFocus(field->id);
    if (events_) {
        events_->ValueRejected(field->step, field->stepSource, why);
    }
    return false;
}

void CConfigDlg::LockForSequence(bool lock) {
    SetModuleGroupEnabled(!lock);
    controls_.EnableWindow(IDC_SUBMIT, !lock);
}

void CConfigDlg::EndSequence() {
    submitPending_ = false;
    LockForSequence(false);
    if (events_) {
        events_->SequenceEnded();
    }
}

void CConfigDlg::OnTimeout() {
    const InFlight waited = session_.inFlight;
    if (waited == InFlight::None) {
        return;
    }
    const unsigned step = session_.writeStep;
    session_.Settle();
    if (waited == InFlight::Write || submitPending_) {
        session_.writeStep = 0;
        if (events_) {
            events_->TimedOut(waited, step);
        }
        EndSequence();
        return;
    }
    // A module that does not answer the handshake: the connection is given up.
    ClosePort(m_comm);
    ShowClosed();
    if (events_) {
        events_->TimedOut(waited, step);
    }
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
        if (!command.line) {
            EndSequence();
        }
    } else if (step == kCompletionStep) {
        session_.FinishSequence();
        savedForm_ = FormState();
        EndSequence();
        if (events_) {
            events_->Completed();
        }
        controls_.ShowMessage(kSavedMessage, MessageType::Information);
    }
}

}  // namespace wifi
