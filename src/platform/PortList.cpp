#include "platform/PortList.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace wifi {

PortSystem ThisSystem() {
#if defined(Q_OS_WIN)
    return PortSystem::Windows;
#elif defined(Q_OS_MACOS)
    return PortSystem::MacOS;
#else
    return PortSystem::Other;
#endif
}

std::vector<SerialPortInfo> SystemPorts() {
    std::vector<SerialPortInfo> ports;
    for (const auto& info : QSerialPortInfo::availablePorts()) {
        ports.push_back({ThisSystem() == PortSystem::Windows ? info.portName()
                                                             : info.systemLocation()});
    }
    return ports;
}

namespace {

constexpr int kComPorts = 16;

// COM17 after COM9: by number, not by text.
int ComNumber(const QString& name) {
    return name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) ? name.mid(3).toInt() : 0;
}

}  // namespace

QStringList PortEntries(PortSystem system, const std::vector<SerialPortInfo>& reported,
                        const QStringList& named) {
    QStringList ports;
    if (system == PortSystem::Windows) {
        for (int i = 1; i <= kComPorts; ++i) {
            ports << QStringLiteral("COM%1").arg(i);
        }
        QStringList beyond;
        for (const auto& port : reported) {
            if (ComNumber(port.device) > kComPorts || ComNumber(port.device) == 0) {
                beyond << port.device;
            }
        }
        std::sort(beyond.begin(), beyond.end(), [](const QString& a, const QString& b) {
            return ComNumber(a) != ComNumber(b) ? ComNumber(a) < ComNumber(b) : a < b;
        });
        ports << beyond;
    } else {
        for (const auto& port : reported) {
            if (system != PortSystem::MacOS || port.device.startsWith(QLatin1String("/dev/cu."))) {
                ports << port.device;
            }
        }
        ports.sort();
    }
    ports.removeDuplicates();
    for (const auto& device : named) {
        if (!ports.contains(device)) {
            ports << device;
        }
    }
    return ports;
}

QStringList AvailablePorts(const QStringList& named) {
    return PortEntries(ThisSystem(), SystemPorts(), named);
}

}  // namespace wifi
