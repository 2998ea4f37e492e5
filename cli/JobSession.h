#pragma once

#include <functional>
#include <string>

#include "StopSignal.h"
#include "asioserial/EventPump.h"
#include "form/SessionEvents.h"
#include "protocol/ReplyClock.h"
#include "wording/Text.h"

namespace cli {

// Follows one module's session and ends the wait at each milestone or
// failure: an answer that did not come in time (the dialog's clock says so),
// a refusal, replies out of step, a step that could not be sent, a signal.
// The words are the core's, in English; every failure of a write says
// whether anything was saved.
class JobSession : public wifi::SessionEvents {
  public:
    // timeout: the reply time-out, for the words; pump: the job's events;
    // stop: the signal that asks every job to stop, or null.
    JobSession(wifi::ReplyClock::Duration timeout, wifi::EventPump& pump, StopSignal* stop);

    // Runs the job's events until the goal is reached, a failure is reported
    // or a stop signal comes. True when the goal was reached.
    bool Await(bool& goal);

    void Fail(int exit, const std::string& error);
    // A failure in the core's words: what happened (the result's error) and
    // what to do next (said on standard error).
    void Fail(int exit, const wifi::Message& error);
    bool failed() const { return exit_ != 0; }
    int exit() const { return exit_; }
    const std::string& error() const { return error_; }
    const std::string& next() const { return next_; }
    // What a failure now means for the module's configuration: "nothing was
    // saved", "the save is not confirmed", or nothing before a submit.
    wifi::Text SaveState() const;

    std::function<void(unsigned step)> onStep;  // each parameter as it goes out
    std::function<void()> onReport;             // the report has filled the form

    bool reported = false;
    bool connected = false;
    bool submitted = false;
    bool completed = false;
    bool saveAcknowledged = false;
    bool verified = false;
    std::vector<wifi::ReadBackField> readBack;  // fields not read back as written
    std::function<void()> onOpened;             // the port was opened (again)

    void ReportParsed(const std::vector<wifi::UnknownValue>& unknown) override;
    void Connected() override;
    void Connecting() override;
    void PortReopened() override;
    void StepPerformed(unsigned step, const wifi::StepCommand& command) override;
    void Refused(const wifi::Exchange& what) override;
    void SubmitRefused(wifi::SubmitRefusal why) override;
    void TimedOut(const wifi::Exchange& what, bool incomplete) override;
    void OutOfStep(const wifi::Exchange& lastSent) override;
    void SaveAcknowledged(bool readingBack) override;
    void ReadBackDone(const wifi::ReadBack& outcome) override;
    void Completed() override;

  private:
    wifi::ReplyClock::Duration timeout_;
    wifi::EventPump& pump_;
    StopSignal* stop_;
    StopSignal::Listener wake_;
    int exit_ = 0;
    std::string error_;
    std::string next_;
    unsigned lastStep_ = 0;  // the step whose command went out last
};

// The language of this run, chosen once before anything is said.
void SetSpokenLanguage(wifi::Language language);
wifi::Language SpokenLanguage();
// A core text as the command line says it: in the run's language, fields by
// their names.
std::string Spoken(const wifi::Text& text);
// What happened, with the system's own words after it in brackets.
std::string SpokenWithDetail(const wifi::Message& message);

}  // namespace cli
