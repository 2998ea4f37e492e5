#pragma once

#include <string_view>

namespace wifi {

// A next step as the command line says it: the window's "submit again" or
// "choose the port again" is "run the command again" or "name it with
// --port" there. The source text of that step (itself marked for
// translation), or the given one when the window's step serves both.
std::string_view CommandLineStep(std::string_view windowStep);

}  // namespace wifi
