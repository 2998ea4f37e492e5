#include "qt/SettingsStore.h"

namespace wifi {

SettingsStore::SettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("wifi-config"),
                QStringLiteral("wifi-config-gui")) {}

std::optional<std::string> SettingsStore::Get(std::string_view key) const {
    const QString name = QString::fromUtf8(key.data(), qsizetype(key.size()));
    if (!settings_.contains(name)) {
        return std::nullopt;
    }
    return settings_.value(name).toString().toStdString();
}

void SettingsStore::Set(std::string_view key, std::string_view value) {
    settings_.setValue(QString::fromUtf8(key.data(), qsizetype(key.size())),
                       QString::fromUtf8(value.data(), qsizetype(value.size())));
}

}  // namespace wifi
