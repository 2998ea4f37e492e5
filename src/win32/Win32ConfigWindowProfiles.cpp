// The window's profiles: the form saved to, and filled from, the same JSON
// file the command line reads and writes.
#include "win32/Win32ConfigWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/UserInput.h"
#include "profile/FormFields.h"
#include "profile/FormProfile.h"
#include "win32/DialogBuilder.h"
#include "win32/FileDialogs.h"
#include "win32/Win32Text.h"
#include "wording/Messages.h"
#include "wording/WindowTexts.h"

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
    bool UserSetAddressField(int id, int field, std::optional<int> value) override {
        if (!controls_.IsWindowEnabled(id) || field < 0 || field > 3 || !value || *value < 0) {
            return false;
        }
        Address address = controls_.IsBlank(id) ? Address{} : controls_.GetAddress(id);
        address[std::size_t(field)] = static_cast<std::uint8_t>(std::min(*value, 255));
        controls_.SetAddress(id, address);
        dlg_.Dispatch(id, Notification::FieldChanged);
        return true;
    }

  private:
    Win32Controls& controls_;
    CConfigDlg& dlg_;
};

void Win32ConfigWindow::ExportProfile() {
    // Named after the network, so that a folder of profiles reads as a list.
    std::wstring ssid(std::size_t(GetWindowTextLengthW(controls_.Item(IDC_SSID))) + 1, L'\0');
    ssid.resize(
        std::size_t(GetWindowTextW(controls_.Item(IDC_SSID), ssid.data(), int(ssid.size()))));
    const auto path = AskSavePath(dialog_, {kExportTitle, kProfileFilter, L"*.json", L"json",
                                            Wide(ProfileFileName(Utf8(ssid)))});
    if (!path) {
        return;
    }
    const std::string file = WithJsonSuffix(*path);
    if (const auto wrong =
            ExportFormProfile(file, controls_, dlg_->UnknownFields(), controls_.encoding())) {
        Box(*wrong, MB_ICONWARNING);
    }
}

void Win32ConfigWindow::ImportProfile() {
    const auto path = AskOpenPath(dialog_, {kImportTitle, kProfileFilter, L"*.json", nullptr, {}});
    if (!path) {
        return;
    }
    // The form takes values only from a connected module: what the file
    // leaves out keeps the module's values, as on the command line.
    if (!dlg_->IsConnected()) {
        Box(ImportNeedsAConnection(), MB_ICONWARNING);
        return;
    }
    Input input(controls_, *dlg_);
    std::optional<Message> wrong;
    Guarded([&] { wrong = ImportFormProfile(*path, controls_, input, controls_.encoding()); });
    if (wrong) {
        Box(*wrong, MB_ICONWARNING);
        return;
    }
    progressLine_.Imported();
}

}  // namespace wifi
