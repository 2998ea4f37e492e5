#include "platform/PortComboBox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>

namespace wifi {

PortComboBox::PortComboBox(QStringList named, QWidget* parent, Source source)
    : QComboBox(parent), named_(std::move(named)), source_(std::move(source)) {
    // The closed box is narrow: its tooltip tells the whole entry and path.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        setToolTip(index < 0 ? QString() : itemData(index, Qt::ToolTipRole).toString());
    });
    Refresh();
    setCurrentIndex(-1);
    poll_ = new QTimer(this);
    poll_->setInterval(1000);
    connect(poll_, &QTimer::timeout, this, &PortComboBox::Poll);
    poll_->start();
}

QString PortComboBox::DeviceAt(int index) const {
    return index >= 0 && index < count() ? itemData(index).toString() : QString();
}

QString PortComboBox::Device() const {
    return DeviceAt(currentIndex());
}

QString PortComboBox::SerialNumber() const {
    return InfoOf(Device(), reported_).serialNumber;
}

bool PortComboBox::Choose(const QString& device, const QString& serialNumber) {
    int index = -1;
    if (!serialNumber.isEmpty()) {
        for (const auto& port : reported_) {
            if (port.serialNumber == serialNumber) {
                index = findData(port.device);
            }
        }
    }
    if (index < 0 && !device.isEmpty()) {
        index = findData(device);
    }
    if (index >= 0) {
        setCurrentIndex(index);
    }
    return index >= 0;
}

void PortComboBox::Refresh() {
    const QString chosen = Device();
    reported_ = source_();
    const QStringList devices = PortEntries(ThisSystem(), reported_, named_);
    QStringList texts;
    for (const auto& device : devices) {
        texts << PortEntryText(InfoOf(device, reported_));
    }
    const QString placeholder = tr("未找到串口");
    QStringList shown;
    for (int i = 0; i < count(); ++i) {
        shown << itemText(i);
    }
    if (shown == (devices.isEmpty() ? QStringList{placeholder} : texts)) {
        return;
    }
    clear();
    int widest = 0;
    for (qsizetype i = 0; i < devices.size(); ++i) {
        const SerialPortInfo info = InfoOf(devices[i], reported_);
        QString tip = info.device;
        if (!info.manufacturer.isEmpty()) {
            tip += QLatin1Char('\n') + info.manufacturer;
        }
        if (!info.serialNumber.isEmpty()) {
            tip += QLatin1Char('\n') + info.serialNumber;
        }
        addItem(texts[i], devices[i]);
        setItemData(count() - 1, tip, Qt::ToolTipRole);
        widest = std::max(widest, fontMetrics().horizontalAdvance(texts[i]));
    }
    if (devices.isEmpty()) {
        addItem(placeholder);
        if (auto* items = qobject_cast<QStandardItemModel*>(model())) {
            items->item(0)->setEnabled(false);
        }
        widest = fontMetrics().horizontalAdvance(itemText(0));
    }
    // The open list is as wide as its longest entry, however narrow the box.
    view()->setMinimumWidth(widest + 4 * fontMetrics().averageCharWidth());
    setCurrentIndex(chosen.isEmpty() ? -1 : findData(chosen));
}

void PortComboBox::Poll() {
    if (isEnabled() && !view()->isVisible()) {
        Refresh();
    }
}

void PortComboBox::showPopup() {
    if (isEnabled()) {
        Refresh();
    }
    QComboBox::showPopup();
}

}  // namespace wifi
