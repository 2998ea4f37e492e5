#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace wifi {

// JSON objects keep their members in the order they were added: what people
// read comes first, as in {"port": ..., "ok": ...}.
using Json = nlohmann::ordered_json;

// A value on one line as the tool prints JSON: {"a": 1, "b": "x"}, with a
// space after each ":" and ",", texts in UTF-8, JSON's own escaping.
std::string JsonLine(const Json& value);

// Module text bytes as JSON: their text where they are valid in the encoding,
// else {"hex": "b2e2..."} so that no byte is lost or guessed.
Json BytesAsHex(std::string_view bytes);
// The bytes of {"hex": ...}: pairs of hex digits and nothing else; nullopt for
// anything other than such an object.
std::optional<std::string> HexBytes(const Json& value);
// Whether a member is written as bytes.
bool IsHexBytes(const Json& value);
inline constexpr std::string_view kHexKey = "hex";

}  // namespace wifi
