// The system's converters on Windows: code page 936 (GBK) and 65001 (UTF-8).
#include <windows.h>

#include <string>

#include "text/TextConverter.h"

namespace wifi {

namespace {

std::optional<std::wstring> ToWide(UINT codePage, std::string_view bytes, bool strict) {
    if (bytes.empty()) {
        return std::wstring();
    }
    const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
    const int n = MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, 0);
    if (n <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                        n);
    return wide;
}

// Nothing when a character has no bytes in the code page.
std::optional<std::string> FromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    BOOL lost = FALSE;
    // The UTF-8 code page takes neither flag nor default character.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL* lostFlag = utf8 ? nullptr : &lost;
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, lostFlag);
    if (n <= 0 || lost) {
        return std::nullopt;
    }
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, lostFlag);
    return lost ? std::nullopt : std::optional<std::string>(out);
}

class CodePageConverter : public TextConverter {
  public:
    explicit CodePageConverter(UINT codePage) : codePage_(codePage) {}
    std::optional<std::string> ToUtf8(std::string_view bytes) const override {
        const auto wide = ToWide(codePage_, bytes, true);
        return wide ? FromWide(CP_UTF8, *wide) : std::nullopt;
    }
    std::string ToUtf8Lossy(std::string_view bytes) const override {
        const auto wide = ToWide(codePage_, bytes, false);
        return wide ? FromWide(CP_UTF8, *wide).value_or(std::string()) : std::string();
    }
    std::optional<std::string> FromUtf8(std::string_view text) const override {
        const auto wide = ToWide(CP_UTF8, text, true);
        return wide ? FromWide(codePage_, *wide) : std::nullopt;
    }

  private:
    UINT codePage_;
};

class CodePageConverters : public TextConverters {
  public:
    const TextConverter& For(TextEncoding encoding) const override {
        return encoding == TextEncoding::Gbk ? gbk_ : utf8_;
    }

  private:
    CodePageConverter utf8_{CP_UTF8};
    CodePageConverter gbk_{936};
};

}  // namespace

const TextConverters& SystemTextConverters() {
    static const CodePageConverters converters;
    return converters;
}

unsigned SystemAnsiCodePage() {
    return GetACP();
}

}  // namespace wifi
