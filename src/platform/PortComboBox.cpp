#include "platform/PortComboBox.h"

#include "platform/PortList.h"

namespace wifi {

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
