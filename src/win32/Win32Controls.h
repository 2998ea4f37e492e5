#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "form/Controls.h"
#include "text/ModuleTexts.h"
#include "window/WindowShell.h"

namespace wifi {

// The dialog's controls on window handles, found by id in the dialog. The
// status field and the list entries are interface texts. The other edits
// hold module texts, which are bytes: the core's ModuleTexts decides what each
// shows and what goes back to the module.
class Win32Controls : public Controls, public EncodedTexts {
  public:
    explicit Win32Controls(TextEncoding encoding) : texts_(encoding) {}
    void SetDialog(HWND dialog, std::wstring caption) {
        dialog_ = dialog;
        caption_ = std::move(caption);
    }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    // Whether the code itself is changing a control: its notifications are
    // then not the user's, and reach nobody.
    bool changing() const { return changing_ > 0; }

    int GetCurSel(int id) const override;
    void SetCurSel(int id, int index) override;
    std::string GetText(int id) const override;
    void SetText(int id, const std::string& text) override;
    bool CanEncode(int id) const override;
    // Puts a module text in as typed (an imported profile's).
    void SetTypedBytes(int id, const std::string& bytes);
    TextEncoding encoding() const override { return texts_.encoding(); }
    // Re-decodes the untouched reported texts; the ids not valid in the new
    // encoding.
    std::vector<int> SetEncoding(TextEncoding encoding) override;
    // Told when a reported text is not valid in the chosen encoding.
    std::function<void(int id, std::optional<TextEncoding> detected)> onForeignText;

    int GetCheck(int id) const override;
    void SetCheck(int id, int state) override;
    bool IsBlank(int id) const override;
    Address GetAddress(int id) const override;
    void SetAddress(int id, const Address& address) override;
    void ClearAddress(int id) override;
    void SetCaption(int id, std::string_view source) override;
    void EnableWindow(int id, bool enable) override;
    bool IsWindowEnabled(int id) const override;
    void SetFocus(int id) override;
    void SetNotReported(int id, bool notReported) override;
    void ShowMessage(std::string_view text, MessageType type) override;

  private:
    std::string ShownText(int id) const;
    void Show(int id, const std::string& text);
    bool IsCombo(int id) const;

    ModuleTexts texts_;
    HWND dialog_ = nullptr;
    std::wstring caption_;
    int changing_ = 0;
};

}  // namespace wifi
