#include "profile/FormFields.h"

#include <algorithm>

#include "form/ControlIds.h"
#include "form/EnablingGroups.h"

#include "protocol/Address.h"
#include "protocol/Commands.h"
#include "serial/SerialLink.h"
#include "text/Nearest.h"
#include "wording/Messages.h"

namespace wifi {

namespace {

Text Given(std::string_view value) {
    return Text::Literal(std::string(value));
}

Text OneOf(const Field& f) {
    std::string list;
    for (const auto t : f.names) {
        list += (list.empty() ? "" : ", ") + std::string(t);
    }
    return Text::Literal(list);
}

// Checks and converts one value given as text.
std::optional<Setting> FromText(const Field& f, const std::string& value, Text& error,
                                ValueSource source) {
    Setting s;
    s.field = &f;
    const Text name = Text::Named(f);
    switch (f.kind) {
        case FieldKind::List:
        case FieldKind::KeyIndex:
            for (std::size_t i = 0; i < f.names.size(); ++i) {
                if (f.names[i] == value) {
                    s.index = static_cast<int>(i);
                    return s;
                }
            }
            error = Text(UI_TEXT("%1：“%2”不是 %3 之一"), {name, Given(value), OneOf(f)});
            return std::nullopt;
        case FieldKind::Text: {
            RuleBreak why = CheckValue(f.rule, value, source);
            if (why == RuleBreak::None && source != ValueSource::Compared &&
                f.prefix.size() + value.size() + cmd::kLineEnd.size() > kMaxLineBytes) {
                why = RuleBreak::TooLongToSend;  // found now, not after the port opened
            }
            if (why != RuleBreak::None) {
                error = Text(UI_TEXT("%1：该值%2"), {name, RuleBreakText(why)});
                return std::nullopt;
            }
            s.text = value;
            return s;
        }
        case FieldKind::Flag:
            if (value != "true" && value != "false") {
                error = Text(UI_TEXT("%1：“%2”不是 true 或 false"), {name, Given(value)});
                return std::nullopt;
            }
            s.flag = value == "true";
            return s;
        case FieldKind::Command: break;
        case FieldKind::Address: {
            // Exactly four numbers 0 to 255 and nothing else.
            const auto address = ScanDottedAddress(value);
            if (!address || FormatDottedAddress(*address) != value) {
                error =
                    Text(UI_TEXT("%1：“%2”不是由四个 0 到 255 的数组成的地址（如 192.168.1.10）"),
                         {name, Given(value)});
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
                                       const TextCodec& codec, Text& error, ValueSource source) {
    if (field.kind != FieldKind::Text) {
        return FromText(field, std::string(value), error, source);
    }
    const auto bytes = codec.Encode(value);
    if (!bytes) {
        error =
            Text(UI_TEXT("%1：该值含有 %2 无法表示的字符，请改用另一种编码"),
                 {Text::Named(field), Text::Literal(std::string(EncodingName(codec.encoding())))});
        return std::nullopt;
    }
    return FromText(field, *bytes, error, source);
}

std::optional<Setting> SettingFromBytes(const Field& field, const std::string& bytes, Text& error) {
    if (field.kind != FieldKind::Text) {
        error = Text(UI_TEXT("%1：只有文字可以按字节给出"), {Text::Named(field)});
        return std::nullopt;
    }
    return FromText(field, bytes, error, ValueSource::Kept);
}

std::string NearestFieldName(std::string_view name) {
    std::vector<std::string_view> names;
    for (const Field& f : FormFields()) {
        names.push_back(f.name);
    }
    return Nearest(name, names);
}

std::optional<Setting> ParseSetting(std::string_view assignment, const TextCodec& codec,
                                    Text& error) {
    const auto eq = assignment.find('=');
    if (eq == std::string_view::npos) {
        error = Text(UI_TEXT("--set %1：应为 NAME=VALUE"), {Given(assignment)});
        return std::nullopt;
    }
    const std::string name(assignment.substr(0, eq));
    const Field* f = FindField(name);
    if (!f) {
        const std::string meant = NearestFieldName(name);
        error = meant.empty() ? Text(UI_TEXT("--set：未知的名称“%1”"), {Given(name)})
                              : Text(UI_TEXT("--set：未知的名称“%1”，是指“%2”吗？"),
                                     {Given(name), Text::Literal(meant)});
        return std::nullopt;
    }
    return SettingFromText(*f, assignment.substr(eq + 1), codec, error, ValueSource::Given);
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
