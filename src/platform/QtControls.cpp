#include "platform/QtControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <stdexcept>

#include "form/ControlIds.h"
#include "platform/IpAddressEdit.h"
#include "platform/Translations.h"

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

std::string QtControls::GetText(int id) const {
    if (auto* box = qobject_cast<QComboBox*>(Widget(id))) {
        return box->currentIndex() < 0 ? std::string() : box->currentText().toStdString();
    }
    const QString text = As<QLineEdit>(id)->text();
    if (id == IDC_STATUS) {
        return text.toStdString();  // an interface text, not the module's
    }
    // Untouched, a reported text goes back as the bytes the module sent.
    if (auto it = reported_.find(id); it != reported_.end() && it->shown == text) {
        return it->bytes;
    }
    return codec_.Encode(text).value_or(text.toStdString());
}

bool QtControls::CanEncode(int id) const {
    if (id == IDC_STATUS || qobject_cast<QComboBox*>(Widget(id))) {
        return true;
    }
    const QString text = As<QLineEdit>(id)->text();
    auto it = reported_.find(id);
    if (it != reported_.end() && it->shown == text) {
        return true;  // untouched: the reported bytes go back
    }
    // An edited text that still shows the replacement character for bytes
    // that did not decode would send that character's bytes, not the
    // module's: it is refused like any character the encoding lacks.
    return !text.contains(QChar::ReplacementCharacter) && codec_.Encode(text).has_value();
}

void QtControls::SetText(int id, const std::string& text) {
    auto* edit = As<QLineEdit>(id);
    if (id == IDC_STATUS) {
        Show(edit, UiText(text));  // 已连接 / Connected
        return;
    }
    auto decoded = codec_.Decode(text);
    reported_[id] = Reported{text, decoded ? *decoded : codec_.DecodeLossy(text)};
    Show(edit, reported_[id].shown);
    if (!decoded && onForeignText) {
        onForeignText(id, DetectEncoding(text));
    }
}

void QtControls::SetTypedBytes(int id, const std::string& bytes) {
    auto* edit = As<QLineEdit>(id);
    if (const auto text = codec_.Decode(bytes)) {
        reported_.remove(id);
        Show(edit, *text);
        return;
    }
    reported_[id] = Reported{bytes, codec_.DecodeLossy(bytes)};
    Show(edit, reported_[id].shown);
}

std::vector<int> QtControls::SetEncoding(TextEncoding encoding) {
    codec_ = TextCodec(encoding);
    std::vector<int> lossy;
    for (auto it = reported_.begin(); it != reported_.end(); ++it) {
        auto* edit = As<QLineEdit>(it.key());
        if (edit->text() != it->shown) {
            continue;  // typed: the text stays, and goes out in the new encoding
        }
        const auto decoded = codec_.Decode(it->bytes);
        if (!decoded) {
            lossy.push_back(it.key());
        }
        it->shown = decoded.value_or(codec_.DecodeLossy(it->bytes));
        Show(edit, it->shown);
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
