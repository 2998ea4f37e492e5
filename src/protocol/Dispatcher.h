#pragma once

#include <string_view>

#include "protocol/SessionState.h"

namespace wifi {

// What the receive dispatcher can decide to do. The dialog carries it out;
// the dispatcher decides which runs and in what order.
class ReceiveBranches {
  public:
    // The line that starts with "Web_Password:" has arrived: reportText holds
    // the whole report.
    virtual void ReportBranch() = 0;
    virtual void ConnectedBranch() = 0;
    virtual void AcknowledgementBranch() = 0;
    // The module refused the command in flight; `reply` is the refusal's
    // line as it came ("ERROR", "+ERROR: bad value").
    virtual void ErrorBranch(const std::string& reply) = 0;
    // An "OK" or "ERROR" that no command in flight awaits: nothing was in
    // flight, or the line began before the command went out.
    virtual void UnexpectedReplyBranch() = 0;
    // A reply word of any kind arrived (a line of "OK", "ERROR" or
    // "CONNECTED" alone), awaited or not: the line was not quiet.
    virtual void ReplyWordHeard() {}

  protected:
    ~ReceiveBranches() = default;
};

// Runs after every data-received event, and on what arrived before a command
// goes out. Takes the whole lines received, in the order they arrived, and
// hands each to the command in flight: the first line that is one of its
// awaited replies settles it, and every other line (an echo, "+EVENT"
// output) is passed over, but for a reply word that nothing awaits. While the
// query is in flight, every line but a refusal joins the report. Only a line
// that began after the command went out can answer it.
void ProcessReceived(SessionState& session, ReceiveBranches& branches);

// A reply word as a line of its own, spaces and tabs around it ignored: "OK",
// "CONNECTED", and "ERROR" (a refusal; "ERROR_Count:0" is a report line).
bool IsReplyLine(std::string_view line, std::string_view word);
bool IsRefusalLine(std::string_view line);
// A refusal of a parameter, the configure command or the save: a line that
// starts with "ERROR" or "+ERROR" in any case ("error", "ERROR: bad value",
// "+ERROR 5"). Only while such a command awaits its answer: during the query
// "ERROR_Count:0" is a report line.
bool IsWriteRefusalLine(std::string_view line);

}  // namespace wifi
