#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "text/TextCodec.h"

namespace wifi {

// The module texts a window shows (the SSID, the key): each as the bytes the
// module reported against the text shown for them. An untouched field goes
// back byte for byte, whatever the encoding chosen; an edited one goes out in
// the chosen encoding, and is refused when that cannot carry it, the U+FFFD
// shown for undecodable bytes included. Texts are UTF-8; fields are known by
// their control ids.
class ModuleTexts {
  public:
    explicit ModuleTexts(TextEncoding encoding,
                         const TextConverters& converters = SystemTextConverters())
        : codec_(encoding, converters), converters_(&converters) {}

    TextEncoding encoding() const { return codec_.encoding(); }

    struct Shown {
        std::string text;
        bool decoded = true;  // false: not valid in the encoding, shown with U+FFFD
    };
    // A value the module reported: shown decoded, or as well as it goes.
    Shown Report(int id, std::string_view bytes);
    // Bytes put in as typed (an imported profile's): shown decoded and sent as
    // typed text; bytes the encoding cannot decode are kept as a reported
    // value's would be.
    Shown Type(int id, std::string_view bytes);

    // What goes to the module for the text the field shows now.
    std::string BytesFor(int id, std::string_view shown) const;
    // Whether the text the field shows now can go to the module.
    bool CanCarry(int id, std::string_view shown) const;

    // The encoding changed: the fields still showing what was reported, shown
    // anew; a typed text stays as it is and goes out in the new encoding.
    struct Reshown {
        int id;
        Shown shown;
    };
    std::vector<Reshown> SetEncoding(TextEncoding encoding,
                                     const std::function<std::string(int id)>& shownNow);

  private:
    struct Reported {
        std::string bytes;
        std::string shown;
    };
    bool Untouched(int id, std::string_view shown) const;

    TextCodec codec_;
    const TextConverters* converters_;
    std::map<int, Reported> reported_;
};

}  // namespace wifi
