#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "platform/Language.h"

class QCoreApplication;

namespace wifi {

// Whether a font with Chinese characters is installed: without one every
// Chinese label would be an empty box.
bool ChineseFontInstalled();
// The language the window can show: English in place of Chinese when no font
// has Chinese characters, with why in `why` (for standard error).
Language ShowableLanguage(Language chosen, bool chineseFont, QString& why);

// Installs the translations for the language: English texts for the window,
// or Qt's own Chinese for its standard buttons and dialogs ("确定", not "OK").
// False when they could not be loaded; the window then speaks Chinese with
// Qt's English buttons.
bool InstallTranslations(QCoreApplication& app, Language language);
// The language installed last (Chinese before any).
Language CurrentLanguage();

// An interface text of the core, in the window's language.
QString UiText(std::string_view utf8);
// A field's name as messages use it ("baud rate"), in the window's language.
QString FieldText(std::string_view utf8);

}  // namespace wifi
