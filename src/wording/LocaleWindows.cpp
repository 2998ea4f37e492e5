// Windows: the user's own locale ("zh-CN") where no POSIX shell has set the
// environment's.
#include <windows.h>

#include "wording/Language.h"

namespace wifi {

std::string SystemLocale() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const int n = GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
    std::string locale;
    for (int i = 0; i + 1 < n; ++i) {
        locale.push_back(static_cast<char>(name[i]));  // locale names are ASCII
    }
    return locale;
}

}  // namespace wifi
