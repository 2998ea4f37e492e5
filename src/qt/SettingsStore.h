#pragma once

#include <QSettings>

#include "profile/Preferences.h"

namespace wifi {

// What the window remembers, in the user's settings (QSettings:
// ~/.config/wifi-config/wifi-config-gui.conf, the registry on Windows).
class SettingsStore : public PreferenceStore {
  public:
    SettingsStore();
    std::optional<std::string> Get(std::string_view key) const override;
    void Set(std::string_view key, std::string_view value) override;

  private:
    mutable QSettings settings_;
};

}  // namespace wifi
