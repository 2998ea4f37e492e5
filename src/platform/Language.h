#pragma once

#include <QString>
#include <optional>

namespace wifi {

// The languages the tool speaks: Chinese, its own, and English.
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

}  // namespace wifi
