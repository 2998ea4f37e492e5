#include "profile/Profile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include "profile/JsonText.h"
#include "protocol/Address.h"

namespace wifi {

namespace {

const QString kEncodingKey = QStringLiteral("encoding");
const QString kHexKey = QStringLiteral("hex");

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// {"hex": "b2e2..."}: pairs of hex digits, nothing else.
std::optional<std::string> HexBytes(const QJsonValue& value) {
    if (!value.isObject() || value.toObject().size() != 1 ||
        !value.toObject().value(kHexKey).isString()) {
        return std::nullopt;
    }
    const QString hex = value.toObject().value(kHexKey).toString();
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    for (QChar c : hex) {
        if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))) {
            return std::nullopt;
        }
    }
    return QByteArray::fromHex(hex.toLatin1()).toStdString();
}

std::optional<Setting> ProfileSetting(const std::string& name, const QJsonValue& value,
                                      const TextCodec& codec, std::string& error) {
    const Field* f = FindField(name);
    if (!f) {
        error = "unknown name \"" + name + "\"";
        return std::nullopt;
    }
    if (value.isNull()) {
        Setting s;
        s.field = f;
        s.isNull = true;
        return s;
    }
    if (f->kind == FieldKind::Flag && value.isBool()) {
        return SettingFromText(
            *f, value.toBool() ? QStringLiteral("true") : QStringLiteral("false"), codec, error);
    }
    if (f->kind == FieldKind::KeyIndex && value.isDouble()) {
        const double n = value.toDouble();
        return SettingFromText(
            *f,
            n == static_cast<int>(n) ? QString::number(static_cast<int>(n)) : QStringLiteral("?"),
            codec, error);
    }
    if (f->kind == FieldKind::Text && value.isObject()) {
        if (const auto bytes = HexBytes(value)) {
            return SettingFromBytes(*f, *bytes, error);
        }
        error = name + ": expected {\"hex\": \"...\"} with pairs of hex digits";
        return std::nullopt;
    }
    if (!value.isString()) {
        error = name + ": expected " +
                (f->kind == FieldKind::Flag       ? std::string("true or false")
                 : f->kind == FieldKind::KeyIndex ? std::string("a number 1 to 4")
                 : f->kind == FieldKind::Text     ? std::string("a string or {\"hex\": ...}")
                                                  : std::string("a string")) +
                " or null";
        return std::nullopt;
    }
    return SettingFromText(*f, value.toString(), codec, error);
}

}  // namespace

std::optional<std::vector<Setting>> LoadProfile(const QString& path, TextEncoding unmarked,
                                                std::string& error) {
    const bool standardInput = path == QLatin1String("-");
    const std::string where = standardInput ? "standard input" : path.toStdString();
    QFile file(path);
    const bool opened =
        standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        error = where + ": " + file.errorString().toStdString();
        return std::nullopt;
    }
    // A profile is a few hundred bytes; a device or a wrong file is not read
    // to the end of memory.
    const QByteArray text = file.read(kMaxProfileBytes + 1);
    return ParseProfile(text, where, unmarked, error);
}

std::optional<std::vector<Setting>> ParseProfile(const QByteArray& text, const std::string& where,
                                                 TextEncoding unmarked, std::string& error) {
    if (text.size() > kMaxProfileBytes) {
        error = where + ": larger than 1 MiB, not a profile";
        return std::nullopt;
    }
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
        error = where + ": not a JSON object" +
                (parse.error != QJsonParseError::NoError
                     ? " (" + parse.errorString().toStdString() + " at offset " +
                           std::to_string(parse.offset) + ")"
                     : std::string());
        return std::nullopt;
    }
    QJsonObject object = doc.object();
    TextEncoding encoding = unmarked;
    if (object.contains(kEncodingKey)) {
        const auto named = EncodingNamed(object.take(kEncodingKey).toString());
        if (!named) {
            error = where + ": \"encoding\" is gbk or utf-8";
            return std::nullopt;
        }
        encoding = *named;
    }
    const TextCodec codec(encoding);
    std::vector<Setting> settings;
    for (auto it = object.begin(); it != object.end(); ++it) {
        auto s = ProfileSetting(it.key().toStdString(), it.value(), codec, error);
        if (!s) {
            error = where + ": " + error;
            return std::nullopt;
        }
        settings.push_back(*s);
    }
    return settings;
}

FormReading ReadForm(const Controls& controls, TextEncoding chosen) {
    FormReading reading;
    // The texts decide the profile's encoding: the chosen one, unless every
    // text that is not ASCII is valid only in the other.
    std::vector<const Field*> texts;
    for (const Field& f : FormFields()) {
        if (f.kind == FieldKind::Text) {
            texts.push_back(&f);
        }
    }
    const TextEncoding other =
        chosen == TextEncoding::Utf8 ? TextEncoding::Gbk : TextEncoding::Utf8;
    bool allInChosen = true;
    bool allInOther = true;
    for (const Field* f : texts) {
        const std::string bytes = controls.GetText(f->id);
        allInChosen = allInChosen && TextCodec(chosen).Decode(bytes).has_value();
        allInOther = allInOther && TextCodec(other).Decode(bytes).has_value();
    }
    const TextEncoding encoding = !allInChosen && allInOther ? other : chosen;
    const TextCodec codec(encoding);
    reading.form[kEncodingKey] = EncodingName(encoding);

    for (const Field& f : FormFields()) {
        const QString name = Utf8(f.name);
        switch (f.kind) {
            case FieldKind::List: {
                const int i = controls.GetCurSel(f.id);
                reading.form[name] =
                    i < 0 ? QJsonValue() : Utf8(f.names[static_cast<std::size_t>(i)]);
                break;
            }
            case FieldKind::KeyIndex: {
                const int i = controls.GetCurSel(f.id);
                reading.form[name] = i < 0 ? QJsonValue() : QJsonValue(i + 1);
                break;
            }
            case FieldKind::Text: {
                const std::string bytes = controls.GetText(f.id);
                if (const auto text = codec.Decode(bytes)) {
                    reading.form[name] = *text;
                    if (encoding != chosen && !IsAscii(bytes)) {
                        reading.notes << name + " is " + EncodingName(encoding) + ", not " +
                                             EncodingName(chosen) +
                                             ": the texts are decoded, and the profile marked, "
                                             "as " +
                                             EncodingName(encoding);
                    }
                } else {
                    reading.form[name] = QJsonObject{
                        {kHexKey, QString::fromLatin1(QByteArray::fromStdString(bytes).toHex())}};
                    reading.notes << name + " is not valid " + EncodingName(encoding) +
                                         " text: it is given as its bytes, in hex";
                }
                break;
            }
            case FieldKind::Flag: reading.form[name] = controls.GetCheck(f.id) != 0; break;
            case FieldKind::Address:
                reading.form[name] =
                    controls.IsBlank(f.id)
                        ? QJsonValue()
                        : QString::fromStdString(FormatDottedAddress(controls.GetAddress(f.id)));
                break;
            case FieldKind::Command: break;
        }
    }
    reading.notes.removeDuplicates();
    return reading;
}

FieldValues ReadFieldValues(const Controls& controls) {
    FieldValues values;
    for (const Field& f : FormFields()) {
        std::string& v = values[std::string(f.name)];
        switch (f.kind) {
            case FieldKind::List:
            case FieldKind::KeyIndex: v = std::to_string(controls.GetCurSel(f.id)); break;
            case FieldKind::Text: v = controls.GetText(f.id); break;
            case FieldKind::Flag: v.assign(1, controls.GetCheck(f.id) ? '1' : '0'); break;
            case FieldKind::Address:
                v = controls.IsBlank(f.id) ? std::string()
                                           : FormatDottedAddress(controls.GetAddress(f.id));
                break;
            case FieldKind::Command: break;
        }
    }
    return values;
}

QStringList DifferingFields(const FieldValues& a, const FieldValues& b) {
    QStringList differing;
    for (const Field& f : FormFields()) {
        const std::string name(f.name);
        if (!f.reportKey.empty() && a.count(name) && b.count(name) && a.at(name) != b.at(name)) {
            differing << Utf8(f.name);
        }
    }
    return differing;
}

std::string FormAsJson(const QJsonObject& form) {
    // {"hex": "..."} with the same spacing as the rest.
    auto member = [](const QJsonValue& v) {
        return v.isObject() ? OrderedJson().Add(kHexKey, v.toObject()[kHexKey]).Text()
                            : JsonText(v);
    };
    OrderedJson json;
    json.AddText(kEncodingKey, member(form[kEncodingKey]));
    for (const Field& f : FormFields()) {
        json.AddText(Utf8(f.name), member(form[Utf8(f.name)]));
    }
    return json.Text();
}

std::string FormAsText(const QJsonObject& form) {
    std::string text = "encoding: " + form[kEncodingKey].toString().toStdString() + "\n";
    for (const Field& f : FormFields()) {
        const QJsonValue v = form[Utf8(f.name)];
        std::string value;
        if (v.isNull()) {
            value = "null";
        } else if (v.isBool()) {
            value = v.toBool() ? "true" : "false";
        } else if (v.isDouble()) {
            value = std::to_string(v.toInt());
        } else if (v.isObject()) {
            value = "hex " + v.toObject()[kHexKey].toString().toStdString();
        } else {
            value = v.toString().toUtf8().toStdString();
        }
        text += std::string(f.name) + ": " + value + "\n";
    }
    return text;
}

}  // namespace wifi
