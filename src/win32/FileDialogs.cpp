#include "win32/FileDialogs.h"

#include <commdlg.h>

#include "win32/Win32Text.h"

namespace wifi {

namespace {

std::optional<std::string> Ask(HWND owner, const FileQuestion& question, bool save) {
    wchar_t path[MAX_PATH] = {};
    lstrcpynW(path, question.suggested.c_str(), MAX_PATH);
    std::wstring filter = Ui(question.filterText);
    filter += std::wstring(1, L'\0') + question.pattern + std::wstring(2, L'\0');
    const std::wstring title = Ui(question.title);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = question.extension;
    ofn.Flags =
        OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) {
        return std::nullopt;
    }
    return Utf8(path);
}

}  // namespace

std::optional<std::string> AskSavePath(HWND owner, const FileQuestion& question) {
    return Ask(owner, question, true);
}

std::optional<std::string> AskOpenPath(HWND owner, const FileQuestion& question) {
    return Ask(owner, question, false);
}

}  // namespace wifi
