// Linux and macOS: the environment names the locale; there is nothing more.
#include "wording/Language.h"

namespace wifi {

std::string SystemLocale() {
    return {};
}

}  // namespace wifi
