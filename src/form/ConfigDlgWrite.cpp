// The write sequence: submit opens it with the configure command once the
// line is quiet, each "OK" sends the next parameter, and the acknowledged
// save completes it once the line has stayed quiet after it.
#include <algorithm>
#include "form/ConfigDlg.h"

#include "form/ControlIds.h"
#include "form/EnablingGroups.h"
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
    Guarded([this] {
        // One command in flight: a submit never sends a configure command
        // while another awaits its reply, nor to a module that has not
        // connected.
        const bool busy = session_.inFlight != InFlight::None || phase_ != Phase::Idle;
        if (busy || !handshakeDone_) {
            if (events_) {
                events_->SubmitRefused(busy ? SubmitRefusal::Busy : SubmitRefusal::NotConnected);
            }
            return;
        }
        PrepareSequence();
        if (!CheckSequence()) {
            return;
        }
        LockForSequence(true);
        longestReply_ = connectReply_;
        if (session_.moduleReady != 1) {
            // After a save the module may take no configure command until it
            // is asked to connect again: the sequence starts on its answer,
            // and a refusal or silence sends nothing more.
            phase_ = Phase::Reconnecting;
            SendLine(CommandLine(cmd::kConnect), InFlight::Connect);
            return;
        }
        phase_ = Phase::QuietBeforeConfigure;
        phaseSince_ = clock_.Now();
        TryConfigure();
    });
}

void CConfigDlg::TryConfigure() {
    // A reply the module still owes the handshake (a second "OK" after
    // "CONNECTED") must land before the configure command goes out, not be
    // taken for its acknowledgement. A module that never falls quiet gets
    // the command after one time-out; the count of replies still guards it.
    const auto now = clock_.Now();
    if (now < quietSince_ + Quiet() && now < phaseSince_ + replyTimeout_) {
        return;  // the clock comes back
    }
    if (SendLine(CommandLine(cmd::kConfigure), InFlight::Write)) {
        phase_ = Phase::Writing;
    }
}

void CConfigDlg::PrepareSequence() {
    session_.writeStep = 0;
    UpdateData(true);
    snapshot_.baudText = m_cbBaudRate.GetText();
    snapshot_.dataBitsText = m_cbDataBits.GetText();
    snapshot_.stopBitsText = m_cbStopBits.GetText();
    UpdateData(true);
}

std::optional<CConfigDlg::ValueProblem> CConfigDlg::WriteBlocker() const {
    if (const auto unknown = UnknownFields(); !unknown.empty()) {
        return ValueProblem{unknown.front().field, RuleBreak::Unknown};
    }
    if (const auto problems = CheckValues(); !problems.empty()) {
        return problems.front();
    }
    for (const Field& f : FormFields()) {
        if (f.kind == FieldKind::Address && controls_.IsBlank(f.id)) {
            // Emptied by the user: there is nothing to send.
            return ValueProblem{&f, RuleBreak::NoValue};
        }
    }
    const std::vector<StepCommand> plan = PlanWrite();
    for (unsigned step = 1; step <= plan.size(); ++step) {
        const StepCommand& command = plan[step - 1];
        if (!command.line) {
            return ValueProblem{&FieldOfStep(step, command.source),
                                command.skip == StepSkip::LineEnd ? RuleBreak::ControlCharacter
                                                                  : RuleBreak::NoValue};
        }
        if (command.line->size() > kMaxLineBytes) {
            return ValueProblem{&FieldOfStep(step, command.source), RuleBreak::TooLongToSend};
        }
    }
    return std::nullopt;
}

bool CConfigDlg::CheckSequence() {
    const auto blocker = WriteBlocker();
    if (!blocker) {
        return true;
    }
    const Field* field = blocker->field;
    const RuleBreak why = blocker->why;
    // An address DHCP keeps disabled is reached through the DHCP box.
    const bool underDhcp =
        !controls_.IsWindowEnabled(field->id) &&
        std::find(DhcpAddresses.begin(), DhcpAddresses.end(), field->id) != DhcpAddresses.end();
    controls_.SetFocus(underDhcp ? IDC_DHCP : field->id);
    if (events_) {
        events_->ValueRejected(field->step, field->stepSource, why, underDhcp);
    }
    return false;
}

void CConfigDlg::LockForSequence(bool lock) {
    SetModuleGroupEnabled(!lock);
    controls_.EnableWindow(IDC_SUBMIT, !lock);
}

void CConfigDlg::EndSequence() {
    phase_ = Phase::Idle;
    LockForSequence(false);
    if (events_) {
        events_->SequenceEnded();
    }
}

void CConfigDlg::AcknowledgementBranch() {
    const auto replied = std::chrono::duration_cast<ReplyClock::Duration>(clock_.Now() - sentAt_);
    longestReply_ = std::max(longestReply_, replied);
    session_.Settle();
    const unsigned step = ++session_.writeStep;
    if (step == kCompletionStep) {
        if (events_) {
            events_->SaveAcknowledged(verify_);
        }
        if (verify_) {
            // What the module holds settles it: a surplus reply, a late
            // refusal or another module on the line shows in the read-back.
            sleep_(kAfterAcknowledgementPauseMs);
            writtenForm_ = FormState();
            readBackTries_ = 0;
            StartReadBack();
            return;
        }
        // Without the read-back it counts once no reply follows it.
        phase_ = Phase::QuietAfterSave;
        return;
    }
    sleep_(kAfterAcknowledgementPauseMs);
    if (step < 1 || step > kStepCount) {
        return;
    }
    const StepCommand command = BuildStepCommand(step, Source());
    if (command.line && !SendLine(*command.line, InFlight::Write)) {
        return;  // the replies went out of step; said already
    }
    if (events_) {
        events_->StepPerformed(step, command);
    }
    if (!command.line) {
        // Nothing to acknowledge: the sequence stops here.
        session_.writeStep = 0;
        EndSequence();
    }
}

void CConfigDlg::UnexpectedReplyBranch() {
    // Outside a sequence (before a submit, or while the line should fall
    // quiet before the configure command) a reply nothing awaits is dropped,
    // never kept for later. Inside one it means the module answered more
    // often than it was asked: its replies and our commands are out of step.
    // After the save the read-back settles it.
    if (phase_ == Phase::Writing || phase_ == Phase::QuietAfterSave) {
        OutOfStep();
    }
}

void CConfigDlg::OutOfStep() {
    const Exchange lastSent{InFlight::Write, sentStep_, true, sentLine_};
    session_.Settle();
    session_.writeStep = 0;
    if (events_) {
        events_->OutOfStep(lastSent);
    }
    EndSequence();
}

void CConfigDlg::Complete() {
    session_.FinishSequence();
    savedForm_ = FormState();
    clock_.Stop();
    EndSequence();
    if (events_) {
        events_->Completed();
    }
    controls_.ShowMessage(kSavedMessage, MessageType::Information);
}

}  // namespace wifi
