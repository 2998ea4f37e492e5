// The command line's help text and shell completion, made from its option
// table; the manual page is made from the help text.
#include <sstream>

#include "CommandLine.h"
#include "form/Fields.h"

namespace cli {

using namespace wifi;

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

// The usage lines of one command, or of all: what each cannot do without,
// then [OPTION]... for the rest, GNU style, so that each fits a line and the
// manual's synopsis lists one command a line.
std::string Usage(std::string_view only = {}) {
    std::string out;
    for (const Command& c : Commands()) {
        if (!only.empty() && c.name != only) {
            continue;
        }
        std::string line = "wifi-config " + std::string(c.name);
        bool optional = false;
        for (const Option& o : Options()) {
            if (!o.TakenBy(c.name)) {
                continue;
            }
            if (!o.RequiredBy(c.name)) {
                optional = true;
                continue;
            }
            line.append(" ").append(o.name);
            if (!o.value.empty()) {
                line.append(" ").append(o.value);
            }
            if (o.RepeatableIn(c.name)) {
                line.append("...");
            }
        }
        if (optional) {
            line += " [OPTION]...";
        }
        if (!c.operands.empty()) {
            line.append(" ").append(c.operands);
        }
        out += (out.empty() ? "Usage: " : "  or:  ") + line + "\n";
    }
    if (only.empty()) {
        out += "  or:  wifi-config [COMMAND] --help\n  or:  wifi-config --version\n";
    }
    return out;
}

// "  -p, --port DEVICE", or "  --probe".
std::string OptionHead(const Option& o) {
    return "  " + (o.shortName.empty() ? std::string() : std::string(o.shortName) + ", ") +
           std::string(o.name) + (o.value.empty() ? "" : " ") + std::string(o.value);
}

// The form's fields and the values each takes, from the field table.
std::string FormValues() {
    std::string out =
        "Form values (null: unknown; in --from, null or absent gives no value, and\n"
        "the field keeps what the module reported):\n";
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
    return out + "No report carries the protocol: read prints null, and write needs it given.\n";
}

constexpr std::string_view kAbout =
    "Reads a Wi-Fi serial module's configuration, or writes one into one module or\n"
    "many at once, over serial ports at 19200 baud 8N1, exactly as the window does.\n";

constexpr std::string_view kOutput =
    "Output: JSON Lines, one JSON object per line and per result (a form, a\n"
    "port, a write's result, a difference, a station record), so that a script\n"
    "reads it line by line; --format text prints \"name: value\" lines instead.\n"
    "Errors and notes go to standard error.\n";

constexpr std::string_view kTail = R"(
Known values only: a field is known when the module reported a value the
form can hold, or when it is given. read prints every other field as null
and names it on standard error with what the module reported: a key its
report lacked, a list token or DHCP flag the form has no entry for, an
address that is not four numbers 0 to 255, and the protocol, which no report
carries. write and station refuse, before the configure command, to write a
field nobody knows: give it with --set or in the profile.

Texts keep their bytes: a field not given goes back exactly as the module
reported it. read's JSON names its "encoding"; write --from encodes the file's
texts back with that encoding, whatever --encoding says, and a text valid in
no encoding travels as {"hex": "..."}, its bytes. Before anything is sent,
every text is checked: no control character (a byte below 0x20), an SSID of
at most 32 bytes, serverPort, frameLen and frameTime decimal numbers from 0
to 65535.

Proof by reading back: after the save's acknowledgement, write and station
query the module again (opening its port anew within --timeout if it
restarts) and compare every field written with its report. Only a match is
success ("verified": true). A field that differs is named with both values
(exit 1); one whose value the report does not give in a form the tool can
hold cannot be told, and the save is "saved, but not verified" (exit 7), as
when the module cannot be read back. The protocol, which no report carries,
is said once as a note. --no-verify falls back to the save's
acknowledgement and a quiet line after it.

Replies balance: one acknowledgement per command. A reply that no command
awaits in a write means the module answered more often than asked: the write
stops and says whether anything was saved. A refusal is a line that starts
with ERROR or +ERROR, in any case; what the module said instead of an
answer ("+OK") is named when the wait ends.
The key is masked as *** in errors, --trace, send's lines and records unless
--log-secrets is given.

Exit status (with several ports, the highest of them):
  0  done
  1  the module refused a command: the configuration query, the connect
     request, the configure command, a parameter (named, with its command) or
     the save; or it answered more often than it was asked; nothing more was
     sent; or a field read back after the save differs (named, with both
     values). station: any module failed (its record says why)
  2  bad arguments or values (checked before any port is opened), a --from
     FILE missing, not JSON or over 1 MiB, the same device named twice, or a
     form that cannot be written: a value as the module reported it that
     breaks its field's rule, or a field nobody knows (give a value with
     --set); station: a profile that does not set the protocol
  3  a port could not be opened, disappeared or failed
  4  no answer, or an incomplete one, within --timeout of the last byte that
     could belong to it, six time-outs at most (the phase is named; a write
     says whether anything was saved)
  129, 130, 143  interrupted by SIGHUP, SIGINT (Ctrl+C) or SIGTERM; 149 on
     Windows by Ctrl+Break: nothing more is sent, the ports are closed, and
     each write prints its result line with "ok": false; station records the
     module it was writing and prints its summary. A second signal ends at
     once.
  5  diff: the module and the profile differ in some field
  6  diff: none differs, but some field the profile gives is unknown on the
     module, so whether it is equal cannot be told
  7  saved, but not verified: the module could not be read back, or its
     report did not show some field written (read it again to check)
  8  a result or record could not be written: standard output full, closed
     or a pipe whose reader is gone (every module in hand still finishes),
     or a station log (the station stops)
  ports exits 0 even when there is no port.

Examples:
  Show a module's configuration as "name: value" lines:
    wifi-config read -p /dev/ttyUSB0 --format text

  Keep a module's configuration as a profile:
    wifi-config read -p /dev/ttyUSB0 > line7.json

  Write the profile with two values changed:
    wifi-config write -p /dev/ttyUSB0 -f line7.json --set ssid="Line 7" --set dhcp=false

  Configure two modules at the same time:
    wifi-config write -p /dev/ttyUSB0 -p /dev/ttyUSB1 --set protocol=TCP --set baudRate=115200

  See where a module differs from the profile:
    wifi-config diff -p /dev/ttyUSB0 -f line7.json

  Ask the module's firmware directly (no checks):
    wifi-config send -p /dev/ttyUSB0 AT+SZ_CHECKCONFIG=ALL

  Find the ports a module answers on:
    wifi-config ports --probe --format text

  Run a production line, checking and recording each module:
    wifi-config station -p /dev/ttyUSB0 -f line7.json --log line7.log

  On Windows, name ports by their COM names:
    wifi-config read -p COM7
)";

// "name) values="a b c" ;;" for each field whose values are a list.
std::string FieldValueCases() {
    std::string out;
    for (const Field& f : FormFields()) {
        std::string values;
        if (f.kind == FieldKind::List || f.kind == FieldKind::KeyIndex) {
            for (auto name : f.names) {
                values.append(values.empty() ? "" : " ").append(name);
            }
        } else if (f.kind == FieldKind::Flag) {
            values = "true false";
        }
        if (!values.empty()) {
            out +=
                "                    " + std::string(f.name) + ") values=\"" + values + "\" ;;\n";
        }
    }
    return out;
}

}  // namespace

std::string HelpText() {
    std::string out = Usage() + "\n" + std::string(kAbout) + "\nCommands:\n";
    for (const Command& c : Commands()) {
        OptionLines(out, "  " + std::string(c.name), c.help);
    }
    out += "\nOptions:\n";
    for (const Option& o : Options()) {
        OptionLines(out, OptionHead(o), o.help);
    }
    OptionLines(out, "  -h, --help", "show this text; after a command, that command's help only");
    OptionLines(out, "  -V, --version", "print the version");
    return out + "\n" + std::string(kOutput) + "\n" + FormValues() + std::string(kTail);
}

std::string CommandHelpText(std::string_view command) {
    const Command* found = nullptr;
    for (const Command& c : Commands()) {
        if (c.name == command) {
            found = &c;
        }
    }
    if (!found) {
        return {};
    }
    std::string out = Usage(command) + "\n";
    OptionLines(out, "  " + std::string(found->name), found->help);
    out += "\nOptions:\n";
    for (const Option& o : Options()) {
        if (o.TakenBy(command)) {
            OptionLines(out, OptionHead(o), o.help);
        }
    }
    // What --set takes, where the command takes it.
    const bool sets = command == "write" || command == "station" || command == "diff";
    // Appended, not added: GCC 12 at -O3 warns falsely of overlapping copies
    // in a literal + string.
    if (sets) {
        out.append("\n").append(FormValues());
    }
    return out.append("\nOutput, exit status and examples: wifi-config --help\n");
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
        "--help --version -V\" -- \"$cur\"))\n"
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
        // The short form completes as the long one: "-p <TAB>" offers devices.
        out.append("        ").append(o.name);
        if (!o.shortName.empty()) {
            out.append("|").append(o.shortName);
        }
        out.append(")\n");
        if (o.completes == "devices") {
            out +=
                "            COMPREPLY=($(compgen -W \"$(ls -d /dev/ttyUSB* /dev/ttyACM* "
                "/dev/serial/by-id/* "
                "/dev/ttyS* "
                "/dev/cu.* 2>/dev/null)\" -- \"$cur\"))\n";
        } else if (o.completes == "files") {
            out += "            _filedir\n";
        } else if (o.completes == "fields") {
            // After NAME=, the values the field takes.
            out +=
                "            if [[ $cur == *=* ]]; then\n"
                "                local field=${cur%%=*} values=\n"
                "                case $field in\n" +
                FieldValueCases() +
                "                esac\n"
                "                # Where = breaks words, the line holds the value alone.\n"
                "                local prefix=$field=\n"
                "                [[ $COMP_WORDBREAKS == *=* ]] && prefix=\n"
                "                COMPREPLY=($(compgen -P \"$prefix\" -W \"$values\" -- "
                "\"${cur#*=}\"))\n"
                "                return\n"
                "            fi\n"
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
            if (o.TakenBy(c.name)) {
                out.append(o.name).append(" ");
                if (!o.shortName.empty()) {
                    out.append(o.shortName).append(" ");
                }
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
