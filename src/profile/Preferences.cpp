#include "profile/Preferences.h"

#include <cstdio>

namespace wifi {

namespace {
constexpr std::string_view kPort = "port/device";
constexpr std::string_view kPortSerial = "port/serialNumber";
constexpr std::string_view kPosition = "window/position";
constexpr std::string_view kEncoding = "text/encoding";
constexpr std::string_view kLanguage = "window/language";
constexpr std::string_view kVerify = "write/readBack";
}  // namespace

Preferences Preferences::Load(const PreferenceStore& store) {
    Preferences p;
    p.port = store.Get(kPort).value_or(std::string());
    p.portSerial = store.Get(kPortSerial).value_or(std::string());
    if (const auto position = store.Get(kPosition)) {
        int x = 0;
        int y = 0;
        char end = 0;
        if (std::sscanf(position->c_str(), "%d,%d%c", &x, &y, &end) == 2) {
            p.position = std::pair{x, y};
        }
    }
    if (const auto encoding = store.Get(kEncoding)) {
        p.encoding = EncodingNamed(*encoding);
    }
    const std::string language = store.Get(kLanguage).value_or(std::string());
    if (language == "zh" || language == "en") {
        p.language = language;
    }
    p.verify = store.Get(kVerify).value_or("1") != "0";
    return p;
}

void Preferences::Save(PreferenceStore& store) const {
    store.Set(kPort, port);
    store.Set(kPortSerial, portSerial);
    if (position) {
        store.Set(kPosition,
                  std::to_string(position->first) + "," + std::to_string(position->second));
    }
    if (encoding) {
        store.Set(kEncoding, EncodingName(*encoding));
    }
    if (!language.empty()) {
        store.Set(kLanguage, language);
    }
    store.Set(kVerify, verify ? "1" : "0");
}

}  // namespace wifi
