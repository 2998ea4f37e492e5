#pragma once

#include <windows.h>

#include "window/WindowShell.h"

namespace wifi {

// The session's boxes as task dialogs: their buttons carry the captions the
// session gives, in the window's language (a message box's would be the
// system's). The text goes above, the next step and the system's words
// below it. A question answers IDYES or IDNO, so that a user's Escape is No.
bool AskBox(HWND owner, const QuestionText& question);
void TellBox(HWND owner, const BoxText& box, BoxKind kind, const std::string& ok);

}  // namespace wifi
