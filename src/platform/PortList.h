#pragma once

#include <QStringList>

namespace wifi {

// The ports offered in the port list: "COM1" to "COM16" on Windows, as the
// module's users always had them; elsewhere the serial devices the system
// reports, in a stable order, followed by the devices named on the command
// line (a pseudo-terminal, for example) that are not among them.
QStringList AvailablePorts(const QStringList& named);

}  // namespace wifi
