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
    void Refused(unsigned step) override;
    void Completed() override;

    // The form's label for a write-sequence field ("ssid" -> "网络名称").
    static QString FieldLabel(std::string_view field);

  private:
    void Show(const QString& text, bool problem);
    QLabel* label_;
};

}  // namespace wifi
