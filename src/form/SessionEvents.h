#pragma once

#include "protocol/SessionState.h"
#include "protocol/ValueRules.h"
#include "protocol/WriteSequence.h"

namespace wifi {

// Why a submit sent nothing.
enum class SubmitRefusal {
    Busy,          // a command is in flight: a sequence runs, or the handshake
    NotConnected,  // the module has not answered the connect handshake
};

// What a front end may want to show of a connection's progress beyond the
// status field: the report, the connected reply, each write step, a refusal,
// the completion. Every call comes from within a handler, on its thread.
class SessionEvents {
  public:
    virtual ~SessionEvents() = default;
    virtual void ReportParsed() {}
    virtual void Connected() {}
    // Step 1 to 21 was performed: its command was sent, or nothing was sent
    // (command.skip says why) and the sequence stopped there.
    virtual void StepPerformed(unsigned step, const StepCommand& command) {
        (void)step;
        (void)command;
    }
    // The module answered "ERROR" to the command in flight: the query, the
    // connect request, or the write sequence's command of this step (0: the
    // configure command, 21: the save).
    virtual void Refused(InFlight command, unsigned step) {
        (void)command;
        (void)step;
    }
    virtual void SubmitRefused(SubmitRefusal why) { (void)why; }
    // A submit sent nothing: the value of what step `step` sends (source: see
    // StepCommand) breaks its rule. The form puts the focus on that field.
    virtual void ValueRejected(unsigned step, unsigned source, RuleBreak why) {
        (void)step;
        (void)source;
        (void)why;
    }
    // The module did not answer the command in flight in time. A connection
    // was closed; a write sequence stopped, the port left open.
    virtual void TimedOut(InFlight command, unsigned step) {
        (void)command;
        (void)step;
    }
    // The save command was acknowledged; the completion message follows.
    virtual void Completed() {}
    // A write sequence ended, whichever way: the form can be edited again.
    virtual void SequenceEnded() {}
};

}  // namespace wifi
