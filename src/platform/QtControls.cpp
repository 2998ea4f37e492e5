#include "platform/QtControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <stdexcept>

#include "form/ControlIds.h"
#include "platform/IpAddressEdit.h"

namespace wifi {

namespace {

QString FromModuleText(int id, const std::string& text) {
    return id == IDC_STATUS ? QString::fromStdString(text) : QString::fromLocal8Bit(text);
}

std::string ToModuleText(int id, const QString& text) {
    return id == IDC_STATUS ? text.toStdString() : text.toLocal8Bit().toStdString();
}

}  // namespace

QWidget* QtControls::Widget(int id) const {
    return widgets_.value(id, nullptr);
}

void QtControls::SetWindow(QWidget* window, const QString& caption) {
    window_ = window;
    caption_ = caption;
}

template <class T>
T* QtControls::As(int id) const {
    auto* widget = qobject_cast<T*>(Widget(id));
    if (!widget) {
        throw std::logic_error("control " + std::to_string(id) + " is not of the kind asked for");
    }
    return widget;
}

int QtControls::GetCurSel(int id) const {
    return As<QComboBox>(id)->currentIndex();
}

void QtControls::SetCurSel(int id, int index) {
    auto* box = As<QComboBox>(id);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

std::string QtControls::GetWindowText(int id) const {
    if (auto* box = qobject_cast<QComboBox*>(Widget(id))) {
        return box->currentIndex() < 0 ? std::string() : box->currentText().toStdString();
    }
    return ToModuleText(id, As<QLineEdit>(id)->text());
}

void QtControls::SetWindowText(int id, const std::string& text) {
    auto* edit = As<QLineEdit>(id);
    const QString value = FromModuleText(id, text);
    if (edit->text() != value) {
        edit->setText(value);
        edit->setCursorPosition(0);
    }
}

int QtControls::GetCheck(int id) const {
    return As<QCheckBox>(id)->isChecked() ? 1 : 0;
}

void QtControls::SetCheck(int id, int state) {
    As<QCheckBox>(id)->setChecked(state != 0);
}

bool QtControls::IsBlank(int id) const {
    return As<IpAddressEdit>(id)->isBlank();
}

Address QtControls::GetAddress(int id) const {
    return As<IpAddressEdit>(id)->address();
}

void QtControls::SetAddress(int id, const Address& address) {
    As<IpAddressEdit>(id)->setAddress(address);
}

void QtControls::EnableWindow(int id, bool enable) {
    if (auto* w = Widget(id)) {
        w->setEnabled(enable);
    }
}

bool QtControls::IsWindowEnabled(int id) const {
    auto* w = Widget(id);
    return w && w->isEnabled();
}

void QtControls::SetFocus(int id) {
    if (auto* w = Widget(id)) {
        w->setFocus(Qt::OtherFocusReason);
    }
}

void QtControls::MessageBox(std::string_view text, MessageType type) {
    const QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const auto icon =
        type == MessageType::Information ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icon, caption_, message, QMessageBox::Ok, window_);
    box.exec();
}

}  // namespace wifi
