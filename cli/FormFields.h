#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/MemoryControls.h"

namespace cli {

// The form's fields as the command line names them, each bound to its control.
enum class FieldKind {
    List,      // a drop list, named by the module's command tokens
    KeyIndex,  // the key slot list, named 1 to 4 as it shows them
    Text,      // an edit
    Flag,      // the DHCP check box
    Address,   // an IP address control
};

struct Field {
    std::string name;
    int id;
    FieldKind kind;
    std::vector<std::string> tokens;  // List and KeyIndex: the name of each entry
};

// In the order `read` prints them.
const std::vector<Field>& Fields();
const Field* FindField(std::string_view name);

// A value for one field, checked against what the field can take.
struct Setting {
    const Field* field = nullptr;
    bool isNull = false;  // leave the field as the module reported it
    int index = -1;
    std::string text;
    bool flag = false;
    wifi::Address address{};
};

// "name=value" from --set. Nothing, and error set, for an unknown name or a
// value the field cannot take.
std::optional<Setting> ParseSetting(std::string_view assignment, std::string& error);
// One member of a --from file.
std::optional<Setting> ParseJsonSetting(const std::string& name, const QJsonValue& value,
                                        std::string& error);
// A whole --from file: one JSON object of settings.
std::optional<std::vector<Setting>> LoadSettings(const std::string& path, std::string& error);

// Applies a setting as a user's edit would, so the form's handlers run.
// False when the control would not take it (it is disabled).
bool ApplyAsUser(wifi::MemoryControls& controls, const Setting& setting);

// The form as one object: list tokens, null for no selection or a blank
// address.
QJsonObject ReadForm(const wifi::MemoryControls& controls);
// The same as JSON text, in the order of Fields().
std::string FormAsJson(const QJsonObject& form);
// The same, one "name: value" a line.
std::string FormAsText(const QJsonObject& form);

}  // namespace cli
