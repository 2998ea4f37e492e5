#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "text/TextEncoding.h"

namespace wifi {

// Where a window keeps what it remembers between runs: QSettings for the Qt
// window, the registry for the Windows one. Keys are "group/name".
class PreferenceStore {
  public:
    virtual ~PreferenceStore() = default;
    virtual std::optional<std::string> Get(std::string_view key) const = 0;
    virtual void Set(std::string_view key, std::string_view value) = 0;
};

// What the window remembers between runs.
struct Preferences {
    std::string port;        // the device last used
    std::string portSerial;  // its USB adapter's serial number, to find it renamed
    std::optional<std::pair<int, int>> position;
    std::optional<TextEncoding> encoding;
    std::string language;  // "zh" or "en" as last chosen in the window; empty: never chosen
    bool verify = true;    // a save is read back before it counts

    static Preferences Load(const PreferenceStore& store);
    void Save(PreferenceStore& store) const;
};

}  // namespace wifi
