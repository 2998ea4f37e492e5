// Windows: SetupAPI's Ports class, the SERIALCOMM map, and every COM name
// the system knows as a device.
#include <windows.h>
// windows.h first: the SetupAPI headers build on it.
#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "ports/SystemPorts.h"

namespace wifi {

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(std::size_t(n > 0 ? n : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring Property(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    wchar_t buffer[512] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr,
                                           reinterpret_cast<BYTE*>(buffer), sizeof buffer - 2,
                                           nullptr)) {
        return {};
    }
    return buffer;  // a multi-string's first entry for the hardware ids
}

std::wstring PortNameOf(HDEVINFO set, SP_DEVINFO_DATA& device) {
    HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) {
        return {};
    }
    wchar_t name[64] = {};
    DWORD size = sizeof name - 2;
    DWORD type = 0;
    const bool ok = RegQueryValueExW(key, L"PortName", nullptr, &type,
                                     reinterpret_cast<BYTE*>(name), &size) == ERROR_SUCCESS &&
                    type == REG_SZ;
    RegCloseKey(key);
    return ok ? std::wstring(name) : std::wstring();
}

// "0403" after "VID_" in "USB\VID_0403&PID_6001&REV_0600".
std::optional<std::uint16_t> IdAfter(const std::wstring& id, const wchar_t* tag) {
    std::wstring upper = id;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::towupper);
    const auto at = upper.find(tag);
    if (at == std::wstring::npos || at + 8 > upper.size()) {
        return std::nullopt;
    }
    const std::wstring hex = upper.substr(at + 4, 4);
    if (hex.find_first_not_of(L"0123456789ABCDEF") != std::wstring::npos) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(std::wcstoul(hex.c_str(), nullptr, 16));
}

// The serial number is the instance id's last part for a USB device that
// has one ("USB\VID_0403&PID_6001\A50285BI"); a part with "&" is a number
// Windows made up from the device's place.
std::string SerialFromInstance(const std::wstring& instance) {
    if (instance.rfind(L"USB\\", 0) != 0 && instance.rfind(L"FTDIBUS\\", 0) != 0) {
        return {};
    }
    const auto slash = instance.rfind(L'\\');
    const std::wstring last = slash == std::wstring::npos ? L"" : instance.substr(slash + 1);
    if (last.empty() || last.find(L'&') != std::wstring::npos) {
        return {};
    }
    return Utf8(last);
}

bool Listed(const std::vector<PortInfo>& ports, const std::string& device) {
    return std::any_of(ports.begin(), ports.end(), [&](const PortInfo& p) {
        return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, p.device.c_str(), -1,
                              device.c_str(), -1) == CSTR_EQUAL;
    });
}

void FromSetupApi(std::vector<PortInfo>& ports) {
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) {
        return;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        const std::string name = Utf8(PortNameOf(set, device));
        if (name.rfind("COM", 0) != 0 || Listed(ports, name)) {
            continue;  // a printer port (LPT1), or a name seen already
        }
        PortInfo port;
        port.device = name;
        std::string friendly = Utf8(Property(set, device, SPDRP_FRIENDLYNAME));
        // "USB-SERIAL CH340 (COM7)": the port's name is shown beside it anyway.
        const std::string suffix = " (" + name + ")";
        if (friendly.size() > suffix.size() &&
            friendly.compare(friendly.size() - suffix.size(), suffix.size(), suffix) == 0) {
            friendly.erase(friendly.size() - suffix.size());
        }
        port.description =
            friendly.empty() ? Utf8(Property(set, device, SPDRP_DEVICEDESC)) : friendly;
        port.manufacturer = Utf8(Property(set, device, SPDRP_MFG));
        const std::wstring hardware = Property(set, device, SPDRP_HARDWAREID);
        port.vid = IdAfter(hardware, L"VID_");
        port.pid = IdAfter(hardware, L"PID_");
        wchar_t instance[512] = {};
        if (SetupDiGetDeviceInstanceIdW(set, &device, instance, 511, nullptr)) {
            port.serialNumber = SerialFromInstance(instance);
        }
        ports.push_back(port);
    }
    SetupDiDestroyDeviceInfoList(set);
}

void FromSerialComm(std::vector<PortInfo>& ports) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t value[256] = {};
        DWORD valueSize = 255;
        wchar_t data[64] = {};
        DWORD dataSize = sizeof data - 2;
        DWORD type = 0;
        if (RegEnumValueW(key, i, value, &valueSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                          &dataSize) != ERROR_SUCCESS) {
            break;
        }
        const std::string name = Utf8(data);
        if (type == REG_SZ && !name.empty() && !Listed(ports, name)) {
            PortInfo port;
            port.device = name;
            ports.push_back(port);
        }
    }
    RegCloseKey(key);
}

// Every COM name the system knows as a device: a port no driver announces
// (a virtual pair, a port mapped by hand, a link Wine makes) is still there
// to pick.
void FromDosDevices(std::vector<PortInfo>& ports) {
    std::vector<wchar_t> names(1 << 16);
    DWORD length = 0;
    while ((length = QueryDosDeviceW(nullptr, names.data(), DWORD(names.size()))) == 0 &&
           GetLastError() == ERROR_INSUFFICIENT_BUFFER && names.size() < (1u << 24)) {
        names.resize(names.size() * 4);
    }
    for (const wchar_t* name = names.data(); length > 0 && *name; name += wcslen(name) + 1) {
        const std::wstring device = name;
        const bool com = device.size() > 3 && _wcsnicmp(device.c_str(), L"COM", 3) == 0 &&
                         device.find_first_not_of(L"0123456789", 3) == std::wstring::npos;
        if (com && !Listed(ports, Utf8(device))) {
            PortInfo port;
            port.device = Utf8(device);
            ports.push_back(port);
        }
    }
}

// Wine keeps each COM port as a link in the prefix's dosdevices folder
// ("com5" -> /dev/ttyUSB0). Its mount manager registers only what it found
// when the prefix started, so a link made since is read where it lies. Wine
// lists no link that leads nowhere.
void FromWineLinks(std::vector<PortInfo>& ports) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    using ToDos = WCHAR*(CDECL*)(LPCSTR);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    // Through a plain function pointer: the two have their own signatures.
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "wine_get_unix_file_name")));
    const auto toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "wine_get_dos_file_name")));
    if (!toUnix || !toDos) {
        return;  // Windows itself
    }
    char* drive = toUnix(L"C:\\");
    if (!drive) {
        return;
    }
    // ".../dosdevices/c:/", or ".../drive_c/" where the link is followed.
    std::string folder = drive;
    HeapFree(GetProcessHeap(), 0, drive);
    while (!folder.empty() && folder.back() == '/') {
        folder.pop_back();
    }
    const auto slash = folder.rfind('/');
    if (slash == std::string::npos) {
        return;
    }
    const bool inLinks = folder.compare(slash, std::string::npos, "/c:") == 0;
    folder.erase(slash);
    if (!inLinks) {
        folder.append("/dosdevices");
    }
    WCHAR* dos = toDos(folder.c_str());
    if (!dos) {
        return;
    }
    const std::wstring links = dos;
    HeapFree(GetProcessHeap(), 0, dos);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((links + L"\\com*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        // "com5": listed as COM5, in order with the others by ListedPorts.
        const std::wstring name = found.cFileName;
        if (name.size() > 3 && name.size() < 7 &&
            name.find_first_not_of(L"0123456789", 3) == std::wstring::npos) {
            const std::string device = std::string("COM").append(Utf8(name.substr(3)));
            if (!Listed(ports, device)) {
                PortInfo port;
                port.device = device;
                ports.push_back(port);
            }
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

bool PortExists(const std::string& device) {
    const std::string name = device.rfind("\\\\", 0) == 0 ? device : "\\\\.\\" + device;
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return true;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;  // another program has it
}

std::vector<PortInfo> SystemPorts() {
    std::vector<PortInfo> ports;
    FromSetupApi(ports);
    FromSerialComm(ports);
    FromDosDevices(ports);
    FromWineLinks(ports);
    return ListedPorts(PortSystem::Windows, ports);
}

}  // namespace wifi
