#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sim {

// A module's configuration as its report shows it: "Key:value" pairs in the
// order the module sends them, "Web_Password" last.
class ModuleConfig {
  public:
    // The keys a report carries, in the module's order.
    static const std::vector<std::string>& Keys();
    static ModuleConfig Default();

    // Parses "Key:value" lines (blank lines allowed). On a bad line returns
    // nothing and sets error to a one-line reason.
    static std::optional<ModuleConfig> Parse(std::string_view text, std::string& error);

    const std::string& Get(std::string_view key) const;
    void Set(std::string_view key, std::string value);

    // The configuration report: one "Key:value\r\n" line per key, but for
    // the keys left out.
    std::string Report(const std::vector<std::string>& leftOut = {}) const;
    // The state file: one "Key:value\n" line per key.
    std::string FileText() const;

    bool operator==(const ModuleConfig&) const = default;

  private:
    std::string Lines(std::string_view lineEnd, const std::vector<std::string>& leftOut) const;

    std::vector<std::pair<std::string, std::string>> values_;
};

// Loads FILE; a FILE that does not exist yet gives the default. On failure
// returns nothing and sets error.
std::optional<ModuleConfig> LoadState(const std::string& path, std::string& error);

// Writes the whole state to a new file beside FILE, then renames it over FILE,
// so a reader never sees half a configuration. False and error on failure.
bool SaveState(const std::string& path, const ModuleConfig& config, std::string& error);

}  // namespace sim
