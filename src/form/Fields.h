#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "protocol/ReportParser.h"
#include "protocol/ValueRules.h"

namespace wifi {

enum class FieldKind {
    List,      // a drop list, its entries named by the command's tokens
    KeyIndex,  // the key slot list, named 1 to 4 as it shows them
    Text,      // an edit
    Flag,      // the DHCP check box
    Address,   // an IP address control
    Command,   // no control: the save step, a fixed value
};

// One field of the form: everything the program knows of it in one row.
struct Field {
    std::string_view name;  // as the command line and profiles name it
    int id;                 // its control (0: none)
    FieldKind kind;
    std::string_view label;  // as the window names it
    // Its key in the configuration report and, for a list, the report's token
    // for each entry; empty when the report does not carry the field.
    std::string_view reportKey;
    const ListTokens* reportTokens;
    // The command that writes it and, for a list whose command sends a token
    // rather than the entry's text, the token of each entry.
    std::string_view prefix;
    std::span<const std::string_view> commandValues;
    // List and KeyIndex: each entry's name on the command line and in profiles.
    std::span<const std::string_view> names;
    // The write step that sends it; step 4 sends two fields, the key format
    // (its source 0) and the key index (source 1).
    unsigned step;
    unsigned stepSource;
    ValueRule rule;
};

// The 21 fields of the form, in the order `read` prints them.
inline constexpr std::size_t kFormFieldCount = 21;
std::span<const Field> FormFields();
// The save step's row: no field of the form, but a step with a label.
const Field& SaveField();

// The form field of that name; nullptr when there is none.
const Field* FindField(std::string_view name);
// The field of a control (IDC_SSID); the id must be a field's.
const Field& FieldOfControl(int id);
// Whether a field holds a secret (the Wi-Fi key): masked wherever it is shown
// unless the user asks for it.
bool IsSecret(const Field& field);
// The row that step `step` sends (source: see Field::stepSource).
const Field& FieldOfStep(unsigned step, unsigned source = 0);

}  // namespace wifi
