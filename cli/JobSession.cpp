#include "JobSession.h"

#include "ModuleJob.h"
#include "form/Fields.h"
#include "platform/TappedComm.h"
#include "protocol/Commands.h"
#include "protocol/Secrets.h"

namespace cli {

using namespace wifi;

namespace {
constexpr int kInterruptPollMs = 50;

QString Interrupted(const QString& saved) {
    return QStringLiteral("interrupted; nothing more was sent") +
           (saved.isEmpty() ? QString() : QStringLiteral(", ") + saved);
}
}  // namespace

JobSession::JobSession(double timeoutSeconds, const std::atomic<int>* interrupt)
    : timeoutSeconds_(timeoutSeconds), interrupt_(interrupt) {
    QObject::connect(&interruptPoll_, &QTimer::timeout, &loop_, [this] {
        if (interrupt_ && interrupt_->load() != 0) {
            Fail(128 + interrupt_->load(), Interrupted(SaveState()));
        }
    });
}

bool JobSession::Await(bool& goal) {
    goal_ = &goal;
    if (interrupt_ && interrupt_->load() != 0) {
        Fail(128 + interrupt_->load(), Interrupted(SaveState()));
    }
    if (!goal && !failed()) {
        interruptPoll_.start(kInterruptPollMs);
        loop_.exec();
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

QString JobSession::SaveState() const {
    if (!submitted || completed) {
        return QString();
    }
    return lastStep_ == kStepCount ? QStringLiteral("the save is not confirmed")
                                   : QStringLiteral("nothing was saved");
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
    lastLine_ =
        command.line ? QString::fromStdString(VisibleBytes(MaskSecret(*command.line))) : QString();
    lastLine_.chop(4);  // the line end, escaped
    if (!command.line) {
        Fail(kBadInput, "parameter " + QString::number(step) + " (" +
                            FieldName(step, command.source) +
                            ") has no value the module accepts; nothing more was sent, "
                            "nothing was saved");
        return;
    }
    if (onStep) {
        onStep(step);
    }
    Progress();
}

void JobSession::Refused(const Exchange& what) {
    QString refused;
    if (what.command == InFlight::Query) {
        refused = QStringLiteral("the configuration query (AT+SZ_CHECKCONFIG=ALL)");
    } else if (what.command == InFlight::Connect) {
        refused = QStringLiteral("the connect request (AT+SZ_CONNECT=START)");
        if (what.writing) {
            refused += QStringLiteral("; nothing was saved");
        }
    } else if (what.step == 0) {
        refused =
            QStringLiteral("the configure command (AT+SZ_CONFIGURE=START); nothing was saved");
    } else if (what.step == kStepCount) {
        refused = QStringLiteral("the save (AT+SZ_SAVE_CONFIG=SAVE); nothing was saved");
    } else {
        refused = "parameter " + QString::number(what.step) + " (" + FieldName(what.step) +
                  "): " + lastLine_ + "; nothing more was sent, nothing was saved";
    }
    Fail(kRefused, "the module refused " + refused);
}

void JobSession::SubmitRefused(SubmitRefusal why) {
    Fail(kBadInput, why == SubmitRefusal::Busy ? QStringLiteral("a command is still in flight")
                                               : QStringLiteral("the module is not connected"));
}

void JobSession::TimedOut(const Exchange& what, bool incomplete) {
    QString phase;
    if (what.command == InFlight::Query) {
        phase = QStringLiteral("configuration report");
    } else if (what.command == InFlight::Connect) {
        phase = QStringLiteral("connected reply");
    } else if (what.step == 0) {
        phase = QStringLiteral("acknowledgement of the configure command");
    } else if (what.step == kStepCount) {
        phase = QStringLiteral("acknowledgement of the save");
    } else {
        phase = "acknowledgement of parameter " + QString::number(what.step) + " (" +
                FieldName(what.step) + ")";
    }
    const QString seconds = QString::number(timeoutSeconds_);
    QString error = incomplete
                        ? "incomplete answer while waiting for the " + phase +
                              ": nothing more came within " + seconds + " s"
                        : "no answer within " + seconds + " s while waiting for the " + phase;
    if (what.writing) {
        error += "; " + (what.step == kStepCount ? QStringLiteral("the save is not confirmed")
                                                 : QStringLiteral("nothing was saved"));
    }
    Fail(kTimeout, error);
}

void JobSession::OutOfStep(unsigned lastSent) {
    if (lastSent == kStepCount) {
        Fail(kRefused, QStringLiteral("the save is not confirmed: the module sent an unexpected "
                                      "reply (more replies than commands)"));
        return;
    }
    const QString after = lastSent == 0 ? QString::fromLatin1(cmd::kConfigure.data(),
                                                              qsizetype(cmd::kConfigure.size()))
                                        : lastLine_;
    Fail(kRefused, "nothing was saved: the module sent an unexpected reply after " + after +
                       " (more replies than commands)");
}

void JobSession::Completed() {
    completed = true;
    Progress();
}

QString JobSession::FieldName(unsigned step, unsigned source) {
    const std::string_view name = FieldOfStep(step, source).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace cli
