#include "qt/QtControls.h"

#include "wording/WindowTexts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <stdexcept>

#include "form/ControlIds.h"
#include "qt/IpAddressEdit.h"
#include "qt/Translations.h"

namespace wifi {

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

std::string QtControls::ShownText(int id) const {
    return As<QLineEdit>(id)->text().toStdString();
}

std::string QtControls::GetText(int id) const {
    if (auto* box = qobject_cast<QComboBox*>(Widget(id))) {
        return box->currentIndex() < 0 ? std::string() : box->currentText().toStdString();
    }
    if (id == IDC_STATUS) {
        return ShownText(id);  // an interface text, not the module's
    }
    return texts_.BytesFor(id, ShownText(id));
}

bool QtControls::CanEncode(int id) const {
    if (id == IDC_STATUS || qobject_cast<QComboBox*>(Widget(id))) {
        return true;
    }
    return texts_.CanCarry(id, ShownText(id));
}

void QtControls::ShowModuleText(int id, const ModuleTexts::Shown& shown) {
    Show(As<QLineEdit>(id), QString::fromStdString(shown.text));
}

void QtControls::SetText(int id, const std::string& text) {
    if (id == IDC_STATUS) {
        Show(As<QLineEdit>(id), UiText(text));  // 已连接 / Connected
        return;
    }
    const ModuleTexts::Shown shown = texts_.Report(id, text);
    ShowModuleText(id, shown);
    if (!shown.decoded && onForeignText) {
        onForeignText(id, DetectEncoding(text, QtTextConverters()));
    }
}

void QtControls::SetTypedBytes(int id, const std::string& bytes) {
    ShowModuleText(id, texts_.Type(id, bytes));
}

std::vector<int> QtControls::SetEncoding(TextEncoding encoding) {
    std::vector<int> lossy;
    for (const auto& [id, shown] :
         texts_.SetEncoding(encoding, [this](int id) { return ShownText(id); })) {
        ShowModuleText(id, shown);
        if (!shown.decoded) {
            lossy.push_back(id);
        }
    }
    return lossy;
}

void QtControls::Show(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
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

void QtControls::ClearAddress(int id) {
    As<IpAddressEdit>(id)->clear();
}

void QtControls::SetCaption(int id, std::string_view source) {
    if (auto* button = qobject_cast<QAbstractButton*>(Widget(id))) {
        button->setText(UiText(source));
    }
}

void QtControls::SetNotReported(int id, bool notReported) {
    QWidget* w = Widget(id);
    if (!w) {
        return;
    }
    const QString hint = notReported ? UiText(kNotReported) : QString();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setPlaceholderText(hint);
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        list->setPlaceholderText(hint);
    }
    w->setToolTip(notReported ? UiText(kNotReportedTip) : QString());
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

void QtControls::ShowMessage(std::string_view text, MessageType type) {
    const QString message = UiText(text);
    const auto icon =
        type == MessageType::Information ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icon, caption_, message, QMessageBox::Ok, window_);
    box.exec();
}

}  // namespace wifi
