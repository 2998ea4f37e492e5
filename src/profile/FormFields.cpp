#include "profile/FormFields.h"

#include <algorithm>

#include "form/ControlIds.h"
#include "form/EnablingGroups.h"

#include "protocol/Address.h"
#include "wording/Messages.h"

namespace wifi {

namespace {

std::string Quoted(std::string_view s) {
    return std::string(1, '"').append(s).append(1, '"');
}

std::string OneOf(const Field& f) {
    std::string list;
    for (const auto t : f.names) {
        list += (list.empty() ? "" : ", ") + std::string(t);
    }
    return list;
}

// Checks and converts one value given as text.
std::optional<Setting> FromText(const Field& f, const std::string& value, std::string& error) {
    Setting s;
    s.field = &f;
    switch (f.kind) {
        case FieldKind::List:
        case FieldKind::KeyIndex:
            for (std::size_t i = 0; i < f.names.size(); ++i) {
                if (f.names[i] == value) {
                    s.index = static_cast<int>(i);
                    return s;
                }
            }
            error = std::string(f.name) + ": " + Quoted(value) + " is not one of " + OneOf(f);
            return std::nullopt;
        case FieldKind::Text:
            if (const RuleBreak why = CheckValue(f.rule, value); why != RuleBreak::None) {
                error = std::string(f.name) + ": the value" + DescribeBreak(why);
                return std::nullopt;
            }
            s.text = value;
            return s;
        case FieldKind::Flag:
            if (value != "true" && value != "false") {
                error = std::string(f.name) + ": " + Quoted(value) + " is not true or false";
                return std::nullopt;
            }
            s.flag = value == "true";
            return s;
        case FieldKind::Command: break;
        case FieldKind::Address: {
            // Exactly four numbers 0 to 255 and nothing else.
            const auto address = ScanDottedAddress(value);
            if (!address || FormatDottedAddress(*address) != value) {
                error = std::string(f.name) + ": " + Quoted(value) +
                        " is not an address of four numbers 0 to 255 (like 192.168.1.10)";
                return std::nullopt;
            }
            s.address = *address;
            return s;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Setting> SettingFromText(const Field& field, std::string_view value,
                                       const TextCodec& codec, std::string& error) {
    if (field.kind != FieldKind::Text) {
        return FromText(field, std::string(value), error);
    }
    const auto bytes = codec.Encode(value);
    if (!bytes) {
        error = std::string(field.name) + ": the value has a character that " +
                std::string(EncodingName(codec.encoding())) +
                " cannot express; choose the other --encoding";
        return std::nullopt;
    }
    return FromText(field, *bytes, error);
}

std::optional<Setting> SettingFromBytes(const Field& field, const std::string& bytes,
                                        std::string& error) {
    if (field.kind != FieldKind::Text) {
        error = std::string(field.name) + ": only a text takes bytes";
        return std::nullopt;
    }
    return FromText(field, bytes, error);
}

std::optional<Setting> ParseSetting(std::string_view assignment, const TextCodec& codec,
                                    std::string& error) {
    const auto eq = assignment.find('=');
    if (eq == std::string_view::npos) {
        error = "--set " + std::string(assignment) + ": expected NAME=VALUE";
        return std::nullopt;
    }
    const std::string name(assignment.substr(0, eq));
    const Field* f = FindField(name);
    if (!f) {
        error = "--set: unknown name " + Quoted(name);
        return std::nullopt;
    }
    return SettingFromText(*f, assignment.substr(eq + 1), codec, error);
}

std::string DescribeBreak(RuleBreak why) {
    return RuleBreakText(why).Format(Language::English, Audience::CommandLine);
}

bool ApplyAsUser(const Controls& form, UserInput& user, const Setting& s) {
    if (s.isNull) {
        return true;
    }
    const int id = s.field->id;
    switch (s.field->kind) {
        case FieldKind::List:
        case FieldKind::KeyIndex: return user.UserSelect(id, s.index);
        case FieldKind::Text: return user.UserType(id, s.text);
        case FieldKind::Flag: return (form.GetCheck(id) != 0) == s.flag || user.UserClick(id);
        case FieldKind::Address: {
            // An address the ticked DHCP box keeps disabled is typed as a
            // person would: DHCP off, the address, DHCP on again. It is kept,
            // and written.
            const bool underDhcp =
                !form.IsWindowEnabled(id) && form.GetCheck(IDC_DHCP) != 0 &&
                std::find(DhcpAddresses.begin(), DhcpAddresses.end(), id) != DhcpAddresses.end();
            if (underDhcp && !user.UserClick(IDC_DHCP)) {
                return false;
            }
            bool typed = true;
            for (int i = 0; i < 4 && typed; ++i) {
                typed = user.UserSetAddressField(id, i, s.address[static_cast<std::size_t>(i)]);
            }
            if (underDhcp) {
                typed = user.UserClick(IDC_DHCP) && typed;
            }
            return typed;
        }
        case FieldKind::Command: break;
    }
    return false;
}

}  // namespace wifi
