#include "platform/PortComboBox.h"

#include <QAbstractItemView>
#include <algorithm>

#include "platform/PortList.h"

namespace wifi {

PortComboBox::PortComboBox(QStringList named, QWidget* parent)
    : QComboBox(parent), named_(std::move(named)) {
    // The closed box is narrow: its tooltip tells the whole device path.
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int index) { setToolTip(index < 0 ? QString() : itemText(index)); });
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
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        setItemData(i, itemText(i), Qt::ToolTipRole);
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
    }
    // The open list is as wide as its longest entry, however narrow the box.
    view()->setMinimumWidth(widest + 4 * fontMetrics().averageCharWidth());
    setCurrentIndex(chosen.isEmpty() ? -1 : findText(chosen));
}

void PortComboBox::showPopup() {
    if (isEnabled()) {
        Refresh();
    }
    QComboBox::showPopup();
}

}  // namespace wifi
