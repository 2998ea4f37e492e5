#include "profile/Profile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "protocol/Address.h"
#include "wording/Messages.h"

namespace wifi {

namespace {

constexpr std::string_view kEncodingKey = "encoding";

std::optional<Setting> ProfileSetting(const std::string& name, const Json& value,
                                      const TextCodec& codec, Text& error, ValueSource source) {
    const Field* f = FindField(name);
    if (!f) {
        const std::string meant = NearestFieldName(name);
        error = meant.empty() ? Text(UI_TEXT("未知的名称“%1”"), {Text::Literal(name)})
                              : Text(UI_TEXT("未知的名称“%1”，是指“%2”吗？"),
                                     {Text::Literal(name), Text::Literal(meant)});
        return std::nullopt;
    }
    if (value.is_null()) {
        Setting s;
        s.field = f;
        s.isNull = true;
        return s;
    }
    if (f->kind == FieldKind::Flag && value.is_boolean()) {
        return SettingFromText(*f, value.get<bool>() ? "true" : "false", codec, error, source);
    }
    if (f->kind == FieldKind::KeyIndex && value.is_number()) {
        // Any number JSON holds, in range or not, whole or not.
        const double n = value.get<double>();
        const bool slot = n >= 0 && n <= 9 && n == static_cast<double>(static_cast<int>(n));
        return SettingFromText(*f, slot ? std::to_string(static_cast<int>(n)) : "?", codec, error,
                               source);
    }
    if (f->kind == FieldKind::Text && value.is_object()) {
        if (const auto bytes = HexBytes(value)) {
            return SettingFromBytes(*f, *bytes, error);
        }
        error = Text(UI_TEXT("%1：应为 {\"hex\": \"...\"}，其中是成对的十六进制数字"),
                     {Text::Named(*f)});
        return std::nullopt;
    }
    if (!value.is_string()) {
        const Text expected = f->kind == FieldKind::Flag       ? Text(UI_TEXT("true 或 false"))
                              : f->kind == FieldKind::KeyIndex ? Text(UI_TEXT("1 到 4 的数字"))
                              : f->kind == FieldKind::Text
                                  ? Text(UI_TEXT("字符串或 {\"hex\": ...}"))
                                  : Text(UI_TEXT("字符串"));
        error = Text(UI_TEXT("%1：应为 %2 或 null"), {Text::Named(*f), expected});
        return std::nullopt;
    }
    return SettingFromText(*f, value.get<std::string>(), codec, error, source);
}

// A callback for the parse that notes the first key an object of the text
// gives twice: JSON keeps the last silently, and a profile must not say two
// things of one field.
Json::parser_callback_t NoteDuplicateKey(std::vector<std::vector<std::string>>& open,
                                         std::optional<std::string>& twice) {
    return [&open, &twice](int, Json::parse_event_t event, Json& parsed) {
        switch (event) {
            case Json::parse_event_t::object_start: open.emplace_back(); break;
            case Json::parse_event_t::object_end:
                if (!open.empty()) {
                    open.pop_back();
                }
                break;
            case Json::parse_event_t::key:
                if (!open.empty() && parsed.is_string()) {
                    auto& keys = open.back();
                    const std::string key = parsed.get<std::string>();
                    if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
                        twice = twice.value_or(key);
                    }
                    keys.push_back(key);
                }
                break;
            default: break;
        }
        return true;
    };
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit,
                                         std::string& error, FileKinds kinds) {
    std::string bytes;
    if (path == "-") {
        char buffer[4096];
        for (std::size_t n;
             bytes.size() <= limit && (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
            bytes.append(buffer, n);
        }
        return bytes;
    }
    // A device is no profile, and reading one may never end; a window must
    // not wait on a FIFO nobody writes to.
    std::error_code failed;
    const auto status = std::filesystem::status(PathFromUtf8(path), failed);
    if (!failed) {
        if (std::filesystem::is_character_file(status) || std::filesystem::is_block_file(status)) {
            error = "a device, not a file";
            return std::nullopt;
        }
        if (kinds == FileKinds::RegularOnly && !std::filesystem::is_regular_file(status)) {
            error = std::filesystem::is_directory(status) ? "a folder, not a file"
                                                          : "not a regular file (a pipe?)";
            return std::nullopt;
        }
    }
    std::ifstream file(PathFromUtf8(path), std::ios::binary);
    if (!file) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    // A device or a wrong file is not read to the end of memory.
    bytes.resize(limit + 1);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        error = std::strerror(errno != 0 ? errno : EIO);
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

std::optional<std::vector<Setting>> LoadProfile(const std::string& path, TextEncoding unmarked,
                                                Message& error, ValueSource source) {
    const Text where = path == "-" ? Text(UI_TEXT("标准输入")) : Text::Literal(path);
    std::string why;
    const auto text = ReadFileBytes(path, kMaxProfileBytes, why);
    if (!text) {
        error = FileNotOpened(path, why);
        return std::nullopt;
    }
    Text wrong;
    auto settings = ParseProfile(*text, unmarked, wrong, source);
    if (!settings) {
        error = Message{Text(UI_TEXT("%1：%2"), {where, wrong}), true, {}, {}};
    }
    return settings;
}

std::optional<std::vector<Setting>> ParseProfile(std::string_view text, TextEncoding unmarked,
                                                 Text& error, ValueSource source) {
    if (text.size() > kMaxProfileBytes) {
        error = Text(UI_TEXT("超过 1 MiB，不是配置文件"));
        return std::nullopt;
    }
    Json object;
    std::vector<std::vector<std::string>> openObjects;
    std::optional<std::string> twice;
    try {
        object = Json::parse(text, NoteDuplicateKey(openObjects, twice));
    } catch (const Json::parse_error& e) {
        // Where the text stops being JSON, as an editor shows it.
        const std::size_t at = std::min<std::size_t>(e.byte > 0 ? e.byte - 1 : 0, text.size());
        const std::string_view before = text.substr(0, at);
        const auto line = std::count(before.begin(), before.end(), '\n') + 1;
        const auto lineStart = before.rfind('\n');
        const auto column = at - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
        error = Text(UI_TEXT("不是 JSON 对象（第 %1 行第 %2 列有误）"),
                     {Text::Number(line), Text::Number(static_cast<long long>(column))});
        return std::nullopt;
    } catch (const Json::exception& e) {
        // A number out of range ("1e999") and every other refusal of the
        // JSON library: a profile that cannot be read, never a crash.
        error = Text(UI_TEXT("不是有效的 JSON（%1）"), {Text::Literal(e.what())});
        return std::nullopt;
    }
    if (twice) {
        error = Text(UI_TEXT("“%1”出现了两次"), {Text::Literal(*twice)});
        return std::nullopt;
    }
    if (!object.is_object()) {
        error = Text(UI_TEXT("不是 JSON 对象"));
        return std::nullopt;
    }
    TextEncoding encoding = unmarked;
    if (object.contains(kEncodingKey)) {
        const Json& named = object.at(kEncodingKey);
        const auto e = named.is_string() ? EncodingNamed(named.get<std::string>()) : std::nullopt;
        if (!e) {
            error = Text(UI_TEXT("“encoding”应为 gbk 或 utf-8"));
            return std::nullopt;
        }
        encoding = *e;
        object.erase(std::string(kEncodingKey));
    }
    const TextCodec codec(encoding);
    std::vector<Setting> settings;
    for (auto it = object.begin(); it != object.end(); ++it) {
        auto s = ProfileSetting(it.key(), *it, codec, error, source);
        if (!s) {
            return std::nullopt;
        }
        settings.push_back(*s);
    }
    return settings;
}

std::string ProfileFileName(std::string_view ssid) {
    std::string name;
    for (unsigned char c : ssid) {
        const bool forbidden =
            c < 0x20 || c == 0x7f ||
            std::string_view("/\\:*?\"<>|").find(char(c)) != std::string_view::npos;
        name.push_back(forbidden ? '_' : char(c));
    }
    // Windows takes no name that ends in a space or a dot, nor one that is
    // only dots.
    while (!name.empty() && (name.back() == ' ' || name.back() == '.')) {
        name.pop_back();
    }
    while (!name.empty() && name.front() == ' ') {
        name.erase(name.begin());
    }
    return (name.empty() ? std::string("profile") : name) + ".json";
}

std::string WithJsonSuffix(const std::string& path) {
    const auto dot = path.rfind('.');
    const auto slash = path.find_last_of("/\\");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        std::string suffix = path.substr(dot);
        for (char& c : suffix) {
            c = char(std::tolower(static_cast<unsigned char>(c)));
        }
        if (suffix == ".json") {
            return path;
        }
    }
    return path + ".json";
}

FormReading ReadForm(const Controls& controls, TextEncoding chosen,
                     const TextConverters& converters) {
    FormReading reading;
    // The texts decide the profile's encoding: the chosen one, unless every
    // text that is not ASCII is valid only in the other.
    const TextEncoding other =
        chosen == TextEncoding::Utf8 ? TextEncoding::Gbk : TextEncoding::Utf8;
    bool allInChosen = true;
    bool allInOther = true;
    for (const Field& f : FormFields()) {
        if (f.kind == FieldKind::Text) {
            const std::string bytes = controls.GetText(f.id);
            allInChosen = allInChosen && TextCodec(chosen, converters).Decode(bytes).has_value();
            allInOther = allInOther && TextCodec(other, converters).Decode(bytes).has_value();
        }
    }
    const TextEncoding encoding = !allInChosen && allInOther ? other : chosen;
    const TextCodec codec(encoding, converters);
    const std::string encodingName(EncodingName(encoding));
    reading.form[std::string(kEncodingKey)] = encodingName;

    auto note = [&](const Text& text) { reading.notes.push_back(text); };
    for (const Field& f : FormFields()) {
        const std::string name(f.name);
        Json& member = reading.form[name];
        switch (f.kind) {
            case FieldKind::List: {
                const int i = controls.GetCurSel(f.id);
                member = i < 0 ? Json() : Json(std::string(f.names[static_cast<std::size_t>(i)]));
                break;
            }
            case FieldKind::KeyIndex: {
                const int i = controls.GetCurSel(f.id);
                member = i < 0 ? Json() : Json(i + 1);
                break;
            }
            case FieldKind::Text: {
                const std::string bytes = controls.GetText(f.id);
                if (const auto text = codec.Decode(bytes)) {
                    member = *text;
                    if (encoding != chosen && !IsAscii(bytes)) {
                        note(ProfileInOtherEncoding(f, encoding, chosen));
                    }
                } else {
                    member = BytesAsHex(bytes);
                    note(ProfileTextAsBytes(f, encoding));
                }
                break;
            }
            case FieldKind::Flag: member = controls.GetCheck(f.id) != 0; break;
            case FieldKind::Address:
                member = controls.IsBlank(f.id)
                             ? Json()
                             : Json(FormatDottedAddress(controls.GetAddress(f.id)));
                break;
            case FieldKind::Command: break;
        }
    }
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

std::vector<std::string> DifferingFields(const FieldValues& a, const FieldValues& b) {
    std::vector<std::string> differing;
    for (const Field& f : FormFields()) {
        const std::string name(f.name);
        if (!f.reportKey.empty() && a.count(name) && b.count(name) && a.at(name) != b.at(name)) {
            differing.push_back(name);
        }
    }
    return differing;
}

std::string FormAsJson(const Json& form) {
    Json ordered;
    ordered[std::string(kEncodingKey)] = form.value(std::string(kEncodingKey), Json());
    for (const Field& f : FormFields()) {
        ordered[std::string(f.name)] = form.value(std::string(f.name), Json());
    }
    return JsonLine(ordered);
}

std::string FormAsText(const Json& form) {
    std::string text = "encoding: " + form.value(std::string(kEncodingKey), std::string()) + "\n";
    for (const Field& f : FormFields()) {
        const Json v = form.value(std::string(f.name), Json());
        std::string value;
        if (v.is_null()) {
            value = "null";
        } else if (v.is_boolean()) {
            value = v.get<bool>() ? "true" : "false";
        } else if (v.is_number()) {
            value = std::to_string(v.get<int>());
        } else if (v.is_object()) {
            value = "hex " + v.value(std::string(kHexKey), std::string());
        } else {
            value = v.get<std::string>();
        }
        text += std::string(f.name) + ": " + value + "\n";
    }
    return text;
}

}  // namespace wifi
