#pragma once

#include <string_view>

#include "protocol/SessionState.h"

namespace wifi {

// The four things the receive dispatcher can decide to do. The dialog carries
// them out; the dispatcher decides which run and in what order.
class ReceiveBranches {
  public:
    // The line that starts with "Web_Password:" has arrived: reportText holds
    // the whole report.
    virtual void ReportBranch() = 0;
    virtual void ConnectedBranch() = 0;
    virtual void AcknowledgementBranch() = 0;
    // The module refused the command in flight.
    virtual void ErrorBranch() = 0;

  protected:
    ~ReceiveBranches() = default;
};

// Runs after every data-received event. Takes the whole lines received, in the
// order they arrived, and hands each to the command in flight: the first line
// that is one of its awaited replies settles it, and every other line (an
// echo, a blank line, "+EVENT" output, a reply nothing awaits) is passed over.
// While the query is in flight, every line joins the report.
void ProcessReceived(SessionState& session, ReceiveBranches& branches);

// "OK" or "CONNECTED" as a line of its own, spaces and tabs around it ignored.
bool IsReplyLine(std::string_view line, std::string_view word);
// A refusal: "ERROR" at the start of the line.
bool IsRefusalLine(std::string_view line);

}  // namespace wifi
