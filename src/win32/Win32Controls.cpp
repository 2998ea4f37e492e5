#include "win32/Win32Controls.h"

#include "wording/WindowTexts.h"

#include <commctrl.h>

#include "form/ControlIds.h"
#include "win32/Win32Text.h"

namespace wifi {

namespace {

std::wstring WindowText(HWND w) {
    std::wstring text(std::size_t(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(w, text.data(), int(text.size()))));
    return text;
}

// Counts the code's own changes, so that their notifications reach nobody.
struct Changing {
    int& depth;
    explicit Changing(int& d) : depth(++d) {}
    ~Changing() { --depth; }
};

}  // namespace

bool Win32Controls::IsCombo(int id) const {
    wchar_t name[32] = {};
    GetClassNameW(Item(id), name, 32);
    return lstrcmpiW(name, WC_COMBOBOXW) == 0;
}

int Win32Controls::GetCurSel(int id) const {
    return int(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
}

void Win32Controls::SetCurSel(int id, int index) {
    Changing c(changing_);
    SendMessageW(Item(id), CB_SETCURSEL, WPARAM(index), 0);
}

std::string Win32Controls::ShownText(int id) const {
    return Utf8(WindowText(Item(id)));
}

std::string Win32Controls::GetText(int id) const {
    if (IsCombo(id)) {
        const int index = GetCurSel(id);
        if (index < 0) {
            return {};
        }
        const auto length = SendMessageW(Item(id), CB_GETLBTEXTLEN, WPARAM(index), 0);
        std::wstring text(std::size_t(length) + 1, L'\0');
        SendMessageW(Item(id), CB_GETLBTEXT, WPARAM(index), LPARAM(text.data()));
        text.resize(std::size_t(length));
        return Utf8(text);
    }
    if (id == IDC_STATUS) {
        return ShownText(id);  // an interface text, not the module's
    }
    return texts_.BytesFor(id, ShownText(id));
}

bool Win32Controls::CanEncode(int id) const {
    if (id == IDC_STATUS || IsCombo(id)) {
        return true;
    }
    return texts_.CanCarry(id, ShownText(id));
}

void Win32Controls::Show(int id, const std::string& text) {
    if (ShownText(id) != text) {
        Changing c(changing_);
        SetWindowTextW(Item(id), Wide(text).c_str());
    }
}

void Win32Controls::SetText(int id, const std::string& text) {
    if (id == IDC_STATUS) {
        Changing c(changing_);
        SetWindowTextW(Item(id), Ui(text).c_str());  // 已连接 / Connected
        return;
    }
    const ModuleTexts::Shown shown = texts_.Report(id, text);
    Show(id, shown.text);
    if (!shown.decoded && onForeignText) {
        onForeignText(id, DetectEncoding(text));
    }
}

void Win32Controls::SetTypedBytes(int id, const std::string& bytes) {
    // Typed, as a user's edit: its notification reaches the dialog.
    const ModuleTexts::Shown shown = texts_.Type(id, bytes);
    SetWindowTextW(Item(id), Wide(shown.text).c_str());
}

std::vector<int> Win32Controls::SetEncoding(TextEncoding encoding) {
    std::vector<int> lossy;
    for (const auto& [id, shown] :
         texts_.SetEncoding(encoding, [this](int id) { return ShownText(id); })) {
        Show(id, shown.text);
        if (!shown.decoded) {
            lossy.push_back(id);
        }
    }
    return lossy;
}

int Win32Controls::GetCheck(int id) const {
    return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Win32Controls::SetCheck(int id, int state) {
    Changing c(changing_);
    SendMessageW(Item(id), BM_SETCHECK, state ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Controls::IsBlank(int id) const {
    return SendMessageW(Item(id), IPM_ISBLANK, 0, 0) != 0;
}

Address Win32Controls::GetAddress(int id) const {
    DWORD packed = 0;
    SendMessageW(Item(id), IPM_GETADDRESS, 0, LPARAM(&packed));
    return {FIRST_IPADDRESS(packed), SECOND_IPADDRESS(packed), THIRD_IPADDRESS(packed),
            FOURTH_IPADDRESS(packed)};
}

void Win32Controls::SetAddress(int id, const Address& a) {
    Changing c(changing_);
    SendMessageW(Item(id), IPM_SETADDRESS, 0, MAKEIPADDRESS(a[0], a[1], a[2], a[3]));
}

void Win32Controls::ClearAddress(int id) {
    Changing c(changing_);
    SendMessageW(Item(id), IPM_CLEARADDRESS, 0, 0);
}

void Win32Controls::SetCaption(int id, std::string_view source) {
    SetWindowTextW(Item(id), Ui(source).c_str());
}

void Win32Controls::SetNotReported(int id, bool notReported) {
    // The hint that an empty edit or list shows (a cue banner).
    const std::wstring hint = notReported ? Ui(kNotReported) : std::wstring();
    const HWND item = Item(id);
    wchar_t kind[32] = {};
    GetClassNameW(item, kind, 32);
    if (lstrcmpiW(kind, WC_EDITW) == 0) {
        SendMessageW(item, EM_SETCUEBANNER, TRUE, LPARAM(hint.c_str()));
    } else if (lstrcmpiW(kind, WC_COMBOBOXW) == 0) {
        SendMessageW(item, CB_SETCUEBANNER, 0, LPARAM(hint.c_str()));
    }
}

void Win32Controls::EnableWindow(int id, bool enable) {
    ::EnableWindow(Item(id), enable ? TRUE : FALSE);
}

bool Win32Controls::IsWindowEnabled(int id) const {
    return ::IsWindowEnabled(Item(id)) != FALSE;
}

void Win32Controls::SetFocus(int id) {
    SendMessageW(dialog_, WM_NEXTDLGCTL, WPARAM(Item(id)), TRUE);
}

void Win32Controls::ShowMessage(std::string_view text, MessageType type) {
    MessageBoxW(dialog_, Ui(text).c_str(), caption_.c_str(),
                type == MessageType::Information ? MB_ICONINFORMATION | MB_OK : MB_OK);
}

}  // namespace wifi
