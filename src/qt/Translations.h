#pragma once

#include <QString>
#include <string_view>

#include "wording/Language.h"
#include "wording/Text.h"

class QCoreApplication;

namespace wifi {

// Whether a font with Chinese characters is installed: without one every
// Chinese label would be an empty box.
bool ChineseFontInstalled();

// Makes the window speak the language: the core's texts in it, and for
// Chinese Qt's own translations of its standard buttons and dialogs ("确定",
// not "OK"). False when Qt's could not be loaded; the window then speaks
// Chinese with Qt's English buttons.
bool InstallTranslations(QCoreApplication& app, Language language);
// The language installed last (Chinese before any).
Language CurrentLanguage();

// A text of the core in the window's language.
QString Shown(const Text& text);
// A message as the window shows it, its first letter a capital.
QString Shown(const Message& message);
// An interface text of the core marked with UI_TEXT (a caption, a list
// entry, a label), in the window's language.
QString UiText(std::string_view source);
// A field's label as messages use it ("baud rate"), in the window's language.
QString FieldText(std::string_view label);

}  // namespace wifi
