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

PortComboBox::PortComboBox(QStringList named, QWidget* parent)
    : QComboBox(parent), named_(std::move(named)) {
    Refresh();
    setCurrentIndex(-1);
}

void PortComboBox::Refresh() {
    const QString chosen = currentIndex() >= 0 ? currentText() : QString();
    const QStringList ports = AvailablePorts(named_);
    QStringList shown;
    for (int i = 0; i < count(); ++i) {
        shown << itemText(i);
    }
    if (ports == shown) {
        return;
    }
    clear();
    addItems(ports);
    setCurrentIndex(chosen.isEmpty() ? -1 : findText(chosen));
}

void PortComboBox::showPopup() {
    if (isEnabled()) {
        Refresh();
    }
    QComboBox::showPopup();
}

}  // namespace wifi
