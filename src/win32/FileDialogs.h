#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace wifi {

// What the standard file dialogs are asked: a title and a filter from the
// core's words ("配置文件 (*.json)" with the pattern "*.json").
struct FileQuestion {
    const char* title;
    const char* filterText;
    const wchar_t* pattern;
    const wchar_t* extension;  // added when the user gives none
    std::wstring suggested;    // the name offered
};

// The path the user chose (UTF-8), or nothing when cancelled.
std::optional<std::string> AskSavePath(HWND owner, const FileQuestion& question);
std::optional<std::string> AskOpenPath(HWND owner, const FileQuestion& question);

}  // namespace wifi
