#include "wording/ProgressLine.h"

namespace wifi {

void ProgressLine::Show(const Message& message) {
    if (show) {
        show(message);
    }
}

void ProgressLine::Note(const Message& note) {
    notes_.push_back(note);
    Text all;
    for (const Message& m : notes_) {
        all = Both(all, m.text);
    }
    Show(Message{all, false, {}, {}});
}

void ProgressLine::Imported() {
    notes_.clear();
    Show(ImportedNotYetWritten());
}

void ProgressLine::ReportParsed(const std::vector<UnknownValue>& unknown) {
    notes_.clear();
    Show(ReportRead());
    // A list without a selection and a blank address show themselves; the
    // DHCP box cannot look unknown, so it is said.
    for (const UnknownValue& u : unknown) {
        if (u.field->kind == FieldKind::Flag) {
            notes_.push_back(UnknownDhcp(u.reported.value_or(std::string())));
        }
    }
}

void ProgressLine::Connected() {
    if (notes_.empty()) {
        Show(Message{});
        return;
    }
    const std::vector<Message> notes = std::move(notes_);
    notes_.clear();
    for (const Message& note : notes) {
        Note(note);
    }
    notes_.clear();
}

void ProgressLine::StepPerformed(unsigned step, const StepCommand& command) {
    Show(command.line ? Writing(step, command) : StepWithoutValue(step, command));
}

void ProgressLine::Refused(const Exchange& what) {
    Show(Refusal(what));
}

void ProgressLine::SubmitRefused(SubmitRefusal why) {
    Show(SubmitNotTaken(why));
}

void ProgressLine::Connecting() {
    notes_.clear();
    Show(Message{});
}

void ProgressLine::ValueRejected(unsigned step, unsigned source, RuleBreak why, bool underDhcp) {
    Show(ValueNotSent(step, source, why, underDhcp));
}

void ProgressLine::TimedOut(const Exchange& what, bool incomplete) {
    const Message message = NoAnswer(what, incomplete, timeout_);
    Show(message);
    if (alert) {
        alert(message);
    }
}

void ProgressLine::OutOfStep(const Exchange& lastSent) {
    Show(RepliesOutOfStep(lastSent));
}

void ProgressLine::SaveAcknowledged(bool readingBack) {
    verified_ = false;
    if (readingBack) {
        Show(ReadingBack());
    }
}

void ProgressLine::ReadBackDone(const ReadBack& outcome) {
    verified_ = outcome.result == ReadBackResult::Verified;
    if (verified_) {
        return;  // the completion says it
    }
    const Message message = ReadBackOutcome(outcome);
    Show(message);
    if (alert) {
        alert(message);
    }
}

void ProgressLine::Completed() {
    Show(verified_ ? WriteVerified() : WriteCompleted());
    verified_ = false;
}

void ProgressLine::Disconnected(const Exchange& during) {
    if (during.writing) {
        Show(WriteCutOff(during));
    }
}

void ProgressLine::FormEdited(bool unsaved) {
    // "Saved" or "imported" no longer says where the form stands, and a
    // problem named before may be what was just fixed.
    notes_.clear();
    Show(unsaved ? Modified() : Message{});
}

void ProgressLine::ConnectionChanged(bool connected) {
    if (connection) {
        connection(connected);
    }
}

}  // namespace wifi
