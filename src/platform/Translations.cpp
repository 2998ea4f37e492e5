#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The English texts live in the platform library's resources; a static
// library's resources are registered by name.
static void InitTranslationResources() {
    Q_INIT_RESOURCE(wifi_platform_translations);
}

namespace wifi {

namespace {

Language current = Language::Chinese;

}  // namespace

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

bool ChineseFontInstalled() {
    return !QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty();
}

bool InstallTranslations(QCoreApplication& app, Language language) {
    current = language;
    InitTranslationResources();
    auto* translator = new QTranslator(&app);
    const bool loaded = language == Language::English
                            ? translator->load(QStringLiteral(":/i18n/wifi-config_en.qm"))
                            : translator->load(QStringLiteral("qtbase_zh_CN"),
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

Language CurrentLanguage() {
    return current;
}

QString UiText(std::string_view utf8) {
    const std::string text(utf8);
    return QCoreApplication::translate("wifi", text.c_str());
}

}  // namespace wifi
