#include "profile/Placement.h"

#include <algorithm>

namespace wifi {

std::pair<int, int> WindowPlace(const std::optional<std::pair<int, int>>& remembered, int width,
                                int height, const std::vector<ScreenArea>& screens) {
    if (remembered) {
        const auto [x, y] = *remembered;
        for (const ScreenArea& s : screens) {
            if (x >= s.left && y >= s.top && x + width <= s.right && y + height <= s.bottom) {
                return *remembered;
            }
        }
    }
    if (screens.empty()) {
        return {0, 0};
    }
    const ScreenArea& primary = screens.front();
    // A window larger than the screen keeps its title bar on it.
    return {std::max(primary.left, primary.left + (primary.right - primary.left - width) / 2),
            std::max(primary.top, primary.top + (primary.bottom - primary.top - height) / 2)};
}

}  // namespace wifi
