#include "win32/Win32Text.h"

#include <windows.h>

#include <cwctype>

#include "wording/Messages.h"

namespace wifi {

namespace {
Language language = Language::Chinese;
}

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
    return out;
}

std::string Utf8(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void SetWindowLanguage(Language chosen) {
    language = chosen;
}

Language WindowLanguage() {
    return language;
}

std::wstring Ui(std::string_view source) {
    const std::string text(source);
    return Wide(Text(text.c_str()).Format(language));
}

std::wstring Ui(const Text& text) {
    return Wide(text.Format(language));
}

std::wstring Ui(const Message& message) {
    std::wstring out = Ui(Said(message));
    if (!out.empty()) {
        out[0] = static_cast<wchar_t>(std::towupper(out[0]));
    }
    if (!message.detail.empty()) {
        out += L"\r\n" + Wide(message.detail);
    }
    return out;
}

bool ChineseFontInstalled() {
    const HDC screen = GetDC(nullptr);
    LOGFONTW wanted{};
    wanted.lfCharSet = GB2312_CHARSET;
    bool found = false;
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM found) -> int {
            // A bitmap system font (Wine ships one) draws no dialog: only an
            // outline font counts.
            if (type & TRUETYPE_FONTTYPE) {
                *reinterpret_cast<bool*>(found) = true;
                return 0;  // one is enough
            }
            return 1;
        },
        LPARAM(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace wifi
