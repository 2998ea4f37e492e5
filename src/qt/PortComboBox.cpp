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

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

PortComboBox::PortComboBox(PortList& list, std::function<void()> refresh, QWidget* parent)
    : QComboBox(parent), list_(list), refresh_(std::move(refresh)) {
    // The closed box is narrow: its tooltip tells the whole entry and path.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        list_.Choose(index);
        setToolTip(index < 0 ? QString() : itemData(index, Qt::ToolTipRole).toString());
    });
    Show();
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
    const int chosen = list_.chosen();
    setCurrentIndex(chosen);
    setToolTip(chosen < 0 ? QString() : itemData(chosen, Qt::ToolTipRole).toString());
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
    if (!view()->isVisible()) {
        refresh_();
    }
}

void PortComboBox::showPopup() {
    refresh_();
    QComboBox::showPopup();
}

}  // namespace wifi
