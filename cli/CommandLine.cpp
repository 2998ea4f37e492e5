#include "CommandLine.h"

#include <algorithm>
#include <sstream>

namespace cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"read",
         "connects, waits for the module's configuration and its\n"
         "connected reply, prints the form, and closes the port."},
        {"write",
         "for each port: connects and reads as above, applies FILE's\n"
         "values and then each --set to the form as a user's edits\n"
         "would (fields not given keep the module's values), submits,\n"
         "waits until the module has acknowledged every parameter and\n"
         "the save, and closes the port. Several --port options\n"
         "configure several modules at the same time; each gets one\n"
         "result line: {\"port\": ..., \"ok\": ..., \"error\": ...,\n"
         "\"seconds\": ...}."},
        {"station",
         "the production line: waits for a module on the port, writes\n"
         "the profile into it as write does, checks it (--verify),\n"
         "records it, waits until it is gone (unplugged, or silent\n"
         "for --settle seconds), and takes the next, until stopped or\n"
         "--count modules are written. The profile must set the\n"
         "protocol, which no module reports. One JSON line per module\n"
         "on standard output and in --log; progress and a summary on\n"
         "standard error."},
        {"ports",
         "lists the serial ports with what the system knows of them\n"
         "(description, manufacturer, serial number, USB ids); with\n"
         "--probe, also which of them a module answers on."},
    };
    return commands;
}

const std::vector<Option>& Options() {
    static const std::vector<Option> options = {
        {"--port", "DEVICE", "read write ports station", "read write station", "write ports",
         "devices",
         "the serial device (/dev/ttyUSB0, a pseudo-terminal, COM3);\n"
         "write takes several; ports lists it too"},
        {"--from", "FILE", "write station", "station", "", "files",
         "a profile: a JSON object of form values, as read prints\n"
         "it; - reads it from standard input"},
        {"--set", "NAME=VALUE", "write station", "", "write station", "fields",
         "one form value; given after --from, it wins"},
        {"--timeout", "SECONDS", "read write ports station", "", "", "",
         "how long to wait for each answer (default 10; 2 for\n"
         "ports --probe)"},
        {"--format", "json|text", "read write ports", "", "", "json text",
         "JSON (default) or \"name: value\" lines"},
        {"--encoding", "gbk|utf-8", "read write ports station", "", "", "gbk utf-8",
         "the encoding of texts (ssid, key): --set values go out in\n"
         "it, and read decodes with it unless every text the module\n"
         "reported is in the other (said on standard error).\n"
         "Default utf-8 (gbk on a Windows whose code page is 936)"},
        {"--verify", "", "write station", "", "", "",
         "after the save, read the module again on a new connection\n"
         "(retried for --timeout while it restarts) and compare every\n"
         "field the report shows with what was written"},
        {"--log", "FILE", "station", "", "", "files",
         "append each module's record (one JSON line) to FILE too"},
        {"--count", "N", "station", "", "", "",
         "stop after N modules written, ok or failed; default: until\n"
         "SIGINT or SIGTERM"},
        {"--settle", "SECONDS", "station", "", "", "",
         "a module that leaves the query unanswered this long in a\n"
         "row is gone (default 3)"},
        {"--log-secrets", "", "read write station", "", "", "",
         "show the key as it is in --trace and in records (masked as\n"
         "*** otherwise)"},
        {"--probe", "", "ports", "", "", "",
         "send the configuration query to every free port (only the\n"
         "query, never the connect request) and say which answer as\n"
         "a module, with its network type and SSID"},
        {"--trace", "", "read write station", "", "", "",
         "print every line sent and received, with port and time,\n"
         "on standard error"},
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
        if (o.name == name) {
            return &o;
        }
    }
    return nullptr;
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
    if (std::none_of(Commands().begin(), Commands().end(),
                     [&](const Command& c) { return c.name == args.command; })) {
        error = "unknown command: " + args.command;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < a.size(); ++i) {
        std::string name = a[i];
        std::optional<std::string> value;
        // --opt=value, the GNU form, is --opt value.
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const Option* option = FindOption(name);
        if (!option || !option->TakenBy(args.command)) {
            error = "unexpected argument for " + args.command + ": " + a[i];
            return std::nullopt;
        }
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
        if (o.TakenBy(args.command) && o.RequiredBy(args.command) &&
            !args.Has(std::string(o.name))) {
            error = "no " + std::string(o.name) + " given";
            return std::nullopt;
        }
    }
    return args;
}

}  // namespace cli
