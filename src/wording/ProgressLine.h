#pragma once

#include <functional>

#include "form/SessionEvents.h"
#include "protocol/ReplyClock.h"
#include "wording/Messages.h"

namespace wifi {

// The line a window shows beside its submit button, for every window: which
// text goes with which state of a connection and a write. It names the step
// in progress, a refusal, a value not sent, an answer that did not come,
// replies out of step, and says whether anything was saved.
class ProgressLine : public SessionEvents {
  public:
    // The line's new text.
    std::function<void(const Message&)> show;
    // Said in a message as well: an answer that did not come.
    std::function<void(const Message&)> alert;
    // The connection began or ended: the window's title says it.
    std::function<void(bool connected)> connection;

    // How long a reply is awaited, for the words.
    void SetTimeout(ReplyClock::Duration timeout) { timeout_ = timeout; }

    // A word about the reported values (their encoding, a value the form
    // cannot show) that stays until the module has connected.
    void Note(const Message& note);
    // A profile's values went into the form; the module has not got them.
    void Imported();

    void ReportParsed(const std::vector<UnknownValue>& unknown) override;
    void Connected() override;
    void StepPerformed(unsigned step, const StepCommand& command) override;
    void Refused(const Exchange& what) override;
    void SubmitRefused(SubmitRefusal why) override;
    void Connecting() override;
    void ValueRejected(unsigned step, unsigned source, RuleBreak why, bool underDhcp) override;
    void TimedOut(const Exchange& what, bool incomplete) override;
    void OutOfStep(const Exchange& lastSent) override;
    void SaveAcknowledged(bool readingBack) override;
    void ReadBackDone(const ReadBack& outcome) override;
    void Completed() override;
    void Disconnected(const Exchange& during) override;
    void FormEdited(bool unsaved) override;
    void ConnectionChanged(bool connected) override;

  private:
    void Show(const Message& message);

    ReplyClock::Duration timeout_{10000};
    std::vector<Message> notes_;
    bool verified_ = false;  // the save was read back as written
};

}  // namespace wifi
