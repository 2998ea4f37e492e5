#pragma once

#include "protocol/WriteSequence.h"

namespace wifi {

// What a front end may want to show of a connection's progress beyond the
// status field: the report, the connected reply, each write step, a refusal,
// the completion. Every call comes from within a handler, on its thread.
class SessionEvents {
  public:
    virtual ~SessionEvents() = default;
    virtual void ReportParsed() {}
    virtual void Connected() {}
    // Step 1 to 21 was performed: its command was sent, or nothing was sent
    // (command.skip says why) and the sequence waits there.
    virtual void StepPerformed(unsigned step, const StepCommand& command) {
        (void)step;
        (void)command;
    }
    // The module answered "ERROR" to the command of this step (0: the
    // configure command). Told once per refusal, not per later event.
    virtual void Refused(unsigned step) { (void)step; }
    // The save command was acknowledged; the completion message follows.
    virtual void Completed() {}
};

}  // namespace wifi
