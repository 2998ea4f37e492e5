#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wifi {

// An IPv4 address as the form's address controls hold it: four fields.
using Address = std::array<std::uint8_t, 4>;

// Four numbers 0 to 255 separated by ".", each optionally preceded by white
// space and a sign; whatever follows the fourth number is ignored. Nothing for
// fewer than four numbers or a number outside 0 to 255 (a module reporting
// 256 must not be shown, and later written, as 0).
std::optional<Address> ScanDottedAddress(std::string_view text);

// "%d.%d.%d.%d".
std::string FormatDottedAddress(const Address& address);

}  // namespace wifi
