// The window's menu and its keys: read again, the traffic view, the
// language; Shift+F10 and the Menu key in any field.
#include "win32/Win32ConfigWindow.h"

#include <commctrl.h>

#include "form/ControlIds.h"
#include "win32/DialogBuilder.h"
#include "win32/Win32Text.h"
#include "wording/WindowTexts.h"

namespace wifi {

bool Win32ConfigWindow::PreTranslate(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) {
        return false;
    }
    if (msg.hwnd != dialog_ && !IsChild(dialog_, msg.hwnd)) {
        return false;
    }
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if ((msg.wParam == VK_F10 && shift) || msg.wParam == VK_APPS) {
        // The window's menu, at the field that has the focus: an edit field
        // would otherwise open its own edit menu.
        RECT r;
        GetWindowRect(msg.hwnd, &r);
        ShowMenu({r.left, r.bottom});
        return true;
    }
    UINT command = 0;
    if (ctrl && msg.wParam == 'S') {
        command = IDM_EXPORT;
    } else if (ctrl && msg.wParam == 'O') {
        command = IDM_IMPORT;
    } else if (ctrl && msg.wParam == 'L') {
        command = IDM_TRAFFIC;
    } else if (msg.wParam == VK_F5) {
        command = IDM_READ_AGAIN;
    }
    if (command) {
        PostMessageW(dialog_, WM_COMMAND, command, 0);
        return true;
    }
    return false;
}

void Win32ConfigWindow::ShowMenu(POINT at) {
    const HMENU menu = CreatePopupMenu();
    const auto item = [&](UINT id, const char* text, const wchar_t* keys) {
        AppendMenuW(menu, MF_STRING, id, (Ui(text) + L"\t" + keys).c_str());
    };
    item(IDM_EXPORT, kMenuExport, L"Ctrl+S");
    item(IDM_IMPORT, kMenuImport, L"Ctrl+O");
    item(IDM_READ_AGAIN, kMenuReadAgain, L"F5");
    item(IDM_TRAFFIC, kMenuTraffic, L"Ctrl+L");
    AppendMenuW(menu, MF_STRING | (dlg_->verify() ? MF_CHECKED : 0), IDM_VERIFY,
                Ui(kMenuVerify).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const HMENU languages = CreatePopupMenu();
    AppendMenuW(languages, MF_STRING | (WindowLanguage() == Language::Chinese ? MF_CHECKED : 0),
                IDM_CHINESE, L"中文");
    AppendMenuW(languages, MF_STRING | (WindowLanguage() == Language::English ? MF_CHECKED : 0),
                IDM_ENGLISH, L"English");
    AppendMenuW(menu, MF_POPUP, UINT_PTR(languages), Ui(kMenuLanguage).c_str());
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, dialog_, nullptr);
    DestroyMenu(menu);
}

void Win32ConfigWindow::ShowTraffic() {
    if (!traffic_) {
        traffic_ = std::make_unique<TrafficView>(instance_, *session_);
    }
    traffic_->Show(dialog_);
}

}  // namespace wifi
