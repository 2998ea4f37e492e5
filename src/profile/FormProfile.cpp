#include "profile/FormProfile.h"

#include "wording/Messages.h"

namespace wifi {

FormReading ReadKnownForm(const Controls& controls, const std::vector<UnknownValue>& unknown,
                          TextEncoding chosen, const TextConverters& converters) {
    FormReading reading = ReadForm(controls, chosen, converters);
    for (const UnknownValue& u : unknown) {
        reading.form[std::string(u.field->name)] = nullptr;  // nobody knows it: no value
    }
    return reading;
}

std::optional<Message> ExportFormProfile(const std::string& path, const Controls& controls,
                                         const std::vector<UnknownValue>& unknown,
                                         TextEncoding chosen, const TextConverters& converters) {
    const FormReading reading = ReadKnownForm(controls, unknown, chosen, converters);
    std::string error;
    // The key travels in clear, as the format needs: for the owner alone.
    if (!WriteFileBytes(path, FormAsJson(reading.form) + "\n", error, FileAccess::OwnerOnly)) {
        return FileNotSaved(path, error);
    }
    return std::nullopt;
}

std::optional<Message> ImportFormProfile(const std::string& path, const Controls& form,
                                         UserInput& user, TextEncoding unmarked) {
    std::string error;
    const auto bytes = ReadFileBytes(path, kMaxProfileBytes, error, FileKinds::RegularOnly);
    if (!bytes) {
        return FileNotOpened(path, error);
    }
    Text wrong;
    const auto settings = ParseProfile(*bytes, unmarked, wrong);
    if (!settings) {
        return ProfileNotValid(path, wrong);
    }
    std::vector<const Field*> refused;
    for (const Setting& s : *settings) {
        if (!ApplyAsUser(form, user, s)) {
            refused.push_back(s.field);
        }
    }
    if (!refused.empty()) {
        return ImportRefusedFields(refused);
    }
    return std::nullopt;
}

}  // namespace wifi
