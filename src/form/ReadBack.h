#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/SessionEvents.h"

namespace wifi {

// Each field's value as a report gives it, in the form's own terms and order
// (a list's index, a flag's 0 or 1, a dotted address, a text's bytes):
// nothing where the report gives no value the form can hold, and for the
// protocol, which no report carries.
std::vector<std::optional<std::string>> ReportedFormState(std::string_view reportText);

// The fields written (`wrote`, the form as it was sent, in the form's order)
// that the report does not give back as written, or gives no value for.
// The protocol is not among them: no report carries it.
std::vector<ReadBackField> CompareReadBack(const std::vector<std::string>& wrote,
                                           std::string_view reportText);

}  // namespace wifi
