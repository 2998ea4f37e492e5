// Windows: the wide command line in, UTF-8 out.
#include <windows.h>
// windows.h first: shellapi.h builds on it.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "Console.h"

namespace cli {

std::vector<std::string> Utf8Arguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) {
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(std::size_t(n > 0 ? n : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), n, nullptr, nullptr);
        arg.resize(arg.size() - 1);  // the terminating NUL
        arguments.push_back(arg);
    }
    LocalFree(wide);
    return arguments;
}

void UseUtf8Output() {
    SetConsoleOutputCP(CP_UTF8);
    // Bytes as they are: no "\r" added before each "\n", in a pipe or a file
    // as on the console.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool PrepareStandardStreams() {
    // Windows has no SIGPIPE, and a port is a handle, never a descriptor
    // number of the C library's: a lost output shows when it is written.
    return true;
}

bool IsTerminal(std::FILE* stream) {
    return _isatty(_fileno(stream)) != 0;
}

}  // namespace cli
