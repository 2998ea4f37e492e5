#include "Output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "Diff.h"
#include "ModuleJob.h"

namespace cli {

namespace {

int outputError = 0;  // the first errno of standard output's failure
int errorError = 0;   // and of standard error's

bool Put(std::FILE* stream, std::string_view text, int& failed) {
    errno = 0;
    const bool whole = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    if (std::fflush(stream) != 0 || !whole || std::ferror(stream)) {
        if (failed == 0) {
            failed = errno != 0 ? errno : EIO;
        }
        return false;
    }
    return failed == 0;
}

}  // namespace

bool Print(std::string_view text) {
    return Put(stdout, text, outputError);
}

bool Say(std::string_view text) {
    return Put(stderr, text, errorError);
}

int Finish(int exit) {
    Put(stdout, {}, outputError);
    Put(stderr, {}, errorError);
    if (outputError != 0) {
        Say("wifi-config: standard output: " + std::string(std::strerror(outputError)) +
            "; what was to be printed is lost\n");
    }
    // Success, and diff's "differ" and "cannot tell", are results that live
    // in the output: lost, they are no result. A failure keeps its own code.
    const bool result = exit == kOk || exit == kDiffers || exit == kCannotTell;
    if (result && (outputError != 0 || (exit == kOk && errorError != 0))) {
        return kOutputFailed;
    }
    return exit;
}

}  // namespace cli
