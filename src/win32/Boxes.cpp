#include "win32/Boxes.h"

#include <commctrl.h>

#include "win32/Win32Text.h"

namespace wifi {

namespace {

int Show(HWND owner, const std::wstring& title, const std::wstring& text, const std::wstring& more,
         PCWSTR icon, const TASKDIALOG_BUTTON* buttons, UINT count, int defaultButton) {
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = icon;
    config.pszMainInstruction = text.c_str();
    config.pszContent = more.empty() ? nullptr : more.c_str();
    config.cButtons = count;
    config.pButtons = buttons;
    config.nDefaultButton = defaultButton;
    // The manifest asks for Common Controls 6, which always has task
    // dialogs; one that cannot show keeps things as they are.
    int pressed = defaultButton;
    if (FAILED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) {
        return defaultButton;
    }
    return pressed;
}

}  // namespace

bool AskBox(HWND owner, const QuestionText& question) {
    const std::wstring yes = Wide(question.yes);
    const std::wstring no = Wide(question.no);
    const TASKDIALOG_BUTTON buttons[] = {{IDYES, yes.c_str()}, {IDNO, no.c_str()}};
    return Show(owner, Wide(question.title), Wide(question.text), {}, TD_INFORMATION_ICON, buttons,
                2, IDNO) == IDYES;
}

void TellBox(HWND owner, const BoxText& box, BoxKind kind, const std::string& ok) {
    const std::wstring caption = Wide(ok);
    const TASKDIALOG_BUTTON buttons[] = {{IDOK, caption.c_str()}};
    const PCWSTR icon = kind == BoxKind::Error     ? TD_ERROR_ICON
                        : kind == BoxKind::Warning ? TD_WARNING_ICON
                                                   : TD_INFORMATION_ICON;
    Show(owner, Wide(box.title), Wide(box.text), Wide(box.more), icon, buttons, 1, IDOK);
}

}  // namespace wifi
