#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/Controls.h"
#include "form/Fields.h"
#include "form/UserInput.h"
#include "text/TextCodec.h"
#include "wording/Text.h"

namespace wifi {

// A value for one field, checked against what the field can take.
struct Setting {
    const Field* field = nullptr;
    bool isNull = false;  // no value given: the field keeps what the module reported
    int index = -1;
    std::string text;  // a text field's bytes, as they go to the module
    bool flag = false;
    Address address{};
};

// The field a user most likely meant by a name no field has; empty if none.
std::string NearestFieldName(std::string_view name);

// "name=value" from --set, UTF-8; a text goes out encoded with codec. Nothing,
// and error set, for an unknown name (with the nearest) or a value the field
// cannot take. The errors are the tool's texts, said in the reader's language.
std::optional<Setting> ParseSetting(std::string_view assignment, const TextCodec& codec,
                                    Text& error);
// A value given as UTF-8 text: a list's name, true or false, an address, or a
// text encoded with codec. A text from a profile is kept byte for byte
// (only a line end or NUL is refused); one given with --set is checked for
// every control character.
std::optional<Setting> SettingFromText(const Field& field, std::string_view value,
                                       const TextCodec& codec, Text& error,
                                       ValueSource source = ValueSource::Kept);
// A text given as its bytes.
std::optional<Setting> SettingFromBytes(const Field& field, const std::string& bytes, Text& error);

// Applies a setting as a user's edit would, so the form's handlers run.
// False when the control would not take it (it is disabled).
bool ApplyAsUser(const Controls& form, UserInput& user, const Setting& setting);

}  // namespace wifi
