#include "wording/Language.h"

#include <cstdlib>

namespace wifi {

std::string_view LanguageCode(Language language) {
    return language == Language::Chinese ? "zh" : "en";
}

std::optional<Language> LanguageNamed(std::string_view code) {
    if (code == "zh") {
        return Language::Chinese;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

Language LanguageOfLocale(std::string_view locale) {
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.") ||
        locale.starts_with("zh")) {
        return Language::Chinese;
    }
    return Language::English;
}

std::string EnvironmentLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            return value;
        }
    }
    return SystemLocale();
}

Language ChooseLanguage(std::optional<Language> commandLine, std::optional<Language> remembered,
                        std::string_view locale) {
    if (commandLine) {
        return *commandLine;
    }
    if (remembered) {
        return *remembered;
    }
    return LanguageOfLocale(locale);
}

Language CommandLineLanguage(std::optional<Language> asked, std::string_view locale) {
    if (asked) {
        return *asked;
    }
    return locale.starts_with("zh") ? Language::Chinese : Language::English;
}

Language ShowableLanguage(Language chosen, bool chineseFont, std::string& why) {
    if (chosen != Language::Chinese || chineseFont) {
        return chosen;
    }
    why =
        "no font with Chinese characters is installed (fonts-arphic-uming or "
        "fonts-wqy-zenhei, say); the window speaks English";
    return Language::English;
}

}  // namespace wifi
