#include "win32/FileDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include "win32/Win32Text.h"

namespace wifi {

namespace {

// The folder of the last file chosen in this run.
std::wstring lastFolder;

std::wstring Documents() {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return path;
    }
    return {};
}

}  // namespace

std::optional<std::string> AskPath(HWND owner, const FileChoice& choice) {
    wchar_t path[MAX_PATH] = {};
    lstrcpynW(path, Wide(choice.suggested).c_str(), MAX_PATH);
    const std::wstring pattern = Wide(choice.pattern);
    std::wstring filter = Wide(choice.filter);
    filter += std::wstring(1, L'\0') + pattern + std::wstring(2, L'\0');
    const std::wstring title = Wide(choice.title);
    // "*.json": "json" is added when the user types no extension.
    const std::wstring extension = pattern.rfind(L"*.", 0) == 0 ? pattern.substr(2) : L"";
    const std::wstring folder = lastFolder.empty() ? Documents() : lastFolder;
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                (choice.save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    if (!(choice.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) {
        return std::nullopt;
    }
    const std::wstring chosen = path;
    lastFolder = chosen.substr(0, chosen.find_last_of(L"\\/"));
    return Utf8(chosen);
}

}  // namespace wifi
