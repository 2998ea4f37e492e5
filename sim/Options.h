#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sim {

struct Options {
    std::optional<std::string> link;
    std::optional<std::string> state;
    std::optional<std::string> log;
    bool echo = false;
    bool noise = false;
    long paceBaud = 0;      // 0: as fast as the terminal takes it
    std::size_t chunk = 0;  // 0: answers in one piece
    std::vector<std::string> replyError;
    std::vector<std::string> noReply;
    long hangupAfter = 0;                // 0: never
    std::string stale;                   // bytes waiting in the terminal before anyone opens it
    long strayOkMs = -1;                 // -1: none; else one "OK" this long after "CONNECTED"
    std::vector<std::string> omit;       // keys the report leaves out
    bool configureNeedsConnect = false;  // after a save, CONFIGURE only after a new CONNECT
    long restartAfterSaveMs = -1;        // -1: never; else hang up after a save, back this late
    std::vector<std::string> forget;     // field names whose commands are acknowledged, not kept
    long doubleOkMs = -1;                // -1: no; else every "OK" again this long after
    std::string eol = "\r\n";            // how the module ends the lines it sends
    std::vector<std::pair<std::string, std::string>> reportAs;  // KEY=VALUE: a raw reported value
    std::string refusal = "ERROR";                              // the line a refusal is
    long refuseSaveLateMs = -1;  // -1: no; else the save gets "OK", then this late a refusal
    std::string afterSave;       // sent right after the save's answer (a restart banner)
    long swapAfter = 0;          // 0: never; else another module has the line from this line on
    bool passwordFirst = false;  // the report's "Web_Password:" line comes first
    std::size_t chatterBeforeReport = 0;  // bytes of "+EVENT" lines before each report
    bool flood = false;  // whole lines, as fast as the terminal takes them, without end
};

struct ParsedArgs {
    Options options;
    bool help = false;
    bool version = false;
    std::string error;  // non-empty: bad arguments
};

ParsedArgs ParseArgs(const std::vector<std::string>& args);

extern const char* const kHelpText;

}  // namespace sim
