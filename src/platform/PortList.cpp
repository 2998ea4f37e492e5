#include "platform/PortList.h"

#include <QSerialPortInfo>

namespace wifi {

QStringList AvailablePorts(const QStringList& named) {
    QStringList ports;
#ifdef Q_OS_WIN
    for (int i = 1; i <= 16; ++i) {
        ports << QStringLiteral("COM%1").arg(i);
    }
#else
    for (const auto& info : QSerialPortInfo::availablePorts()) {
        ports << info.systemLocation();
    }
    ports.sort();
#endif
    for (const auto& device : named) {
        if (!ports.contains(device)) {
            ports << device;
        }
    }
    return ports;
}

}  // namespace wifi
