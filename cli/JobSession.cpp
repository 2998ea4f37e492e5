#include "JobSession.h"

#include "ModuleJob.h"
#include "form/Fields.h"
#include "platform/TappedComm.h"

namespace cli {

using namespace wifi;

namespace {
constexpr int kInterruptPollMs = 50;
}  // namespace

JobSession::JobSession(int timeoutSeconds, const std::atomic<int>* interrupt)
    : timeoutMs_(timeoutSeconds * 1000), interrupt_(interrupt) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, &loop_, [this] {
        const int ms = reported || firstTimeoutMs_ == 0 ? timeoutMs_ : firstTimeoutMs_;
        Fail(kTimeout, "no answer within " + QString::number(ms / 1000.0) +
                           " s while waiting for the " + phase_);
    });
    QObject::connect(&interruptPoll_, &QTimer::timeout, &loop_, [this] {
        if (interrupt_ && interrupt_->load() != 0) {
            Fail(128 + interrupt_->load(), QStringLiteral("interrupted; nothing more was sent"));
        }
    });
}

bool JobSession::Await(bool& goal) {
    goal_ = &goal;
    if (interrupt_ && interrupt_->load() != 0) {
        Fail(128 + interrupt_->load(), QStringLiteral("interrupted; nothing more was sent"));
    }
    if (!goal && !failed()) {
        timer_.start(reported || firstTimeoutMs_ == 0 ? timeoutMs_ : firstTimeoutMs_);
        interruptPoll_.start(kInterruptPollMs);
        loop_.exec();
        timer_.stop();
        interruptPoll_.stop();
    }
    goal_ = nullptr;
    return goal && !failed();
}

void JobSession::Fail(int exit, const QString& error) {
    if (!failed()) {
        exit_ = exit;
        error_ = error;
    }
    loop_.quit();
}

void JobSession::Progress(const QString& next) {
    phase_ = next;
    if (goal_ && *goal_) {
        loop_.quit();
    } else {
        timer_.start(timeoutMs_);  // progress: the timeout starts over
    }
}

void JobSession::ReportParsed() {
    reported = true;
    Progress(QStringLiteral("connected reply"));
}

void JobSession::Connected() {
    connected = true;
    Progress(QStringLiteral("parameter form"));
}

void JobSession::StepPerformed(unsigned step, const StepCommand& command) {
    lastLine_ =
        command.line ? QString::fromStdString(wifi::VisibleBytes(*command.line)) : QString();
    lastLine_.chop(4);  // the line end, escaped
    const QString what =
        "parameter " + QString::number(step) + " (" + FieldName(step, command.source) + ")";
    if (!command.line) {
        Fail(kBadInput,
             what + " has no value the module accepts; nothing more was sent, nothing was saved");
        return;
    }
    if (onStep) {
        onStep(step);
    }
    Progress("acknowledgement of " + (step == kStepCount ? QStringLiteral("the save") : what));
}

void JobSession::Refused(InFlight command, unsigned step) {
    QString what;
    if (command == InFlight::Query) {
        what = QStringLiteral("the configuration query (AT+SZ_CHECKCONFIG=ALL)");
    } else if (command == InFlight::Connect) {
        what = QStringLiteral("the connect request (AT+SZ_CONNECT=START)");
    } else if (step == 0) {
        what = QStringLiteral("the configure command (AT+SZ_CONFIGURE=START); nothing was saved");
    } else if (step == kStepCount) {
        what = QStringLiteral("the save (AT+SZ_SAVE_CONFIG=SAVE); nothing was saved");
    } else {
        what = "parameter " + QString::number(step) + " (" + FieldName(step) + "): " + lastLine_ +
               "; nothing more was sent, nothing was saved";
    }
    Fail(kRefused, "the module refused " + what);
}

void JobSession::SubmitRefused(SubmitRefusal why) {
    Fail(kBadInput, why == SubmitRefusal::Busy ? QStringLiteral("a command is still in flight")
                                               : QStringLiteral("the module is not connected"));
}

void JobSession::Completed() {
    completed = true;
    Progress(QStringLiteral("end"));
}

QString JobSession::FieldName(unsigned step, unsigned source) {
    const std::string_view name = FieldOfStep(step, source).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace cli
