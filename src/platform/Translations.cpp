#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
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

bool ChineseFontInstalled() {
    return !QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty();
}

Language ShowableLanguage(Language chosen, bool chineseFont, QString& why) {
    if (chosen != Language::Chinese || chineseFont) {
        return chosen;
    }
    why = QStringLiteral(
        "no font with Chinese characters is installed (fonts-arphic-uming or "
        "fonts-wqy-zenhei, say); the window speaks English");
    return Language::English;
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

QString FieldText(std::string_view utf8) {
    const std::string text(utf8);
    return QCoreApplication::translate("field", text.c_str());
}

}  // namespace wifi
