#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "window/WindowShell.h"

namespace wifi {

// The standard file dialog for the session's question: it opens in the
// user's Documents folder, then in the folder last used; no read-only box.
// The path the user chose (UTF-8), or nothing when cancelled.
std::optional<std::string> AskPath(HWND owner, const FileChoice& choice);

}  // namespace wifi
