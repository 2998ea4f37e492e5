#include "CommandLine.h"

#include <algorithm>
#include <sstream>

#include "form/Fields.h"

namespace cli {

using namespace wifi;

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
         "--count modules are written. A module whose report already\n"
         "equals the profile is recorded as skipped and not written\n"
         "again. One JSON line per module on standard output and in\n"
         "--log; progress and a summary on standard error."},
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
         "stop after N modules written, ok or failed (skipped ones do\n"
         "not count); default: until SIGINT or SIGTERM"},
        {"--settle", "SECONDS", "station", "", "", "",
         "a module that leaves the query unanswered this long in a\n"
         "row is gone (default 3)"},
        {"--log-secrets", "", "station", "", "", "",
         "keep the key in records as it is (masked as *** otherwise)"},
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

namespace {

bool Among(std::string_view list, std::string_view command) {
    std::istringstream words{std::string(list)};
    for (std::string word; words >> word;) {
        if (word == command) {
            return true;
        }
    }
    return false;
}

bool Takes(const Option& option, std::string_view command) {
    return Among(option.commands, command);
}

bool RequiredBy(const Option& option, std::string_view command) {
    return Among(option.requiredBy, command);
}

const Option* FindOption(std::string_view name) {
    for (const Option& o : Options()) {
        if (o.name == name) {
            return &o;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<Arguments> ParseArguments(const QStringList& arguments, std::string& error) {
    const QStringList a = arguments.mid(1);
    if (a.isEmpty()) {
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
    args.command = a[0].toStdString();
    if (std::none_of(Commands().begin(), Commands().end(),
                     [&](const Command& c) { return c.name == args.command; })) {
        error = "unknown command: " + args.command;
        return std::nullopt;
    }
    for (qsizetype i = 1; i < a.size(); ++i) {
        std::string name = a[i].toStdString();
        std::optional<QString> value;
        // --opt=value, the GNU form, is --opt value.
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = a[i].mid(static_cast<qsizetype>(eq) + 1);
            name.resize(eq);
        }
        const Option* option = FindOption(name);
        if (!option || !Takes(*option, args.command)) {
            error = "unexpected argument for " + args.command + ": " + a[i].toStdString();
            return std::nullopt;
        }
        if (option->value.empty()) {
            if (value) {
                error = name + " takes no value";
                return std::nullopt;
            }
            args.values[name] << QString();
            continue;
        }
        if (!value) {
            if (i + 1 >= a.size()) {
                error = name + " needs a value";
                return std::nullopt;
            }
            value = a[++i];
        }
        if (value->isEmpty()) {  // "--port=" or --port "": a slip, never a device
            error = name + " needs a " + std::string(option->value);
            return std::nullopt;
        }
        args.values[name] << *value;
    }
    for (const Option& o : Options()) {
        if (Takes(o, args.command) && RequiredBy(o, args.command) &&
            !args.Has(std::string(o.name))) {
            error = "no " + std::string(o.name) + " given";
            return std::nullopt;
        }
    }
    return args;
}

namespace {

// "  --name VALUE" then the help, its lines aligned in a second column.
void OptionLines(std::string& out, const std::string& head, std::string_view help) {
    constexpr std::size_t kColumn = 21;
    std::istringstream lines{std::string(help)};
    bool first = true;
    for (std::string line; std::getline(lines, line); first = false) {
        std::string left = first ? head : std::string();
        if (left.size() + 2 > kColumn) {
            out += left + "\n";
            left.clear();
        }
        out += left + std::string(kColumn - left.size(), ' ') + line + "\n";
    }
}

std::string Usage() {
    std::string out = "Usage:\n";
    for (const Command& c : Commands()) {
        std::string line = "  wifi-config " + std::string(c.name);
        const std::string indent(line.size() + 1, ' ');
        std::string current = line;
        for (const Option& o : Options()) {
            if (!Takes(o, c.name)) {
                continue;
            }
            std::string word = std::string(o.name) + (o.value.empty() ? "" : " ") +
                               std::string(o.value) + (Among(o.repeatableIn, c.name) ? " ..." : "");
            if (!RequiredBy(o, c.name)) {
                word = "[" + word + "]";
            }
            if (current.size() + 1 + word.size() > 90) {
                out += current + "\n";
                current = indent + word;
            } else {
                current += " " + word;
            }
        }
        out += current + "\n";
    }
    return out + "  wifi-config --help | --version\n";
}

// The form's fields and the values each takes, from the field table.
std::string FormValues() {
    std::string out =
        "Form values (null: no selection, or a blank address; in --from, null leaves\n"
        "the field as the module reported it):\n";
    for (const Field& f : FormFields()) {
        std::string takes;
        switch (f.kind) {
            case FieldKind::List:
            case FieldKind::KeyIndex:
                for (auto name : f.names) {
                    takes += (takes.empty() ? "" : " | ") + std::string(name);
                }
                break;
            case FieldKind::Text:
                takes = f.rule == ValueRule::Number ? "a number 0-65535"
                        : f.rule == ValueRule::Ssid ? "text, at most 32 bytes"
                                                    : "text";
                break;
            case FieldKind::Flag: takes = "true | false"; break;
            case FieldKind::Address: takes = "four numbers 0-255 (192.168.1.10)"; break;
            case FieldKind::Command: break;
        }
        const std::string name(f.name);
        out +=
            "  " + name + std::string(name.size() < 12 ? 12 - name.size() : 1, ' ') + takes + "\n";
    }
    return out + "The report does not carry the protocol: read shows what the form holds.\n";
}

constexpr std::string_view kAbout =
    "Reads a Wi-Fi serial module's configuration, or writes one into one module or\n"
    "many at once, over serial ports at 19200 baud 8N1, exactly as the window does.\n";

constexpr std::string_view kTail = R"(
Texts keep their bytes: a field not given goes back exactly as the module
reported it. read's JSON names its "encoding"; write --from encodes the file's
texts back with that encoding, whatever --encoding says, and a text valid in
no encoding travels as {"hex": "..."}, its bytes. Before anything is sent,
every text is checked: no control character (a byte below 0x20), an SSID of
at most 32 bytes, serverPort, frameLen and frameTime decimal numbers from 0
to 65535. read names on standard error any field whose key the module's
report lacked, and prints it as null; write refuses to guess one, unless it
is given.

Exit status (with several ports, the highest of them):
  0  done
  1  the module refused a command: the configuration query, the connect
     request, the configure command, a parameter (named, with its command) or
     the save; nothing more was sent. write --verify: a field read back
     differs (named). station: any module failed (its record says why)
  2  bad arguments or values (checked before any port is opened), a --from
     FILE missing, not JSON or over 1 MiB, the same device named twice, or a
     form that cannot be written: a value as the module reported it that
     breaks its field's rule, a field the report lacked, or a list the module
     left without a usable value (give a value with --set)
  3  a port could not be opened, disappeared or failed
  4  no answer within --timeout (the phase is named)
  130, 143  interrupted by SIGINT or SIGTERM: nothing more is sent, the ports
     are closed, and each write prints its result line with "ok": false;
     station records the module it was writing and prints its summary
  ports exits 0 even when there is no port.

Examples:
  wifi-config read --port /dev/ttyUSB0 --format text
  wifi-config read --port /dev/ttyUSB0 > line7.json
  wifi-config write --port /dev/ttyUSB0 --from line7.json --set ssid="Line 7" --set dhcp=false
  wifi-config write --port /dev/ttyUSB0 --port /dev/ttyUSB1 --set baudRate=115200
  wifi-config ports --probe --format text
  wifi-config station --port /dev/ttyUSB0 --from line7.json --verify --log line7.log
)";

}  // namespace

std::string HelpText() {
    std::string out = Usage() + "\n" + std::string(kAbout) + "\n";
    for (const Command& c : Commands()) {
        OptionLines(out, std::string(c.name), c.help);
    }
    out += "\nOptions:\n";
    for (const Option& o : Options()) {
        OptionLines(
            out, "  " + std::string(o.name) + (o.value.empty() ? "" : " ") + std::string(o.value),
            o.help);
    }
    OptionLines(out, "  -h, --help", "show this text");
    OptionLines(out, "  --version", "print the version");
    return out + "\n" + FormValues() + std::string(kTail);
}

std::string BashCompletion() {
    std::string fields;
    for (const Field& f : FormFields()) {
        fields += std::string(f.name) + "= ";
    }
    std::string out =
        "# bash completion for wifi-config, made by wifi-config itself.\n"
        "_wifi_config() {\n"
        "    local cur prev words cword\n"
        "    _init_completion -n = || return\n"
        "    if [[ $cword -eq 1 ]]; then\n"
        "        COMPREPLY=($(compgen -W \"";
    for (const Command& c : Commands()) {
        out += std::string(c.name) + " ";
    }
    out +=
        "--help --version\" -- \"$cur\"))\n"
        "        return\n"
        "    fi\n"
        "    if [[ $cur == --*=* ]]; then\n"
        "        prev=${cur%%=*}\n"
        "        cur=${cur#*=}\n"
        "    fi\n"
        "    case $prev in\n";
    for (const Option& o : Options()) {
        if (o.value.empty()) {
            continue;
        }
        out += "        " + std::string(o.name) + ")\n";
        if (o.completes == "devices") {
            out +=
                "            COMPREPLY=($(compgen -W \"$(ls -d /dev/ttyUSB* /dev/ttyACM* "
                "/dev/ttyS* "
                "/dev/cu.* 2>/dev/null)\" -- \"$cur\"))\n";
        } else if (o.completes == "files") {
            out += "            _filedir\n";
        } else if (o.completes == "fields") {
            out +=
                "            compopt -o nospace\n"
                "            COMPREPLY=($(compgen -W \"" +
                fields + "\" -- \"$cur\"))\n";
        } else if (!o.completes.empty()) {
            out += "            COMPREPLY=($(compgen -W \"" + std::string(o.completes) +
                   "\" -- \"$cur\"))\n";
        }
        out += "            return\n            ;;\n";
    }
    out += "    esac\n    local options\n    case ${words[1]} in\n";
    for (const Command& c : Commands()) {
        out += "        " + std::string(c.name) + ") options=\"";
        for (const Option& o : Options()) {
            if (Takes(o, c.name)) {
                out += std::string(o.name) + " ";
            }
        }
        out += "\" ;;\n";
    }
    out +=
        "    esac\n"
        "    COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
        "}\n"
        "complete -F _wifi_config wifi-config\n";
    return out;
}

}  // namespace cli
