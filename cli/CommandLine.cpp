#include "CommandLine.h"

#include <algorithm>
#include <sstream>

#include "text/Nearest.h"

namespace cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"read",
         "connects, waits for the module's configuration and its\n"
         "connected reply, prints the form, and closes the port.",
         ""},
        {"write",
         "for each port: connects and reads as above, applies FILE's\n"
         "values and then each --set to the form as a user's edits\n"
         "would (fields not given keep the module's values), submits,\n"
         "waits until the module has acknowledged every parameter and\n"
         "the save, reads the module back and compares every field\n"
         "written (unless --no-verify), and closes the port. Several\n"
         "--port options\n"
         "configure several modules at the same time; each gets one\n"
         "result line: {\"port\": ..., \"ok\": ..., \"error\": ...,\n"
         "\"seconds\": ...}.",
         ""},
        {"station",
         "the production line: waits for a module on the port, writes\n"
         "the profile into it as write does, reads it back as write\n"
         "does,\n"
         "records it, waits until it is gone (unplugged, or silent\n"
         "for --settle seconds), and takes the next, until stopped or\n"
         "--count modules are written. The profile must set the\n"
         "protocol, which no module reports. On a terminal it shows\n"
         "one line per module (a green pass or a red fail, the unit's\n"
         "number, port, seconds and why) and a running count; each\n"
         "module's record, one JSON line, goes to --log, and to\n"
         "standard output when that is not a terminal or with\n"
         "--format json.",
         ""},
        {"ports",
         "lists the serial ports with what the system knows of them\n"
         "(description, manufacturer, serial number, USB ids, the\n"
         "stable name under /dev/serial/by-id, which --port takes\n"
         "too); with --probe, also which of them a module answers on.",
         ""},
        {"diff",
         "reads the module and prints each field where it differs\n"
         "from the profile FILE: {\"field\": ..., \"module\": ...,\n"
         "\"profile\": ...}; a field the module's report leaves unknown\n"
         "cannot be told: \"module\": null, \"unknown\": true and the\n"
         "\"reported\" value. Exits 0 only when every field the profile\n"
         "gives is known and equal, 5 when some differ, 6 when none\n"
         "differ but some cannot be told. Sends only the query and\n"
         "the connect request.",
         ""},
        {"send",
         "sends each LINE as given, with \"\\r\\n\", and prints every line\n"
         "received, as --trace does, until the line is quiet for\n"
         "--idle ms; for firmware queries and factory resets. It\n"
         "bypasses every check of the form: what is given goes out.\n"
         "Exits 0 when any line came back, 1 when the module answered\n"
         "ERROR, 4 when none did.",
         "LINE ..."},
    };
    return commands;
}

const std::vector<Option>& Options() {
    static const std::vector<Option> options = {
        {"--port", "DEVICE", "read write ports station diff send", "read write station diff send",
         "write ports", "devices",
         "the serial device (/dev/ttyUSB0, a /dev/serial/by-id name,\n"
         "a pseudo-terminal, COM3); write takes several; ports lists\n"
         "it too",
         "-p"},
        {"--from", "FILE", "write station diff", "station diff", "", "files",
         "a profile: a JSON object of form values, as read prints\n"
         "it; - reads it from standard input",
         "-f"},
        {"--set", "NAME=VALUE", "write station", "", "write station", "fields",
         "one form value; given after --from, it wins", ""},
        {"--timeout", "SECONDS", "read write ports station diff send", "", "", "",
         "how long to wait for each answer, fractions allowed\n"
         "(default 10; 2 for ports --probe); send: the whole wait",
         "-t"},
        {"--idle", "MS", "send", "", "", "",
         "send: the line is done when nothing came for MS\n"
         "milliseconds (default 300); its old name --quiet MS is\n"
         "still taken, with a note",
         ""},
        {"--quiet", "", "read write ports station diff send", "", "", "",
         "no notes on standard error, only errors and the operator's\n"
         "lines",
         "-q"},
        {"--lang", "zh|en", "read write ports station diff send", "", "", "zh en",
         "the language of notes, errors and the operator's screen\n"
         "(default: Chinese in a Chinese locale, else English)",
         ""},
        {"--format", "json|text", "read write ports station diff", "", "", "json text",
         "JSON Lines (default) or \"name: value\" lines; station:\n"
         "json prints each record on standard output too (the\n"
         "default when it is not a terminal), text shows the\n"
         "operator's screen there",
         ""},
        {"--encoding", "gbk|utf-8", "read write ports station diff", "", "", "gbk utf-8",
         "the encoding of texts (ssid, key): --set values go out in\n"
         "it, and read decodes with it unless every text the module\n"
         "reported is in the other (said on standard error).\n"
         "Default utf-8 (gbk on a Windows whose code page is 936)",
         ""},
        {"--no-verify", "", "write station", "", "", "",
         "do not read the module back after its save: success is\n"
         "then the save's acknowledgement and a quiet line after it.\n"
         "By default the module is queried again (on the port opened\n"
         "anew within --timeout if it restarts) and every field\n"
         "written is compared with its report",
         ""},
        {"--verify", "", "write station", "", "", "", "the default, kept for scripts that give it",
         ""},
        {"--log", "FILE", "station", "", "", "files",
         "append each module's record (one JSON line) to FILE too", ""},
        {"--count", "N", "station", "", "", "",
         "stop after N modules written, ok or failed; default: until\n"
         "SIGINT or SIGTERM",
         ""},
        {"--skip-configured", "", "station", "", "", "",
         "write nothing to a module whose every reported field is\n"
         "as the profile has it (its record says so)",
         ""},
        {"--units", "FILE", "station", "", "", "files",
         "a CSV of per-unit values: a header of field names (ip,ssid)\n"
         "and a row per unit; each new module takes the next row not\n"
         "yet given to a saved unit (kept in --log, which it needs);\n"
         "exit 9 when none is left",
         ""},
        {"--no-bell", "", "station", "", "", "", "no bell on the terminal when a module fails", ""},
        {"--settle", "SECONDS", "station", "", "", "",
         "a module that leaves the query unanswered this long in a\n"
         "row is gone (default 3)",
         ""},
        {"--log-secrets", "", "read write station diff send", "", "", "",
         "show the key as it is in --trace, send's lines, records and\n"
         "differences (masked as *** otherwise)",
         ""},
        {"--probe", "", "ports", "", "", "",
         "send the configuration query to every free port (only the\n"
         "query, never the connect request) and say which answer as\n"
         "a module, with its network type and SSID",
         ""},
        {"--trace", "", "read write station diff", "", "", "",
         "print every line sent and received, with port and time,\n"
         "on standard error",
         ""},
    };
    return options;
}

bool Option::Among(std::string_view list, std::string_view command) {
    std::istringstream words{std::string(list)};
    for (std::string word; words >> word;) {
        if (word == command) {
            return true;
        }
    }
    return false;
}

namespace {

const Option* FindOption(std::string_view name) {
    for (const Option& o : Options()) {
        if (o.name == name || (!o.shortName.empty() && o.shortName == name)) {
            return &o;
        }
    }
    return nullptr;
}

const Command* FindCommand(std::string_view name) {
    for (const Command& c : Commands()) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

// "unknown command: x", and what the user may have meant.
std::string Unknown(std::string_view what, const std::string& given,
                    const std::vector<std::string_view>& names) {
    std::string error = std::string(what) + ": " + given;
    if (const std::string meant = wifi::Nearest(given, names); !meant.empty()) {
        error += " (did you mean " + meant + "?)";
    }
    return error;
}

}  // namespace

std::optional<Arguments> ParseArguments(const std::vector<std::string>& a, std::string& error) {
    if (a.empty()) {
        error = "no command: " + [] {
            std::string names;
            for (const Command& c : Commands()) {
                names += (names.empty() ? "" : " or ") + std::string(c.name);
            }
            return names;
        }();
        return std::nullopt;
    }
    Arguments args;
    args.command = a[0];
    const Command* command = FindCommand(args.command);
    if (!command) {
        std::vector<std::string_view> names;
        for (const Command& c : Commands()) {
            names.push_back(c.name);
        }
        error = Unknown("unknown command", args.command, names);
        return std::nullopt;
    }
    bool optionsEnded = false;
    for (std::size_t i = 1; i < a.size(); ++i) {
        std::string name = a[i];
        if (!command->operands.empty() && (optionsEnded || !name.starts_with("-"))) {
            args.operands.push_back(name);
            continue;
        }
        if (name == "--" && !command->operands.empty()) {
            optionsEnded = true;  // what follows is sent as it is, dashes and all
            continue;
        }
        std::optional<std::string> value;
        // --opt=value, the GNU form, is --opt value; -pVALUE is -p VALUE.
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        } else if (name.size() > 2 && name[0] == '-' && name[1] != '-') {
            value = name.substr(2);
            name.resize(2);
        }
        const Option* option = FindOption(name);
        if (!option || !option->TakenBy(args.command)) {
            std::vector<std::string_view> names;
            for (const Option& o : Options()) {
                if (o.TakenBy(args.command)) {
                    names.push_back(o.name);
                }
            }
            error = "unexpected argument for " + args.command + ": " + a[i];
            if (const std::string meant = wifi::Nearest(name, names); !meant.empty()) {
                error += " (did you mean " + meant + "?)";
            }
            return std::nullopt;
        }
        name = std::string(option->name);
        if (option->value.empty()) {
            if (value) {
                error = name + " takes no value";
                return std::nullopt;
            }
            args.values[name].emplace_back();
            continue;
        }
        if (!value) {
            if (i + 1 >= a.size()) {
                error = name + " needs a value";
                return std::nullopt;
            }
            value = a[++i];
        }
        if (value->empty()) {  // "--port=" or --port "": a slip, never a device
            error = name + " needs a " + std::string(option->value);
            return std::nullopt;
        }
        args.values[name].push_back(*value);
    }
    for (const Option& o : Options()) {
        // A missing port may be found: the caller looks at the system.
        if (o.TakenBy(args.command) && o.RequiredBy(args.command) && o.name != "--port" &&
            !args.Has(std::string(o.name))) {
            error = "no " + std::string(o.name) + " given";
            return std::nullopt;
        }
    }
    if (!command->operands.empty() && args.operands.empty()) {
        error = args.command + " needs " + std::string(command->operands);
        return std::nullopt;
    }
    return args;
}

}  // namespace cli
