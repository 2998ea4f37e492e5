// Linux and macOS: arguments and output are bytes, UTF-8 by convention.
#include "Console.h"

namespace cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseUtf8Output() {}

}  // namespace cli
