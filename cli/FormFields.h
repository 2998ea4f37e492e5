#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/Fields.h"
#include "form/MemoryControls.h"

namespace cli {

// A value for one field, checked against what the field can take.
struct Setting {
    const wifi::Field* field = nullptr;
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
// The most a --from file may hold.
inline constexpr qsizetype kMaxProfileBytes = 1024 * 1024;
// A whole --from file: one JSON object of settings.
std::optional<std::vector<Setting>> LoadSettings(const std::string& path, std::string& error);

// Why a value breaks its field's rule, in words that follow "the value".
std::string DescribeBreak(wifi::RuleBreak why);

// Applies a setting as a user's edit would, so the form's handlers run.
// False when the control would not take it (it is disabled).
bool ApplyAsUser(wifi::MemoryControls& controls, const Setting& setting);

// The form as one object: list tokens, null for no selection or a blank
// address.
QJsonObject ReadForm(const wifi::MemoryControls& controls);
// The same as JSON text, in the order of the form's fields.
std::string FormAsJson(const QJsonObject& form);
// The same, one "name: value" a line.
std::string FormAsText(const QJsonObject& form);

}  // namespace cli
