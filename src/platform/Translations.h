#pragma once

#include <QString>
#include <optional>
#include <string_view>

class QCoreApplication;

namespace wifi {

// The window's languages: Chinese, the tool's own, and English.
enum class Language { Chinese, English };

QString LanguageCode(Language language);  // "zh", "en"
std::optional<Language> LanguageNamed(const QString& code);

// The language of a locale name ("zh_CN.UTF-8", "de_DE", "C"): Chinese for
// zh*, and for C and POSIX (no choice made: the tool's own language), English
// for any other.
Language LanguageOfLocale(const QString& locale);
// The locale the user's environment names for messages (LC_ALL, LC_MESSAGES,
// LANG), else the system's.
QString EnvironmentLocale();

// Which language the window speaks: the command line's choice, then the one
// last chosen in the window, then the locale.
Language ChooseLanguage(std::optional<Language> commandLine, std::optional<Language> remembered,
                        const QString& locale);

// Whether a font with Chinese characters is installed: without one every
// Chinese label would be an empty box.
bool ChineseFontInstalled();

// Installs the translations for the language: English texts for the window,
// or Qt's own Chinese for its standard buttons and dialogs ("确定", not "OK").
// False when they could not be loaded; the window then speaks Chinese with
// Qt's English buttons.
bool InstallTranslations(QCoreApplication& app, Language language);
// The language installed last (Chinese before any).
Language CurrentLanguage();

// An interface text of the core, in the window's language.
QString UiText(std::string_view utf8);

}  // namespace wifi
