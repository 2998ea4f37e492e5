#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace cli {

// The command's arguments after the program's name, as UTF-8: on Windows from
// the wide command line, whatever the console's code page; elsewhere as given.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Everything printed is UTF-8 bytes, line ends as "\n" alone; a Windows
// console is told to show them as UTF-8.
void UseUtf8Output();

// A write to a closed pipe fails with EPIPE, which the output checks, rather
// than ending the process without a word (SIGPIPE). A standard descriptor
// that is closed is opened on the null device, so that no serial port takes
// its number; false when standard output was closed: nothing printed there
// would arrive.
bool PrepareStandardStreams();

// Whether the stream is a terminal (a console on Windows).
bool IsTerminal(std::FILE* stream);

}  // namespace cli
