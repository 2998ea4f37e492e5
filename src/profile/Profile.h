#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/Controls.h"
#include "form/UserInput.h"
#include "profile/Files.h"
#include "profile/FormFields.h"
#include "profile/Json.h"
#include "text/TextCodec.h"
#include "wording/Text.h"

namespace wifi {

// A profile is one JSON object of form values, as read prints it: the field
// names of the form, and "encoding", the encoding its texts were decoded with
// ("utf-8" or "gbk"). A text whose bytes are not valid in that encoding
// travels as {"hex": "b2e2cad4"}, so that no byte is lost either way. A field
// that is null or absent gives no value: it keeps what the module reported.

// The most a --from file may hold.
inline constexpr std::size_t kMaxProfileBytes = 1024 * 1024;

// A whole profile file, its path UTF-8 ("-": standard input). Its texts are
// encoded back with the file's own encoding; a file that names none is taken
// as `unmarked`. An error names the file; the system's words are its detail.
// Texts are kept byte for byte (only a line end or NUL is refused), or, for
// a profile that is only compared, not checked at all. A key given twice in
// one object, or a number JSON cannot hold, refuses the file.
std::optional<std::vector<Setting>> LoadProfile(const std::string& path, TextEncoding unmarked,
                                                Message& error,
                                                ValueSource source = ValueSource::Kept);
// The same from a profile's bytes; the error says what in them is wrong.
std::optional<std::vector<Setting>> ParseProfile(std::string_view text, TextEncoding unmarked,
                                                 Text& error,
                                                 ValueSource source = ValueSource::Kept);

struct FormReading {
    Json form;                // the profile, "encoding" included
    std::vector<Text> notes;  // what the user should know of the texts' encoding
};
// The form as one object: list names, null for no selection or a blank
// address, texts decoded with the chosen encoding, or with the other one
// when every reported text is in that (said in a note).
FormReading ReadForm(const Controls& controls, TextEncoding chosen,
                     const TextConverters& converters = SystemTextConverters());
// The form value by value, as it goes to the module: a list's index, a text's
// bytes, a flag, an address ("" when blank); by field name.
using FieldValues = std::map<std::string, std::string>;
FieldValues ReadFieldValues(const Controls& controls);
// The fields whose values differ, in the form's order. Only fields the report
// shows are compared: the report has no key for the protocol.
std::vector<std::string> DifferingFields(const FieldValues& a, const FieldValues& b);

// The name an export suggests: the network name shown in the form, with the
// characters no file name may hold replaced, and ".json"; "profile.json"
// for no name.
std::string ProfileFileName(std::string_view ssid);
// A path as saved: ".json" added unless it ends so already.
std::string WithJsonSuffix(const std::string& path);

// The same as JSON text: "encoding" first, then the fields in the form's order.
std::string FormAsJson(const Json& form);
// The same, one "name: value" a line.
std::string FormAsText(const Json& form);

// A file's whole content, its path UTF-8, at most `limit` bytes plus one (so
// that a larger file shows as larger); nothing, and error set to the
// system's words, when it cannot be read.
// A device is refused; so is anything but a regular file where asked (a
// window, which must never block on a FIFO). The command line reads pipes
// ("-", a shell's process substitution).
enum class FileKinds { RegularOnly, RegularOrPipe };
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit,
                                         std::string& error,
                                         FileKinds kinds = FileKinds::RegularOrPipe);

}  // namespace wifi
