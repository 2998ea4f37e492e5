#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wifi {

// Where a line on the wire carries a secret: the Wi-Fi key (its command and
// its report line) and the module's web password (its report line). The
// offset of the secret's first byte, or npos for a line without one.
std::size_t SecretStart(std::string_view line);

// The line with its secret, if any, replaced by "***" (the line end kept), for
// logs and views that others may see.
std::string MaskSecret(std::string_view line);

}  // namespace wifi
