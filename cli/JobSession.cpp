#include "JobSession.h"

#include "ModuleJob.h"
#include "wording/Messages.h"

namespace cli {

using namespace wifi;

namespace {
Language spoken = Language::English;
}  // namespace

void SetSpokenLanguage(Language language) {
    spoken = language;
}

Language SpokenLanguage() {
    return spoken;
}

std::string Spoken(const Text& text) {
    return text.Format(spoken, Audience::CommandLine);
}

std::string SpokenWithDetail(const Message& message) {
    std::string text = Spoken(message.text);
    std::string detail = message.detail;
    while (!detail.empty() && (detail.back() == '.' || detail.back() == ' ')) {
        detail.pop_back();  // "Broken pipe." from Windows
    }
    return detail.empty() ? text : text + " (" + detail + ")";
}

JobSession::JobSession(ReplyClock::Duration timeout, EventPump& pump, StopSignal* stop)
    : timeout_(timeout), pump_(pump), stop_(stop), wake_(stop, [&pump] { pump.Wake(); }) {}

bool JobSession::Await(bool& goal) {
    pump_.RunUntil([&] {
        if (stop_ && stop_->number() != 0) {
            Fail(128 + stop_->number(), Spoken(Interrupted(SaveState())));
        }
        return goal || failed();
    });
    return goal && !failed();
}

void JobSession::Fail(int exit, const std::string& error) {
    if (!failed()) {
        exit_ = exit;
        error_ = error;
    }
}

void JobSession::Fail(int exit, const Message& error) {
    if (!failed()) {
        next_ = Spoken(error.next);
    }
    Fail(exit, SpokenWithDetail(error));
}

Text JobSession::SaveState() const {
    if (!submitted || completed) {
        return {};
    }
    return SaveStateAfter(lastStep_, saveAcknowledged);
}

void JobSession::ReportParsed(const std::vector<UnknownValue>&) {
    reported = true;
    if (onReport) {
        onReport();
    }
}

void JobSession::Connected() {
    connected = true;
}

void JobSession::StepPerformed(unsigned step, const StepCommand& command) {
    lastStep_ = step;
    if (!command.line) {
        Fail(kBadInput, StepWithoutValue(step, command));
        return;
    }
    if (onStep) {
        onStep(step);
    }
}

void JobSession::Refused(const Exchange& what) {
    Fail(kRefused, Refusal(what));
}

void JobSession::SubmitRefused(SubmitRefusal why) {
    Fail(kBadInput, SubmitNotTaken(why));
}

void JobSession::TimedOut(const Exchange& what, bool incomplete) {
    Fail(kTimeout, NoAnswer(what, incomplete, timeout_));
}

void JobSession::OutOfStep(const Exchange& lastSent) {
    Fail(kRefused, RepliesOutOfStep(lastSent));
}

void JobSession::Connecting() {
    if (onOpened) {
        onOpened();
    }
}

void JobSession::PortReopened() {
    Connecting();
}

void JobSession::SaveAcknowledged(bool) {
    saveAcknowledged = true;
}

void JobSession::ReadBackDone(const ReadBack& outcome) {
    switch (outcome.result) {
        case ReadBackResult::Verified: verified = true; break;
        case ReadBackResult::Differs:
            readBack = outcome.fields;
            Fail(kRefused, ReadBackOutcome(outcome));
            break;
        case ReadBackResult::NotVerified:
            readBack = outcome.fields;
            Fail(kNotVerified, ReadBackOutcome(outcome));
            break;
    }
}

void JobSession::Completed() {
    completed = true;
}

}  // namespace cli
