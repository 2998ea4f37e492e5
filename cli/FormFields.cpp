#include "FormFields.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include "protocol/Address.h"
#include "protocol/Commands.h"

namespace cli {

using namespace wifi;

namespace {

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
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

std::optional<Setting> ParseSetting(std::string_view assignment, std::string& error) {
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
    return FromText(*f, std::string(assignment.substr(eq + 1)), error);
}

std::optional<Setting> ParseJsonSetting(const std::string& name, const QJsonValue& value,
                                        std::string& error) {
    const Field* f = FindField(name);
    if (!f) {
        error = "unknown name " + Quoted(name);
        return std::nullopt;
    }
    if (value.isNull()) {
        Setting s;
        s.field = f;
        s.isNull = true;
        return s;
    }
    if (f->kind == FieldKind::Flag && value.isBool()) {
        return FromText(*f, value.toBool() ? "true" : "false", error);
    }
    if (f->kind == FieldKind::KeyIndex && value.isDouble()) {
        const double n = value.toDouble();
        return FromText(*f, n == static_cast<int>(n) ? std::to_string(static_cast<int>(n)) : "?",
                        error);
    }
    if (!value.isString()) {
        error = name + ": expected " +
                (f->kind == FieldKind::Flag       ? std::string("true or false")
                 : f->kind == FieldKind::KeyIndex ? std::string("a number 1 to 4")
                                                  : std::string("a string")) +
                " or null";
        return std::nullopt;
    }
    return FromText(*f, value.toString().toStdString(), error);
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
    }
    return {};
}

std::optional<std::vector<Setting>> LoadSettings(const std::string& path, std::string& error) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + ": " + file.errorString().toStdString();
        return std::nullopt;
    }
    // A profile is a few hundred bytes; a device or a wrong file is not read
    // to the end of memory.
    const QByteArray text = file.read(kMaxProfileBytes + 1);
    if (text.size() > kMaxProfileBytes) {
        error = path + ": larger than 1 MiB, not a profile";
        return std::nullopt;
    }
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
        error = path + ": not a JSON object" +
                (parse.error != QJsonParseError::NoError
                     ? " (" + parse.errorString().toStdString() + " at offset " +
                           std::to_string(parse.offset) + ")"
                     : std::string());
        return std::nullopt;
    }
    std::vector<Setting> settings;
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        auto s = ParseJsonSetting(it.key().toStdString(), it.value(), error);
        if (!s) {
            error = path + ": " + error;
            return std::nullopt;
        }
        settings.push_back(*s);
    }
    return settings;
}

bool ApplyAsUser(MemoryControls& controls, const Setting& s) {
    if (s.isNull) {
        return true;
    }
    const int id = s.field->id;
    switch (s.field->kind) {
        case FieldKind::List:
        case FieldKind::KeyIndex: return controls.UserSelect(id, s.index);
        case FieldKind::Text: return controls.UserType(id, s.text);
        case FieldKind::Flag:
            return (controls.GetCheck(id) != 0) == s.flag || controls.UserClick(id);
        case FieldKind::Address:
            for (int i = 0; i < 4; ++i) {
                if (!controls.UserSetAddressField(id, i, s.address[static_cast<std::size_t>(i)])) {
                    return false;
                }
            }
            return true;
        case FieldKind::Command: break;
    }
    return false;
}

QJsonObject ReadForm(const MemoryControls& controls) {
    QJsonObject form;
    for (const Field& f : FormFields()) {
        const QString name = Utf8(f.name);
        switch (f.kind) {
            case FieldKind::List: {
                const int i = controls.GetCurSel(f.id);
                form[name] = i < 0 ? QJsonValue() : Utf8(f.names[static_cast<std::size_t>(i)]);
                break;
            }
            case FieldKind::KeyIndex: {
                const int i = controls.GetCurSel(f.id);
                form[name] = i < 0 ? QJsonValue() : QJsonValue(i + 1);
                break;
            }
            case FieldKind::Text:
                form[name] = QString::fromLocal8Bit(controls.GetWindowText(f.id));
                break;
            case FieldKind::Flag: form[name] = controls.GetCheck(f.id) != 0; break;
            case FieldKind::Address:
                form[name] =
                    controls.IsBlank(f.id)
                        ? QJsonValue()
                        : QString::fromStdString(FormatDottedAddress(controls.GetAddress(f.id)));
                break;
            case FieldKind::Command: break;
        }
    }
    return form;
}

std::string FormAsJson(const QJsonObject& form) {
    std::string json = "{";
    for (const Field& f : FormFields()) {
        // A one-element array serialises the value with JSON's own escaping.
        const QJsonArray one{form[Utf8(f.name)]};
        const QByteArray value = QJsonDocument(one).toJson(QJsonDocument::Compact);
        json += (json.size() > 1 ? ", \"" : "\"") + std::string(f.name) +
                "\": " + value.mid(1, value.size() - 2).toStdString();
    }
    return json + "}";
}

std::string FormAsText(const QJsonObject& form) {
    std::string text;
    for (const Field& f : FormFields()) {
        const QJsonValue v = form[Utf8(f.name)];
        std::string value;
        if (v.isNull()) {
            value = "null";
        } else if (v.isBool()) {
            value = v.toBool() ? "true" : "false";
        } else if (v.isDouble()) {
            value = std::to_string(v.toInt());
        } else {
            value = v.toString().toStdString();
        }
        text += std::string(f.name) + ": " + value + "\n";
    }
    return text;
}

}  // namespace cli
