#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The command line's own table: every command and option once. The help
// text, the parser, the manual page (made from the help text) and the shell
// completion all derive from it, so a command or option added here appears
// everywhere without a second edit.
struct Command {
    std::string_view name;
    std::string_view help;      // what it does
    std::string_view operands;  // what it takes besides options ("LINE ..."); empty: nothing
};

struct Option {
    std::string_view name;          // "--port"
    std::string_view value;         // what it takes ("DEVICE"); empty for a flag
    std::string_view commands;      // the commands that take it, space-separated
    std::string_view requiredBy;    // the commands that cannot do without it
    std::string_view repeatableIn;  // the commands that take it more than once
    // What completes its value: "devices" (serial devices), "files",
    // "fields" (NAME= of the form's fields), or the words it takes.
    std::string_view completes;
    std::string_view help;
    std::string_view shortName = {};  // "-p"; empty: none

    bool TakenBy(std::string_view command) const { return Among(commands, command); }
    bool RequiredBy(std::string_view command) const { return Among(requiredBy, command); }
    bool RepeatableIn(std::string_view command) const { return Among(repeatableIn, command); }
    // Whether a space-separated list of commands holds the command.
    static bool Among(std::string_view list, std::string_view command);
};

const std::vector<Command>& Commands();
const std::vector<Option>& Options();

// A command line taken apart: the command, and each option's values in the
// order given (a flag has one empty value), all UTF-8. --opt=value and
// --opt value are the same.
struct Arguments {
    std::string command;
    std::map<std::string, std::vector<std::string>> values;
    std::vector<std::string> operands;  // for a command that takes them, in order
    bool Has(const std::string& option) const { return values.count(option) > 0; }
    std::string Last(const std::string& option) const {
        auto it = values.find(option);
        return it == values.end() || it->second.empty() ? std::string() : it->second.back();
    }
    std::vector<std::string> All(const std::string& option) const {
        auto it = values.find(option);
        return it == values.end() ? std::vector<std::string>() : it->second;
    }
};
// The arguments after the program's name. Nothing, and error set, for an
// unknown command or option (with the nearest it may mean), an option the
// command does not take, a value missing, or a required option not given.
// -p VALUE and -pVALUE are the short forms of options that have one.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& arguments,
                                        std::string& error);

std::string HelpText();
// One command's usage, what it does and its options; empty for no command.
std::string CommandHelpText(std::string_view command);
// A bash completion script for wifi-config.
std::string BashCompletion();

}  // namespace cli
