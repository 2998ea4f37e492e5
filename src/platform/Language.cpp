#include "platform/Language.h"

#include <QLocale>

namespace wifi {

QString LanguageCode(Language language) {
    return language == Language::Chinese ? QStringLiteral("zh") : QStringLiteral("en");
}

std::optional<Language> LanguageNamed(const QString& code) {
    if (code == QLatin1String("zh")) {
        return Language::Chinese;
    }
    if (code == QLatin1String("en")) {
        return Language::English;
    }
    return std::nullopt;
}

Language LanguageOfLocale(const QString& locale) {
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
        locale.startsWith(QLatin1String("C.")) || locale.startsWith(QLatin1String("zh"))) {
        return Language::Chinese;
    }
    return Language::English;
}

QString EnvironmentLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return QLocale::system().name();
}

Language ChooseLanguage(std::optional<Language> commandLine, std::optional<Language> remembered,
                        const QString& locale) {
    if (commandLine) {
        return *commandLine;
    }
    if (remembered) {
        return *remembered;
    }
    return LanguageOfLocale(locale);
}

}  // namespace wifi
