#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "text/TextEncoding.h"

namespace wifi {

// One encoding's bytes to and from UTF-8, done by a library made for it (Qt's
// converters, glibc's iconv, Windows's code pages), never by a table of ours.
class TextConverter {
  public:
    virtual ~TextConverter() = default;
    // Nothing when the bytes are not valid in the encoding.
    virtual std::optional<std::string> ToUtf8(std::string_view bytes) const = 0;
    // U+FFFD where the bytes are not valid.
    virtual std::string ToUtf8Lossy(std::string_view bytes) const = 0;
    // Nothing when a character has no bytes in the encoding.
    virtual std::optional<std::string> FromUtf8(std::string_view text) const = 0;
};

// The converters a program has: one for each encoding.
class TextConverters {
  public:
    virtual ~TextConverters() = default;
    virtual const TextConverter& For(TextEncoding encoding) const = 0;
};

// This system's own converters, for programs without Qt: iconv on Linux and
// macOS, code pages 936 and 65001 on Windows.
const TextConverters& SystemTextConverters();

}  // namespace wifi
