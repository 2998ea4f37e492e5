#pragma once

#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>

#include "protocol/SessionEvents.h"

namespace cli {

// Follows one module's session and ends the wait at each milestone or
// failure: an answer that does not come in time, a refusal (named by what was
// refused), a step that could not be sent, a signal.
class JobSession : public wifi::SessionEvents {
  public:
    // interrupt: the number of a signal that asks every job to stop, or 0.
    JobSession(int timeoutSeconds, const std::atomic<int>* interrupt);

    // Waits until the goal is reached, a failure is reported, or no progress
    // is made for the timeout. True when the goal was reached.
    bool Await(bool& goal);

    void Fail(int exit, const QString& error);
    bool failed() const { return exit_ != 0; }
    int exit() const { return exit_; }
    const QString& error() const { return error_; }
    void SetPhase(const QString& phase) { phase_ = phase; }
    // How long the first answer, the configuration report, is awaited; the
    // timeout when not set.
    void SetFirstAnswerTimeout(int ms) { firstTimeoutMs_ = ms; }

    std::function<void(unsigned step)> onStep;  // each parameter as it goes out

    bool reported = false;
    bool connected = false;
    bool completed = false;

    void ReportParsed() override;
    void Connected() override;
    void StepPerformed(unsigned step, const wifi::StepCommand& command) override;
    void Refused(wifi::InFlight command, unsigned step) override;
    void SubmitRefused(wifi::SubmitRefusal why) override;
    void Completed() override;

    // The command line's name of what a step sends.
    static QString FieldName(unsigned step, unsigned source = 0);

  private:
    void Progress(const QString& next);

    int timeoutMs_;
    int firstTimeoutMs_ = 0;
    const std::atomic<int>* interrupt_;
    QEventLoop loop_;
    QTimer timer_;
    QTimer interruptPoll_;
    QString phase_ = QStringLiteral("configuration report");
    bool* goal_ = nullptr;
    int exit_ = 0;
    QString error_;
    QString lastLine_;
};

}  // namespace cli
