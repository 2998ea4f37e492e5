// A profile's values typed into the window's controls, as a person's edits:
// the session decides what is imported.
#include "win32/Win32ConfigWindow.h"

#include <commctrl.h>

#include "form/ControlIds.h"
#include "form/UserInput.h"

namespace wifi {

// A person's edits on the window's controls, each raising what a person's
// edit raises: an imported profile.
class Win32ConfigWindow::Input : public UserInput {
  public:
    Input(Win32Controls& controls, CConfigDlg& dlg) : controls_(controls), dlg_(dlg) {}
    bool UserSelect(int id, int index) override {
        const HWND box = controls_.Item(id);
        const int count = int(SendMessageW(box, CB_GETCOUNT, 0, 0));
        if (!IsWindowEnabled(box) || index < 0 || index >= count) {
            return false;
        }
        controls_.SetCurSel(id, index);
        dlg_.Dispatch(id, Notification::SelChange);
        return true;
    }
    bool UserType(int id, const std::string& bytes) override {
        if (!controls_.IsWindowEnabled(id)) {
            return false;
        }
        controls_.SetTypedBytes(id, bytes);  // the edit raises its own change
        return true;
    }
    bool UserClick(int id) override {
        if (!controls_.IsWindowEnabled(id)) {
            return false;
        }
        SendMessageW(controls_.Item(id), BM_CLICK, 0, 0);
        return true;
    }

  protected:
    bool TypeAddressField(int id, int field, std::uint8_t value) override {
        if (!controls_.IsWindowEnabled(id)) {
            return false;
        }
        Address address = controls_.IsBlank(id) ? Address{} : controls_.GetAddress(id);
        address[std::size_t(field)] = value;
        controls_.SetAddress(id, address);
        dlg_.Dispatch(id, Notification::FieldChanged);
        return true;
    }

  private:
    Win32Controls& controls_;
    CConfigDlg& dlg_;
};

void Win32ConfigWindow::ImportProfile() {
    Input input(controls_, *dlg_);
    session_->ImportProfile(input);
}

}  // namespace wifi
