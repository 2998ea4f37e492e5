#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wifi {

// The name a user most likely meant by a name that is none of them: the same
// name in other letter case, the one name it begins, or the closest by
// letters typed wrong, left out, added or swapped (at most a third of its
// length, at least one). Empty when nothing is close.
std::string Nearest(std::string_view given, const std::vector<std::string_view>& names);

}  // namespace wifi
