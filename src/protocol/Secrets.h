#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wifi {

// What stands for a secret wherever one is masked.
inline constexpr std::string_view kMaskedSecret = "***";

// Where a line on the wire carries a secret: the Wi-Fi key (its command and
// its report line) and the module's web password (its report line). The
// offset of the secret's first byte, or npos for a line without one.
std::size_t SecretStart(std::string_view line);

// The line with its secret, if any, replaced by "***" (the line end kept), for
// logs and views that others may see.
std::string MaskSecret(std::string_view line);

// The same for text that may hold several lines (what send is given): every
// line, after any spaces or tabs that start it, is masked on its own.
std::string MaskSecrets(std::string_view text);

}  // namespace wifi
