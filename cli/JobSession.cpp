#include "JobSession.h"

#include "ModuleJob.h"
#include "wording/Messages.h"

namespace cli {

using namespace wifi;

namespace {
constexpr int kInterruptPollMs = 50;
}  // namespace

std::string English(const Text& text) {
    return text.Format(Language::English, Audience::CommandLine);
}

JobSession::JobSession(ReplyClock::Duration timeout, const std::atomic<int>* interrupt)
    : timeout_(timeout), interrupt_(interrupt) {
    QObject::connect(&interruptPoll_, &QTimer::timeout, &loop_, [this] {
        if (interrupt_ && interrupt_->load() != 0) {
            Fail(128 + interrupt_->load(), English(Interrupted(SaveState())));
        }
    });
}

bool JobSession::Await(bool& goal) {
    goal_ = &goal;
    if (interrupt_ && interrupt_->load() != 0) {
        Fail(128 + interrupt_->load(), English(Interrupted(SaveState())));
    }
    if (!goal && !failed()) {
        interruptPoll_.start(kInterruptPollMs);
        loop_.exec();
        interruptPoll_.stop();
    }
    goal_ = nullptr;
    return goal && !failed();
}

void JobSession::Fail(int exit, const std::string& error) {
    if (!failed()) {
        exit_ = exit;
        error_ = error;
    }
    loop_.quit();
}

void JobSession::Fail(int exit, const Text& error) {
    Fail(exit, English(error));
}

Text JobSession::SaveState() const {
    if (!submitted || completed) {
        return {};
    }
    return lastStep_ == kStepCount ? SaveNotConfirmed() : NothingSaved();
}

void JobSession::Progress() {
    if (goal_ && *goal_) {
        loop_.quit();
    }
}

void JobSession::ReportParsed(const std::vector<UnknownValue>&) {
    reported = true;
    if (onReport) {
        onReport();
    }
    Progress();
}

void JobSession::Connected() {
    connected = true;
    Progress();
}

void JobSession::StepPerformed(unsigned step, const StepCommand& command) {
    lastStep_ = step;
    if (!command.line) {
        Fail(kBadInput, StepWithoutValue(step, command).text);
        return;
    }
    if (onStep) {
        onStep(step);
    }
    Progress();
}

void JobSession::Refused(const Exchange& what) {
    Fail(kRefused, Refusal(what).text);
}

void JobSession::SubmitRefused(SubmitRefusal why) {
    Fail(kBadInput, SubmitNotTaken(why).text);
}

void JobSession::TimedOut(const Exchange& what, bool incomplete) {
    Fail(kTimeout, NoAnswer(what, incomplete, timeout_).text);
}

void JobSession::OutOfStep(const Exchange& lastSent) {
    Fail(kRefused, RepliesOutOfStep(lastSent).text);
}

void JobSession::Completed() {
    completed = true;
    Progress();
}

}  // namespace cli
