#pragma once

#include <optional>
#include <string_view>

namespace wifi {

// The encodings a module's texts (SSID, key) come in: GBK, what the tool
// first sent on a Chinese system, or UTF-8, what most newer routers use.
enum class TextEncoding { Utf8, Gbk };

std::string_view EncodingName(TextEncoding encoding);         // "utf-8", "gbk"
std::string_view EncodingDisplayName(TextEncoding encoding);  // "UTF-8", "GBK"
// "gbk", "utf-8" or "utf8", in any case.
std::optional<TextEncoding> EncodingNamed(std::string_view name);

// The system's ANSI code page: Windows's GetACP(), 0 on other systems.
unsigned SystemAnsiCodePage();
// The encoding typed text goes out in unless the user chooses: the system's
// own, as the first tool sent it (GBK where the ANSI code page is 936), and
// UTF-8 elsewhere, which is what a Linux or macOS locale uses.
TextEncoding DefaultEncoding(unsigned ansiCodePage = SystemAnsiCodePage());

}  // namespace wifi
