#include "qt/WindowInput.h"

#include <QCheckBox>
#include <QComboBox>

#include "qt/IpAddressEdit.h"

namespace wifi {

bool WindowInput::UserSelect(int id, int index) {
    auto* box = qobject_cast<QComboBox*>(controls_.Widget(id));
    if (!box || !box->isEnabled() || index < 0 || index >= box->count()) {
        return false;
    }
    box->setCurrentIndex(index);
    dispatch_(id, Notification::SelChange);
    return true;
}

bool WindowInput::UserType(int id, const std::string& bytes) {
    if (!controls_.IsWindowEnabled(id)) {
        return false;
    }
    controls_.SetTypedBytes(id, bytes);  // the edit raises its own change
    return true;
}

bool WindowInput::UserClick(int id) {
    auto* check = qobject_cast<QCheckBox*>(controls_.Widget(id));
    if (!check || !check->isEnabled()) {
        return false;
    }
    check->setChecked(!check->isChecked());
    dispatch_(id, Notification::Clicked);
    return true;
}

bool WindowInput::TypeAddressField(int id, int field, std::uint8_t value) {
    auto* edit = qobject_cast<IpAddressEdit*>(controls_.Widget(id));
    if (!edit || !edit->isEnabled()) {
        return false;
    }
    Address address = edit->address();
    address[static_cast<std::size_t>(field)] = value;
    edit->setAddress(address);
    dispatch_(id, Notification::FieldChanged);
    return true;
}

}  // namespace wifi
