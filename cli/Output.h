#pragma once

#include <string_view>

namespace cli {

// Standard output as scripts read it. Every piece is written whole and
// flushed at once, and checked: a full disk, a closed pipe (EPIPE: SIGPIPE is
// ignored) or a closed descriptor is an output failure, never silence.

// Writes `text` to standard output and flushes it; false when it was not
// taken whole, now or before.
bool Print(std::string_view text);
// The same on standard error; what is said there may be lost, but not
// unnoticed.
bool Say(std::string_view text);

// The exit status once both outputs are flushed: `exit`, or kOutputFailed
// when it is a result that lived in the output (success, diff's 5 and 6) and
// the output lost something (said on standard error while it still works).
int Finish(int exit);

}  // namespace cli
