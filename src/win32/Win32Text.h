#pragma once

#include <string>
#include <string_view>

#include "wording/Language.h"
#include "wording/Text.h"

namespace wifi {

// UTF-8 to and from the UTF-16 of Windows' wide functions.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// Whether a font with Chinese characters (GB2312) is installed: without one
// every Chinese label would be boxes, and the window speaks English.
bool ChineseFontInstalled();
// The language the window speaks; set once, at start.
void SetWindowLanguage(Language language);
Language WindowLanguage();
// An interface text of the core in the window's language.
std::wstring Ui(std::string_view source);
std::wstring Ui(const Text& text);
// A message: what happened and what to do next, then the system's words on a
// line of their own.
std::wstring Ui(const Message& message);

}  // namespace wifi
