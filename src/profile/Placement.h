#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace wifi {

// A screen's work area (without task bars), in the system's pixels.
struct ScreenArea {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Where a window of this size opens, its top-left corner: where it was, if it
// then lies whole on one screen (a position kept at 100 % may not at 200 %,
// nor once a monitor is gone); otherwise centred on the primary screen, the
// first of `screens`. Both windows place themselves by this rule.
std::pair<int, int> WindowPlace(const std::optional<std::pair<int, int>>& remembered, int width,
                                int height, const std::vector<ScreenArea>& screens);

}  // namespace wifi
