// Serial ports on Windows: COM names, exclusive by the system's own rule.
// Asio first: it brings winsock2.h, which must come before windows.h.
#include "asioserial/PortControl.h"
// Then the rest of the Windows API.
#include <windows.h>

#include <cctype>

namespace wifi {

std::string SystemDeviceName(const std::string& device) {
    if (device.rfind("\\\\", 0) == 0) {
        return device;
    }
    return "\\\\.\\" + device;
}

// A COM port opens for one program at a time: Windows refuses a second open
// itself. Wine does not, so this tool also holds a named mutex per port,
// which its other copies see.
std::shared_ptr<void> TakePort(asio::serial_port&, const std::string& device,
                               std::error_code& failed) {
    std::wstring name = L"Local\\wifi-config ";
    for (char c : device.rfind("\\\\.\\", 0) == 0 ? device.substr(4) : device) {
        name.push_back(wchar_t(std::toupper(static_cast<unsigned char>(c))));
    }
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex) {
        return nullptr;  // no claim to be had; the system's own rule still holds
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        failed = std::error_code(ERROR_ACCESS_DENIED, std::system_category());
        return nullptr;
    }
    return std::shared_ptr<void>(mutex, [](void* held) { CloseHandle(held); });
}

void DiscardInput(asio::serial_port& port) {
    ::PurgeComm(port.native_handle(), PURGE_RXCLEAR);
}

bool IsNoSerialPort(const std::string&) {
    return false;  // a COM port's name is no file's
}

CommFailure OpenFailureKind(const std::error_code& error, const std::string&) {
    switch (static_cast<DWORD>(error.value())) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_UNIT: return CommFailure::NoSuchDevice;
        // No group guards a COM port: a refused open means another program
        // has it.
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_BUSY: return CommFailure::Busy;
        default: return CommFailure::Other;
    }
}

}  // namespace wifi
