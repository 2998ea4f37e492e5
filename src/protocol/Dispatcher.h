#pragma once

#include "protocol/SessionState.h"

namespace wifi {

// The four things the receive dispatcher can decide to do. The dialog carries
// them out; the dispatcher decides which run and in what order.
class ReceiveBranches {
  public:
    virtual void ReportBranch() = 0;
    virtual void ConnectedBranch() = 0;
    virtual void AcknowledgementBranch() = 0;
    virtual void ErrorBranch() = 0;

  protected:
    ~ReceiveBranches() = default;
};

// Runs after every data-received event, on the whole accumulated buffer:
//  1. a complete report runs the report branch alone; any other token in the
//     same buffer goes with it;
//  2. otherwise "CONNECTED", then "OK" (only while the module is ready and a
//     submit has opened a write sequence), then
//     "ERROR" are tested in turn, each on the buffer the previous one left.
void ProcessReceived(const SessionState& session, ReceiveBranches& branches);

}  // namespace wifi
