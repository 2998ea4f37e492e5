#include "qt/PortComboBox.h"

#include <QAbstractItemView>
#include <QStandardItemModel>
#include <QStylePainter>
#include <QTimer>
#include <algorithm>

#include "qt/Translations.h"
#include "wording/WindowTexts.h"

namespace wifi {

namespace {

std::vector<std::string> StdStrings(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list) {
        out.push_back(s.toStdString());
    }
    return out;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

PortComboBox::PortComboBox(const QStringList& named, QWidget* parent, PortSource source)
    : QComboBox(parent), source_(std::move(source)), list_(ThisSystem(), StdStrings(named)) {
    // The closed box is narrow: its tooltip tells the whole entry and path.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        list_.Choose(index);
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
    return Q(list_.SerialNumber());
}

bool PortComboBox::Choose(const QString& device, const QString& serialNumber) {
    if (!list_.Choose(device.toStdString(), serialNumber.toStdString())) {
        return false;
    }
    setCurrentIndex(list_.chosen());
    return true;
}

void PortComboBox::Refresh() {
    if (list_.Update(source_()) || count() == 0) {
        Show();
    }
    const int chosen = list_.chosen();
    setCurrentIndex(chosen);
    setToolTip(chosen < 0 ? QString() : itemData(chosen, Qt::ToolTipRole).toString());
}

void PortComboBox::Show() {
    // Filling the list is no choice of the user's: the chosen device stays.
    const QSignalBlocker quiet(this);
    clear();
    int widest = 0;
    for (std::size_t i = 0; i < list_.devices().size(); ++i) {
        const PortInfo info = list_.InfoAt(i);
        const QString text = Q(PortEntryText(info));
        addItem(text, Q(list_.devices()[i]));
        setItemData(count() - 1, Q(PortToolTip(info)), Qt::ToolTipRole);
        widest = std::max(widest, fontMetrics().horizontalAdvance(text));
    }
    if (list_.devices().empty()) {
        addItem(UiText(kNoPortFound));
        if (auto* items = qobject_cast<QStandardItemModel*>(model())) {
            items->item(0)->setEnabled(false);
        }
        widest = fontMetrics().horizontalAdvance(itemText(0));
    }
    // The open list is as wide as its longest entry, however narrow the box.
    view()->setMinimumWidth(widest + 4 * fontMetrics().averageCharWidth());
}

QString PortComboBox::ClosedText() const {
    const QString device = Device();
    return device.isEmpty() ? currentText() : Q(ShortName(device.toStdString()));
}

void PortComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = ClosedText();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
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
