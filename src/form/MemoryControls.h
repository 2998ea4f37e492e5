#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "form/Controls.h"
#include "form/Notification.h"
#include "form/UserInput.h"

namespace wifi {

// The dialog's controls in memory, behaving as the real ones do: a list with
// no selection reads -1 and an empty text, selecting from code raises nothing,
// an address control can be blank or partly filled, a disabled control takes
// no input. The User* calls act as a person at the window would and raise the
// notification the real control raises.
class MemoryControls : public Controls, public UserInput {
  public:
    // portEntries: the entries of the port list.
    explicit MemoryControls(std::vector<std::string> portEntries);

    int GetCurSel(int id) const override;
    void SetCurSel(int id, int index) override;
    std::string GetText(int id) const override;
    void SetText(int id, const std::string& text) override;
    int GetCheck(int id) const override;
    void SetCheck(int id, int state) override;
    bool IsBlank(int id) const override;
    Address GetAddress(int id) const override;
    void SetAddress(int id, const Address& address) override;
    void ClearAddress(int id) override;
    // The caption reads back as the control's text.
    void SetCaption(int id, std::string_view source) override { At(id).text = source; }
    void SetNotReported(int id, bool notReported) override { At(id).notReported = notReported; }
    bool NotReported(int id) const { return At(id).notReported; }
    void EnableWindow(int id, bool enable) override;
    bool IsWindowEnabled(int id) const override;
    void SetFocus(int id) override { focus_ = id; }
    // The control that has the focus (0: none was given it).
    int focus() const { return focus_; }
    void ShowMessage(std::string_view text, MessageType type) override;

    // Where notifications go: the dialog's message map.
    std::function<void(int id, Notification code)> notify;
    // Runs while a message box is open, as events do under a modal box.
    std::function<void()> whileMessageBoxOpen;

    // A person's actions. Each returns false, and changes nothing, when the
    // control is disabled or the value is not one the control can take.
    bool UserSelect(int id, int index) override;
    bool UserType(int id, const std::string& text) override;
    bool UserClick(int id) override;
    bool UserClearAddress(int id);

    // The messages shown so far, with their types.
    const std::vector<std::pair<std::string, MessageType>>& messages() const { return messages_; }

  protected:
    bool TypeAddressField(int id, int field, std::uint8_t value) override;

  private:
    struct Control {
        std::vector<std::string> entries;
        int selection = -1;
        std::string text;
        int check = 0;
        std::array<std::optional<int>, 4> fields;
        bool enabled = true;
        bool notReported = false;
    };
    Control& At(int id);
    const Control& At(int id) const;
    bool Accepts(int id) const;
    void Notify(int id, Notification code);

    std::map<int, Control> controls_;
    int focus_ = 0;
    std::vector<std::pair<std::string, MessageType>> messages_;
};

}  // namespace wifi
