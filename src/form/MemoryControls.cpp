#include "form/MemoryControls.h"

#include <algorithm>
#include <stdexcept>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/ListContents.h"

namespace wifi {

MemoryControls::MemoryControls(std::vector<std::string> portEntries) {
    for (const auto& item : ConfigDialogTemplate().items) {
        if (item.id != IDC_STATIC) {
            controls_[item.id] = Control{};
        }
    }
    controls_[IDC_COMPORT].entries = std::move(portEntries);
    for (const auto& list : ParameterLists()) {
        auto& control = controls_[list.id];
        control.entries.assign(list.entries.begin(), list.entries.end());
    }
}

MemoryControls::Control& MemoryControls::At(int id) {
    auto it = controls_.find(id);
    if (it == controls_.end()) {
        throw std::logic_error("no control with id " + std::to_string(id));
    }
    return it->second;
}

const MemoryControls::Control& MemoryControls::At(int id) const {
    return const_cast<MemoryControls*>(this)->At(id);
}

int MemoryControls::GetCurSel(int id) const {
    return At(id).selection;
}

void MemoryControls::SetCurSel(int id, int index) {
    auto& c = At(id);
    c.selection = index >= 0 && static_cast<std::size_t>(index) < c.entries.size() ? index : -1;
}

std::string MemoryControls::GetText(int id) const {
    const auto& c = At(id);
    if (!c.entries.empty()) {
        return c.selection < 0 ? std::string() : c.entries[static_cast<std::size_t>(c.selection)];
    }
    return c.text;
}

void MemoryControls::SetText(int id, const std::string& text) {
    auto& c = At(id);
    if (c.text == text) {
        return;
    }
    c.text = text;
    // An edit tells its dialog of every change of its text, from code too.
    Notify(id, Notification::EditChange);
}

int MemoryControls::GetCheck(int id) const {
    return At(id).check;
}

void MemoryControls::SetCheck(int id, int state) {
    At(id).check = state;
}

bool MemoryControls::IsBlank(int id) const {
    for (const auto& f : At(id).fields) {
        if (f) {
            return false;
        }
    }
    return true;
}

Address MemoryControls::GetAddress(int id) const {
    Address a{};
    const auto& fields = At(id).fields;
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] = static_cast<std::uint8_t>(fields[i].value_or(0));
    }
    return a;
}

void MemoryControls::SetAddress(int id, const Address& address) {
    auto& fields = At(id).fields;
    for (std::size_t i = 0; i < address.size(); ++i) {
        fields[i] = address[i];
    }
}

void MemoryControls::ClearAddress(int id) {
    At(id).fields = {};
}

void MemoryControls::EnableWindow(int id, bool enable) {
    At(id).enabled = enable;
}

bool MemoryControls::IsWindowEnabled(int id) const {
    return At(id).enabled;
}

void MemoryControls::ShowMessage(std::string_view text, MessageType type) {
    messages_.emplace_back(std::string(text), type);
    if (whileMessageBoxOpen) {
        whileMessageBoxOpen();
    }
}

bool MemoryControls::Accepts(int id) const {
    auto it = controls_.find(id);
    return it != controls_.end() && it->second.enabled;
}

void MemoryControls::Notify(int id, Notification code) {
    if (notify) {
        notify(id, code);
    }
}

bool MemoryControls::UserSelect(int id, int index) {
    if (!Accepts(id)) {
        return false;
    }
    auto& c = At(id);
    if (index < 0 || static_cast<std::size_t>(index) >= c.entries.size()) {
        return false;
    }
    c.selection = index;
    Notify(id, Notification::SelChange);
    return true;
}

bool MemoryControls::UserType(int id, const std::string& text) {
    if (!Accepts(id) || !At(id).entries.empty()) {
        return false;
    }
    SetText(id, text);
    return true;
}

bool MemoryControls::UserClick(int id) {
    if (!Accepts(id)) {
        return false;
    }
    if (id == IDC_DHCP) {
        auto& c = At(id);
        c.check = c.check ? 0 : 1;
    }
    Notify(id, Notification::Clicked);
    return true;
}

bool MemoryControls::TypeAddressField(int id, int field, std::uint8_t value) {
    if (!Accepts(id)) {
        return false;
    }
    At(id).fields[static_cast<std::size_t>(field)] = value;
    Notify(id, Notification::FieldChanged);
    return true;
}

bool MemoryControls::UserClearAddress(int id) {
    if (!Accepts(id)) {
        return false;
    }
    At(id).fields = {};
    Notify(id, Notification::FieldChanged);
    return true;
}

}  // namespace wifi
