#include "platform/Preferences.h"

#include <QSettings>

namespace wifi {

namespace {

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("wifi-config"),
                     QStringLiteral("wifi-config-gui"));
}

}  // namespace

Preferences Preferences::Load() {
    const QSettings s = Store();
    Preferences p;
    p.port = s.value(QStringLiteral("port/device")).toString();
    p.portSerial = s.value(QStringLiteral("port/serialNumber")).toString();
    if (s.contains(QStringLiteral("window/position"))) {
        p.position = s.value(QStringLiteral("window/position")).toPoint();
    }
    p.encoding = EncodingNamed(s.value(QStringLiteral("text/encoding")).toString());
    const QString language = s.value(QStringLiteral("window/language")).toString();
    if (language == QLatin1String("zh") || language == QLatin1String("en")) {
        p.language = language;
    }
    return p;
}

void Preferences::Save() const {
    QSettings s = Store();
    s.setValue(QStringLiteral("port/device"), port);
    s.setValue(QStringLiteral("port/serialNumber"), portSerial);
    if (position) {
        s.setValue(QStringLiteral("window/position"), *position);
    }
    if (encoding) {
        s.setValue(QStringLiteral("text/encoding"), EncodingName(*encoding));
    }
    if (!language.isEmpty()) {
        s.setValue(QStringLiteral("window/language"), language);
    }
}

}  // namespace wifi
