#pragma once

#include <QString>

#include "protocol/SessionEvents.h"

class QLabel;

namespace wifi {

// Shows how a write sequence is going, in the free space beside the submit
// button: the step in progress, a refusal, or a step that could not be sent,
// each naming the parameter in the form's own words.
class WriteProgress : public SessionEvents {
  public:
    explicit WriteProgress(QLabel* label) : label_(label) {}

    void ReportParsed() override;
    void Connected() override;
    void StepPerformed(unsigned step, const StepCommand& command) override;
    void Refused(InFlight command, unsigned step) override;
    void SubmitRefused(SubmitRefusal why) override;
    void Completed() override;

    // The form's name for what a step sends (step 1: "网络名称"); step 0 is
    // the configure command.
    static QString StepLabel(unsigned step, unsigned source = 0);

  private:
    void Show(const QString& text, bool problem);
    QLabel* label_;
};

}  // namespace wifi
