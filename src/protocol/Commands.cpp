#include "protocol/Commands.h"

namespace wifi {

std::string CommandLine(std::string_view prefix, std::string_view value) {
    std::string line;
    line.reserve(prefix.size() + value.size() + cmd::kLineEnd.size());
    line.append(prefix).append(value).append(cmd::kLineEnd);
    return line;
}

bool HoldsLineEnd(std::string_view value) {
    // A NUL ends a line for many a firmware's string handling too.
    return value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace wifi
