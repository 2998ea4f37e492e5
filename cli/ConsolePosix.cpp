// Linux and macOS: arguments and output are bytes, UTF-8 by convention.
#include "Console.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseUtf8Output() {}

bool PrepareStandardStreams() {
    std::signal(SIGPIPE, SIG_IGN);
    bool outputOpen = true;
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            outputOpen = outputOpen && fd != 1;
            // The lowest free number: this one.
            (void)::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        }
    }
    return outputOpen;
}

bool IsTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

}  // namespace cli
