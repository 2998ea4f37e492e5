#include "qtserial/QtPortSource.h"

#include <QSerialPortInfo>

namespace wifi {

std::vector<PortInfo> QtSystemPorts() {
    std::vector<PortInfo> ports;
    for (const auto& info : QSerialPortInfo::availablePorts()) {
        PortInfo port;
        port.device =
            (ThisSystem() == PortSystem::Windows ? info.portName() : info.systemLocation())
                .toStdString();
        port.description = info.description().toStdString();
        port.manufacturer = info.manufacturer().toStdString();
        port.serialNumber = info.serialNumber().toStdString();
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

}  // namespace wifi
