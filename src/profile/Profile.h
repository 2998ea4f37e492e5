#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "form/Controls.h"
#include "form/UserInput.h"
#include "platform/TextCodec.h"
#include "profile/FormFields.h"

namespace wifi {

// A profile is one JSON object of form values, as read prints it: the field
// names of the form, and "encoding", the encoding its texts were decoded with
// ("utf-8" or "gbk"). A text whose bytes are not valid in that encoding
// travels as {"hex": "b2e2cad4"}, so that no byte is lost either way. null
// leaves a field as the module reported it.

// The most a --from file may hold.
inline constexpr qsizetype kMaxProfileBytes = 1024 * 1024;

// A whole --from file ("-": standard input). Its texts are encoded back
// with the file's own encoding; a file that names none is taken as
// `unmarked`.
std::optional<std::vector<Setting>> LoadProfile(const QString& path, TextEncoding unmarked,
                                                std::string& error);
// The same from a profile's bytes; `where` names their source in errors.
std::optional<std::vector<Setting>> ParseProfile(const QByteArray& text, const std::string& where,
                                                 TextEncoding unmarked, std::string& error);

struct FormReading {
    QJsonObject form;   // the profile, "encoding" included
    QStringList notes;  // what the user should know of the texts' encoding
};
// The form as one object: list names, null for no selection or a blank
// address, texts decoded with the chosen encoding, or with the other one
// when every reported text is in that (said in a note).
FormReading ReadForm(const Controls& controls, TextEncoding chosen);
// The form value by value, as it goes to the module: a list's index, a text's
// bytes, a flag, an address ("" when blank); by field name.
using FieldValues = std::map<std::string, std::string>;
FieldValues ReadFieldValues(const Controls& controls);
// The fields whose values differ, in the form's order. Only fields the report
// shows are compared: the report has no key for the protocol.
QStringList DifferingFields(const FieldValues& a, const FieldValues& b);

// The same as JSON text: "encoding" first, then the fields in the form's order.
std::string FormAsJson(const QJsonObject& form);
// The same, one "name: value" a line.
std::string FormAsText(const QJsonObject& form);

}  // namespace wifi
