#pragma once

#include "profile/Preferences.h"

namespace wifi {

// What the window remembers, under HKEY_CURRENT_USER\Software\WifiConfig: a
// key "group/name" is the value "name" of the subkey "group".
class RegistryStore : public PreferenceStore {
  public:
    std::optional<std::string> Get(std::string_view key) const override;
    void Set(std::string_view key, std::string_view value) override;
};

}  // namespace wifi
