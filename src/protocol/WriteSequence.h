#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/ConfigSnapshot.h"

namespace wifi {

// Where the values of the write commands come from, read at the moment each
// step runs: the snapshot and the form's bound edit texts and DHCP flag.
struct WriteSource {
    const ConfigSnapshot& snapshot;
    const std::string& ssid;
    const std::string& key;
    int dhcp;
    const std::string& serverPort;
    const std::string& frameLen;
    const std::string& frameTime;
};

// Steps 1 to 21 send one parameter each, the last one the save command; the
// acknowledgement of step 21 is step 22, the completion. A full sequence is
// the configure command plus 21 commands: 22 acknowledgements.
inline constexpr unsigned kStepCount = 21;
inline constexpr unsigned kCompletionStep = 22;

// The command prefix of each step: step k is WriteSteps()[k - 1].
const std::array<std::string_view, kStepCount>& WriteSteps();

// Why a step sends nothing.
enum class StepSkip {
    None,
    // A list value the command has no token for (no selection, say). The
    // module gets nothing to acknowledge, so the sequence waits here.
    NoToken,
    // A text holding a line end; sent, it would split into two commands.
    LineEnd,
};

struct StepCommand {
    std::optional<std::string> line;  // the whole command line, or nothing
    StepSkip skip = StepSkip::None;
    // Which of the step's values decided the outcome: 0, or for step 4, which
    // sends two, 0 the key format and 1 the key index.
    unsigned source = 0;
};

// The command of step 1 to 21 built from the current values.
StepCommand BuildStepCommand(unsigned step, const WriteSource& source);

}  // namespace wifi
