#include "protocol/Dispatcher.h"

#include "protocol/Commands.h"

namespace wifi {

void ProcessReceived(const SessionState& session, ReceiveBranches& branches) {
    const ReceiveBuffer& rx = session.rxBuffer;
    if (rx.Contains(token::kReportEnd)) {
        branches.ReportBranch();
        return;
    }
    if (rx.Contains(token::kConnected)) {
        branches.ConnectedBranch();
    }
    if (rx.Contains(token::kOk) && session.moduleReady == 1 && session.submitted) {
        branches.AcknowledgementBranch();
    }
    if (rx.Contains(token::kError)) {
        branches.ErrorBranch();
    }
}

}  // namespace wifi
