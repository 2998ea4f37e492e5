#pragma once

#include <string>
#include <vector>

namespace cli {

// The command's arguments after the program's name, as UTF-8: on Windows from
// the wide command line, whatever the console's code page; elsewhere as given.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Everything printed is UTF-8 bytes, line ends as "\n" alone; a Windows
// console is told to show them as UTF-8.
void UseUtf8Output();

}  // namespace cli
