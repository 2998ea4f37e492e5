#include "qt/Translations.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

#include "wording/Messages.h"

namespace wifi {

namespace {

Language current = Language::Chinese;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool ChineseFontInstalled() {
    return !QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty();
}

bool InstallTranslations(QCoreApplication& app, Language language) {
    current = language;
    if (language == Language::English) {
        return true;  // Qt's own texts are English
    }
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

Language CurrentLanguage() {
    return current;
}

QString Shown(const Text& text) {
    return FromUtf8(text.Format(current, Audience::Window));
}

QString Shown(const Message& message) {
    QString text = Shown(Said(message));
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

QString UiText(std::string_view source) {
    const std::string text(source);
    return Shown(Text(text.c_str()));
}

QString FieldText(std::string_view label) {
    const std::string text(label);
    return Shown(Text::In("field", text.c_str()));
}

}  // namespace wifi
