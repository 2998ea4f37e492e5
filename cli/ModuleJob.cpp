#include "ModuleJob.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <memory>

#include "TracingComm.h"
#include "form/ConfigDlg.h"
#include "form/ControlIds.h"
#include "form/Fields.h"
#include "form/MemoryControls.h"
#include "platform/SerialComm.h"
#include "serial/CommError.h"

namespace cli {

using namespace wifi;

namespace {

// Follows the session and ends the wait at each milestone or failure.
class Session : public SessionEvents {
  public:
    explicit Session(int timeoutSeconds) : timeoutMs_(timeoutSeconds * 1000) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, &loop_, [this] {
            Fail(kTimeout, "no answer within " + QString::number(timeoutMs_ / 1000) +
                               " s while waiting for the " + phase_);
        });
    }

    // Waits until the goal is reached, a failure is reported, or no progress
    // is made for the timeout. True when the goal was reached.
    bool Await(bool& goal) {
        goal_ = &goal;
        if (!goal && !failed()) {
            timer_.start(timeoutMs_);
            loop_.exec();
            timer_.stop();
        }
        goal_ = nullptr;
        return goal && !failed();
    }

    void Fail(int exit, const QString& error) {
        if (!failed()) {
            exit_ = exit;
            error_ = error;
        }
        loop_.quit();
    }
    bool failed() const { return exit_ != kOk; }
    int exit() const { return exit_; }
    const QString& error() const { return error_; }
    void SetPhase(const QString& phase) { phase_ = phase; }

    bool reported = false;
    bool connected = false;
    bool completed = false;

    void ReportParsed() override {
        reported = true;
        Progress("connected reply");
    }
    void Connected() override {
        connected = true;
        Progress("parameter form");
    }
    void StepPerformed(unsigned step, const StepCommand& command) override {
        lastLine_ =
            command.line ? QString::fromLocal8Bit(command.line->c_str()).trimmed() : QString();
        if (!command.line) {
            Fail(kBadInput, "parameter " + QString::number(step) + " (" +
                                FieldName(step, command.source) +
                                ") has no value the module accepts; nothing more was sent");
            return;
        }
        Progress("acknowledgement of parameter " + QString::number(step) + " (" +
                 FieldName(step, command.source) + ")");
    }
    void Refused(unsigned step) override {
        const QString what =
            step == 0 || step > kStepCount
                ? QStringLiteral("the configure command (AT+SZ_CONFIGURE=START)")
                : "parameter " + QString::number(step) + " (" + FieldName(step) + "): " + lastLine_;
        Fail(kRefused, "the module refused " + what + "; nothing more was sent");
    }
    void Completed() override {
        completed = true;
        Progress("end");
    }

    // The command line's name of what a step sends.
    static QString FieldName(unsigned step, unsigned source = 0) {
        const std::string_view name = FieldOfStep(step, source).name;
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }

  private:
    void Progress(const QString& next) {
        phase_ = next;
        if (goal_ && *goal_) {
            loop_.quit();
        } else {
            timer_.start(timeoutMs_);  // progress: the timeout starts over
        }
    }

    int timeoutMs_;
    QEventLoop loop_;
    QTimer timer_;
    QString phase_ = QStringLiteral("configuration report");
    bool* goal_ = nullptr;
    int exit_ = kOk;
    QString error_;
    QString lastLine_;
};

}  // namespace

JobResult RunJob(const JobSpec& spec) {
    QElapsedTimer clock;
    clock.start();
    JobResult result;
    result.port = spec.port;

    MemoryControls controls({spec.port.toLocal8Bit().toStdString()});
    SerialComm serial([&spec](int number) { return number == 1 ? spec.port : QString(); });
    TracingComm tracing(serial, spec.port);
    CMSComm& comm = spec.trace ? static_cast<CMSComm&>(tracing) : serial;
    CConfigDlg dlg(controls, comm, [](unsigned ms) { QThread::msleep(ms); });
    Session session(spec.timeoutSeconds);
    dlg.SetEvents(&session);
    controls.notify = [&dlg](int id, Notification code) { dlg.Dispatch(id, code); };

    auto portFailed = [&session](const QString& why) { session.Fail(kPortFailed, why); };
    QObject::connect(&serial, &SerialComm::commEvent, [&] {
        try {
            dlg.OnCommEvent();
        } catch (const CommError& e) {
            portFailed(QString::fromLocal8Bit(e.what()));
        }
    });
    QObject::connect(&serial, &SerialComm::portLost, portFailed);

    auto finish = [&] {
        if (serial.GetPortOpen()) {
            controls.UserClick(IDC_CONNECT);  // close, as the user would
        }
        result.exit = session.exit();
        result.error = session.error();
        result.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
        return result;
    };

    try {
        dlg.OnInitDialog();
        controls.UserSelect(IDC_COMPORT, 0);
        controls.UserClick(IDC_CONNECT);
        if (!session.Await(session.connected)) {
            return finish();
        }
        if (!spec.write) {
            result.form = ReadForm(controls);
            return finish();
        }
        for (const Setting& s : spec.settings) {
            if (!ApplyAsUser(controls, s)) {
                session.Fail(kBadInput, QString::fromUtf8(s.field->name.data(),
                                                          qsizetype(s.field->name.size())) +
                                            ": the form would not take the value");
                return finish();
            }
        }
        // A list without a value the module accepts would stall the sequence.
        const std::vector<StepCommand> plan = dlg.PlanWrite();
        for (unsigned step = 1; step <= plan.size(); ++step) {
            if (!plan[step - 1].line) {
                const QString field = Session::FieldName(step, plan[step - 1].source);
                session.Fail(
                    kBadInput,
                    field +
                        ": the module reported no value the form can send; set one with --set " +
                        field + "=...");
                return finish();
            }
        }
        session.SetPhase(QStringLiteral("acknowledgement of the configure command"));
        controls.UserClick(IDC_SUBMIT);
        session.Await(session.completed);
    } catch (const CommError& e) {
        session.Fail(kPortFailed, QString::fromLocal8Bit(e.what()));
    }
    return finish();
}

}  // namespace cli
