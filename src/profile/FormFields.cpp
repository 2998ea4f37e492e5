#include "profile/FormFields.h"

#include "protocol/Address.h"

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
                error = std::string(f.name) + ": the value " + DescribeBreak(why);
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

std::optional<Setting> SettingFromText(const Field& field, const QString& value,
                                       const TextCodec& codec, std::string& error) {
    if (field.kind != FieldKind::Text) {
        return FromText(field, value.toStdString(), error);
    }
    const auto bytes = codec.Encode(value);
    if (!bytes) {
        error = std::string(field.name) + ": the value has a character that " +
                EncodingName(codec.encoding()).toStdString() +
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

std::optional<Setting> ParseSetting(const QString& assignment, const TextCodec& codec,
                                    std::string& error) {
    const auto eq = assignment.indexOf(QLatin1Char('='));
    if (eq < 0) {
        error = "--set " + assignment.toStdString() + ": expected NAME=VALUE";
        return std::nullopt;
    }
    const std::string name = assignment.left(eq).toStdString();
    const Field* f = FindField(name);
    if (!f) {
        error = "--set: unknown name " + Quoted(name);
        return std::nullopt;
    }
    return SettingFromText(*f, assignment.mid(eq + 1), codec, error);
}

std::string DescribeBreak(RuleBreak why) {
    switch (why) {
        case RuleBreak::None: break;
        case RuleBreak::ControlCharacter:
            return "holds a control character (a line end, a NUL or another byte below 0x20), "
                   "which cannot go to the module in one command line";
        case RuleBreak::TooLong:
            return "is longer than the " + std::to_string(kSsidMaxBytes) + " bytes an SSID holds";
        case RuleBreak::NotANumber: return "is not a decimal number from 0 to 65535";
        case RuleBreak::NoValue: return "has no value the module accepts";
        case RuleBreak::NotEncodable: return "has a character the chosen encoding cannot express";
        case RuleBreak::Unknown: return "is not known: the module gave none the form can hold";
    }
    return {};
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
        case FieldKind::Address:
            for (int i = 0; i < 4; ++i) {
                if (!user.UserSetAddressField(id, i, s.address[static_cast<std::size_t>(i)])) {
                    return false;
                }
            }
            return true;
        case FieldKind::Command: break;
    }
    return false;
}

}  // namespace wifi
