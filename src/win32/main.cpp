// wifi-config-gui for Windows: the configuration window on Win32.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Version.h"
#include "protocol/ReplyTimeout.h"
#include "win32/RegistryStore.h"
#include "win32/Win32ConfigWindow.h"
#include "win32/Win32Text.h"
#include "wording/Language.h"

namespace {

using namespace wifi;

constexpr const wchar_t* kUsage =
    L"Usage: wifi-config-gui [--port COMn]... [--timeout SECONDS] [--lang zh|en]\n\n"
    L"--port COMn        adds the port to the list and selects it\n"
    L"--timeout SECONDS  how long to wait for each answer of the module (default 10)\n"
    L"--lang zh|en       the window's language\n"
    L"--version          the version";

int Refuse(const std::wstring& why) {
    MessageBoxW(nullptr, (why + L"\n\n" + kUsage).c_str(), L"wifi-config-gui", MB_ICONERROR);
    return 2;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(Utf8(wide[i]));
    }
    LocalFree(wide);

    WindowStart options;
    std::optional<Language> asked;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--version") {
            MessageBoxW(nullptr, Wide(std::string("wifi-config-gui ") + kVersion).c_str(),
                        L"wifi-config-gui", MB_OK);
            return 0;
        } else if (a == "--help" || a == "-h") {
            MessageBoxW(nullptr, kUsage, L"wifi-config-gui", MB_OK);
            return 0;
        } else if ((a == "--port" || a == "-p") && hasValue) {
            options.namedPorts.push_back(args[++i]);
        } else if (a == "--timeout" && hasValue) {
            const std::string& v = args[++i];
            const auto timeout = ParseReplyTimeout(v);
            if (!timeout) {
                return Refuse(L"--timeout: not a number of seconds from 0.1 to 3600: " + Wide(v));
            }
            options.timeout = *timeout;
        } else if (a == "--lang" && hasValue) {
            asked = LanguageNamed(args[++i]);
            if (!asked) {
                return Refuse(L"--lang: zh or en, not " + Wide(args[i]));
            }
        } else {
            return Refuse(L"unexpected argument: " + Wide(a));
        }
    }
    std::string why;
    options.language =
        StartLanguage(asked, RegistryStore(), EnvironmentLocale(), ChineseFontInstalled, why);
    SetWindowLanguage(options.language);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);

    Win32ConfigWindow dialog(instance, std::move(options));
    const HWND window = dialog.Create();
    if (!window) {
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (dialog.PreTranslate(msg)) {
            continue;
        }
        if (!IsDialogMessageW(window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return 0;
}
