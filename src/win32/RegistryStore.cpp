#include "win32/RegistryStore.h"

#include <windows.h>

#include "win32/Win32Text.h"

namespace wifi {

namespace {

constexpr const wchar_t* kRoot = L"Software\\WifiConfig";

// The subkey's path and the value's name of "group/name".
std::pair<std::wstring, std::wstring> Split(std::string_view key) {
    const auto slash = key.rfind('/');
    if (slash == std::string_view::npos) {
        return {kRoot, Wide(key)};
    }
    std::wstring sub = std::wstring(kRoot) + L"\\" + Wide(key.substr(0, slash));
    for (wchar_t& c : sub) {
        c = c == L'/' ? L'\\' : c;
    }
    return {sub, Wide(key.substr(slash + 1))};
}

}  // namespace

std::optional<std::string> RegistryStore::Get(std::string_view key) const {
    const auto [sub, name] = Split(key);
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, sub.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    size = DWORD(value.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, sub.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                     value.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(wcsnlen(value.c_str(), value.size()));
    return Utf8(value);
}

void RegistryStore::Set(std::string_view key, std::string_view value) {
    const auto [sub, name] = Split(key);
    const std::wstring text = Wide(value);
    RegSetKeyValueW(HKEY_CURRENT_USER, sub.c_str(), name.c_str(), REG_SZ, text.c_str(),
                    DWORD((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace wifi
