#pragma once

#include <QPoint>
#include <QString>
#include <optional>

#include "platform/TextCodec.h"

namespace wifi {

// What the window remembers between runs, in the user's settings (QSettings:
// ~/.config/wifi-config/wifi-config-gui.conf, the registry on Windows).
struct Preferences {
    QString port;        // the device last used
    QString portSerial;  // its USB adapter's serial number, to find it renamed
    std::optional<QPoint> position;
    std::optional<TextEncoding> encoding;
    QString language;  // "zh" or "en" as last chosen in the window; empty: never chosen

    static Preferences Load();
    void Save() const;
};

}  // namespace wifi
