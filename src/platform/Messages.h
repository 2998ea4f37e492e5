#pragma once

#include <QString>

#include "protocol/SessionState.h"
#include "protocol/ValueRules.h"
#include "serial/CommError.h"

namespace wifi {

// What the window tells its user, in the window's language. The system's own
// text, where there is one, goes on a detail line of its own.

// A port operation failed: what happened, naming the port.
QString PortFailureText(const CommError& error);
// The port failed or vanished while open.
QString PortLostText(const QString& port);
// What a step sends, in the form's words ("网络名称"); step 0 is the configure
// command, step 21 the save.
QString StepLabel(unsigned step, unsigned source = 0);
// What the module was asked and has not answered.
QString WaitText(InFlight command, unsigned step);
// Why a value cannot be sent.
QString RuleBreakText(RuleBreak why);

}  // namespace wifi
