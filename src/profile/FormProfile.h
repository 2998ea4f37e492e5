#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form/SessionEvents.h"
#include "profile/Profile.h"

namespace wifi {

// The form as a profile holds it: ReadForm's reading, every field nobody knows
// (the module's report left it unknown) null, so that a profile never carries
// a value nobody gave.
FormReading ReadKnownForm(const Controls& controls, const std::vector<UnknownValue>& unknown,
                          TextEncoding chosen,
                          const TextConverters& converters = SystemTextConverters());

// A window's export: the known form into a profile file, path UTF-8. What went
// wrong, or nothing.
std::optional<Message> ExportFormProfile(const std::string& path, const Controls& controls,
                                         const std::vector<UnknownValue>& unknown,
                                         TextEncoding chosen,
                                         const TextConverters& converters = SystemTextConverters());

// A window's import: a profile file into the form as a user's edits, each
// checked by its field's rules; nothing is sent. What went wrong (the file,
// its content, the fields the form refused), or nothing.
std::optional<Message> ImportFormProfile(const std::string& path, const Controls& form,
                                         UserInput& user, TextEncoding unmarked);

}  // namespace wifi
