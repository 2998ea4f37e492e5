#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wifi {

// The languages the tool speaks: Chinese, its own, and English.
enum class Language { Chinese, English };

std::string_view LanguageCode(Language language);  // "zh", "en"
std::optional<Language> LanguageNamed(std::string_view code);

// The language of a locale name ("zh_CN.UTF-8", "zh-CN", "de_DE", "C"):
// Chinese for zh*, and for C and POSIX (no choice made: the tool's own
// language), English for any other.
Language LanguageOfLocale(std::string_view locale);
// The locale the user's environment names for messages (LC_ALL, LC_MESSAGES,
// LANG), else the system's (Windows: the user's locale).
std::string EnvironmentLocale();
// The system's own locale where it has one beside the environment: Windows's
// user locale ("zh-CN"); empty elsewhere.
std::string SystemLocale();

// Which language a window speaks: the command line's choice, then the one
// last chosen in the window, then the locale.
Language ChooseLanguage(std::optional<Language> commandLine, std::optional<Language> remembered,
                        std::string_view locale);

// Which language the command line speaks, one for the whole run: the one
// asked for (--lang), else Chinese where the locale is Chinese, else English.
// Unlike a window it speaks English in C, POSIX and no locale at all: there
// scripts run, and its help, options and argument errors are English.
Language CommandLineLanguage(std::optional<Language> asked, std::string_view locale);

// The language a window can show: English in place of Chinese when no font
// has Chinese characters, with why in `why` (English, for standard error).
Language ShowableLanguage(Language chosen, bool chineseFont, std::string& why);

}  // namespace wifi
