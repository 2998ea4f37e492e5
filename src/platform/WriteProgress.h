#pragma once

#include <QString>
#include <functional>

#include "form/SessionEvents.h"

class QLabel;

namespace wifi {

// Shows how a connection and a write sequence are going, in the free space
// beside the submit button: the step in progress, a refusal, a value that
// cannot be sent, an answer that did not come; each names the parameter in
// the form's own words and says whether anything was saved.
class WriteProgress : public SessionEvents {
  public:
    explicit WriteProgress(QLabel* label) : label_(label) {}

    // A word about the reported values (their encoding, a value the form
    // cannot show) that stays until the module has connected.
    void Note(const QString& text);

    // Told when an answer did not come, with what was awaited, to say it in
    // a message as well.
    std::function<void(const QString& awaited, bool incomplete)> onTimedOut;

    void ReportParsed(const std::vector<UnknownValue>& unknown) override;
    void Connected() override;
    void StepPerformed(unsigned step, const StepCommand& command) override;
    void Refused(const Exchange& what) override;
    void SubmitRefused(SubmitRefusal why) override;
    void ValueRejected(unsigned step, unsigned source, RuleBreak why) override;
    void TimedOut(const Exchange& what, bool incomplete) override;
    void OutOfStep(unsigned lastSent) override;
    void Completed() override;

  private:
    void Show(const QString& text, bool problem);
    QLabel* label_;
    QString note_;
};

}  // namespace wifi
