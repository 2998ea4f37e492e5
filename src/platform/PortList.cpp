#include "platform/PortList.h"

#include <QFileInfo>
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
        SerialPortInfo port;
        port.device = ThisSystem() == PortSystem::Windows ? info.portName() : info.systemLocation();
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        port.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier()) {
            port.vid = info.vendorIdentifier();
        }
        if (info.hasProductIdentifier()) {
            port.pid = info.productIdentifier();
        }
        ports.push_back(port);
    }
    return ports;
}

namespace {

constexpr int kComPorts = 16;

// COM17 after COM9: by number, not by text.
int ComNumber(const QString& name) {
    return name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) ? name.mid(3).toInt() : 0;
}

bool ListedBefore(const SerialPortInfo& a, const SerialPortInfo& b) {
    const int na = ComNumber(a.device);
    const int nb = ComNumber(b.device);
    return na != nb ? na < nb : a.device < b.device;
}

}  // namespace

std::vector<SerialPortInfo> ListedPorts(PortSystem system,
                                        const std::vector<SerialPortInfo>& reported) {
    std::vector<SerialPortInfo> ports;
    for (const auto& port : reported) {
        if (system != PortSystem::MacOS || port.device.startsWith(QLatin1String("/dev/cu."))) {
            ports.push_back(port);
        }
    }
    std::sort(ports.begin(), ports.end(), ListedBefore);
    ports.erase(std::unique(ports.begin(), ports.end(),
                            [](const auto& a, const auto& b) { return a.device == b.device; }),
                ports.end());
    return ports;
}

QStringList PortEntries(PortSystem system, const std::vector<SerialPortInfo>& reported,
                        const QStringList& named) {
    QStringList ports;
    if (system == PortSystem::Windows) {
        for (int i = 1; i <= kComPorts; ++i) {
            ports << QStringLiteral("COM%1").arg(i);
        }
    }
    for (const auto& port : ListedPorts(system, reported)) {
        if (!ports.contains(port.device)) {
            ports << port.device;
        }
    }
    for (const auto& device : named) {
        if (!ports.contains(device)) {
            ports << device;
        }
    }
    return ports;
}

QString UsbId(quint16 id) {
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

QString PortEntryText(const SerialPortInfo& info) {
    // A path's last part is what users call the port ("ttyUSB0").
    QString text =
        info.device.contains(QLatin1Char('/')) ? QFileInfo(info.device).fileName() : info.device;
    const QString what = info.description.isEmpty() ? info.manufacturer : info.description;
    if (!what.isEmpty()) {
        text += QStringLiteral(" — ") + what;
    }
    if (info.vid && info.pid) {
        text += QStringLiteral(" (%1:%2)").arg(UsbId(*info.vid), UsbId(*info.pid));
    }
    return text;
}

SerialPortInfo InfoOf(const QString& device, const std::vector<SerialPortInfo>& reported) {
    for (const auto& port : reported) {
        if (port.device == device) {
            return port;
        }
    }
    return SerialPortInfo{device, {}, {}, {}, {}, {}};
}

}  // namespace wifi
