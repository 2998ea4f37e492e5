// Drives wifi-config-gui.exe as a user would, from another process in the
// same Wine prefix: starts it on a COM port, finds its dialog by process id,
// types, picks, clicks, answers its message boxes, and checks what it shows.
//   gui-driver SCENARIO GUI.EXE COMn [SCREENSHOT.bmp]
// Prints what it saw, a line each; exits 0 when every check held, 1 when one
// failed (saying which), 2 for bad arguments.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "form/ControlIds.h"
#include "win32/DialogBuilder.h"

namespace {

using namespace wifi;

constexpr DWORD kWaitMs = 15000;
constexpr int kProgressLine = IDC_PROGRESS_LINE;
constexpr int kEncoding = IDC_ENCODING;

struct Failed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Utf8(const std::wstring& w) {
    if (w.empty())
        return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void Check(bool holds, const std::string& what) {
    std::printf("%s %s\n", holds ? "ok" : "FAILED", what.c_str());
    std::fflush(stdout);
    if (!holds) {
        throw Failed(what);
    }
}

// Waits for a condition, looking every 20 ms, at most kWaitMs.
bool WaitFor(const std::function<bool()>& holds, DWORD ms = kWaitMs) {
    const DWORD start = GetTickCount();
    while (!holds()) {
        if (GetTickCount() - start > ms) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

std::wstring TextOf(HWND w) {
    std::wstring buffer(1 << 20, L'\0');
    SendMessageTimeoutW(w, WM_GETTEXT, buffer.size(), LPARAM(buffer.data()), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
    return buffer;
}

struct Gui {
    PROCESS_INFORMATION process{};
    HWND dialog = nullptr;

    Gui(const std::wstring& exe, const std::wstring& port, const std::wstring& more) {
        std::wstring line = L"\"" + exe + L"\" --port " + port + L" --lang zh " + more;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &si, &process)) {
            throw Failed("the window could not be started");
        }
        Check(WaitFor([this] { return (dialog = FindDialog()) != nullptr; }), "the window opens");
    }
    ~Gui() {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process.hProcess, 9);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    // The dialog: a visible top-level dialog of the process that nothing owns.
    HWND FindDialog() const {
        struct Search {
            DWORD pid;
            HWND found;
        } search{process.dwProcessId, nullptr};
        EnumWindows(
            [](HWND w, LPARAM l) -> BOOL {
                auto* s = reinterpret_cast<Search*>(l);
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                wchar_t kind[16] = {};
                GetClassNameW(w, kind, 16);
                if (pid == s->pid && lstrcmpW(kind, L"#32770") == 0 && IsWindowVisible(w) &&
                    !GetWindow(w, GW_OWNER)) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            LPARAM(&search));
        return search.found;
    }
    // A message box the dialog owns, or nothing.
    HWND Box() const {
        struct Search {
            HWND owner;
            HWND found;
        } search{dialog, nullptr};
        EnumWindows(
            [](HWND w, LPARAM l) -> BOOL {
                auto* s = reinterpret_cast<Search*>(l);
                wchar_t kind[16] = {};
                GetClassNameW(w, kind, 16);
                if (lstrcmpW(kind, L"#32770") == 0 && GetWindow(w, GW_OWNER) == s->owner &&
                    IsWindowVisible(w)) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            LPARAM(&search));
        return search.found;
    }
    // The texts of a box's children of one class, in order: its words
    // ("Static") or its buttons' captions ("Button").
    static std::vector<std::string> Children(HWND box, const wchar_t* kind) {
        std::vector<std::string> texts;
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            wchar_t name[32] = {};
            GetClassNameW(c, name, 32);
            const std::string text = Utf8(TextOf(c));
            if (lstrcmpiW(name, kind) == 0 && IsWindowVisible(c) && !text.empty()) {
                texts.push_back(text);
            }
        }
        return texts;
    }
    // The buttons of the last box answered.
    std::vector<std::string> buttons;

    // Waits for a box, answers it with `button`, and tells its first text
    // (what happened, or what is asked).
    std::string Answer(int button) {
        HWND box = nullptr;
        Check(WaitFor([&] { return (box = Box()) != nullptr; }), "a message box shows");
        // A task dialog draws its words on a window of its own, made as it
        // shows: waited for.
        std::vector<std::string> words;
        WaitFor([&] { return !(words = Children(box, L"Static")).empty(); }, 5000);
        buttons = Children(box, L"Button");
        const std::string text = words.empty() ? std::string() : words.front();
        std::printf("   box: %s\n", text.c_str());
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        Check(WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }),
              "the message box closes");
        return text;
    }

    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    std::string Text(int id) const { return Utf8(TextOf(Item(id))); }
    // Posted: a click that opens a message box must not wait for it.
    void Click(int id) const { PostMessageW(Item(id), BM_CLICK, 0, 0); }
    void Type(int id, const std::wstring& text) const {
        SendMessageW(Item(id), WM_SETTEXT, 0, LPARAM(text.c_str()));
    }
    void Choose(int id, int index) const {
        SendMessageW(Item(id), CB_SETCURSEL, WPARAM(index), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(Item(id)));
    }
    std::string Chosen(int id) const {
        const auto index = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
        wchar_t text[256] = {};
        if (index >= 0)
            SendMessageW(Item(id), CB_GETLBTEXT, WPARAM(index), LPARAM(text));
        return Utf8(text);
    }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool WaitText(int id, const std::string& part) const {
        return WaitFor([&] { return Text(id).find(part) != std::string::npos; });
    }
    void Connect() {
        Click(IDC_CONNECT);
        Check(WaitText(IDC_STATUS, "已连接"), "the status reads 已连接");
    }
    bool Gone(DWORD ms = kWaitMs) const {
        return WaitForSingleObject(process.hProcess, ms) == WAIT_OBJECT_0;
    }
};

// The dialog as it looks on the screen, into a 24-bit BMP. PrintWindow asks
// the window to draw itself; Wine answers that for another process's window
// with black, so what the screen shows is copied instead.
void Screenshot(HWND window, const std::wstring& path) {
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);  // the other process paints what it was asked to
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    const DWORD stride = DWORD((width * 3 + 3) & ~3);
    const DWORD size = stride * DWORD(height);
    BITMAPFILEHEADER file{0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size),
                          0, 0, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
    const HANDLE out =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    WriteFile(out, bits, size, &written, nullptr);
    CloseHandle(out);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// Opens the traffic view from the menu's command; its window.
HWND OpenTraffic(const Gui& gui) {
    PostMessageW(gui.dialog, WM_COMMAND, IDM_TRAFFIC, 0);
    HWND traffic = nullptr;
    Check(
        WaitFor([&] { return (traffic = FindWindowW(L"WifiConfigTraffic", nullptr)) != nullptr; }),
        "the traffic view opens");
    return traffic;
}

// Connect fills the form, the button reads 断开; an edit and a submit write
// and save; a second submit writes the whole form again.
void ConnectEditSubmit(Gui& gui, const std::wstring& screenshot) {
    Check(gui.Text(IDC_CONNECT) == "连接模块", "the connect button reads 连接模块");
    Check(!gui.Enabled(IDC_SSID), "the form is locked before connecting");
    gui.Connect();
    Check(gui.Text(IDC_CONNECT) == "断开", "the connect button reads 断开");
    Check(gui.Text(IDC_SSID) == "办公室网络", "the network name is shown: " + gui.Text(IDC_SSID));
    Check(gui.Chosen(IDC_BAUDRATE) == "115200", "the baud rate is shown");
    Check(gui.Enabled(IDC_SSID) && gui.Enabled(IDC_SUBMIT), "the form unlocks");
    Check(!gui.Enabled(IDC_IPADDR), "the addresses are greyed out under DHCP");
    if (!screenshot.empty()) {
        Screenshot(gui.dialog, screenshot);
    }
    gui.Type(IDC_SSID, L"Line 7");
    gui.Choose(IDC_BAUDRATE, 3);  // 9600
    gui.Choose(IDC_PROTOCOL, 0);  // TCP: no module reports it
    gui.Click(IDC_SUBMIT);
    Check(gui.Answer(IDOK) == "参数已保存!", "the save is confirmed");
    Check(gui.Text(kProgressLine).find("22/22") != std::string::npos,
          "the progress line names the last step: " + gui.Text(kProgressLine));
    gui.Type(IDC_SSID, L"Line 8");
    gui.Click(IDC_SUBMIT);
    Check(gui.Answer(IDOK) == "参数已保存!", "a second submit saves again");

    // The traffic view shows every line, the key masked.
    const HWND traffic = OpenTraffic(gui);
    const HWND view = GetWindow(traffic, GW_CHILD);
    const std::string log = Utf8(TextOf(view));
    const auto lines = SendMessageW(view, EM_GETLINECOUNT, 0, 0);
    Check(WaitFor([&] { return SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0) > 0; }),
          "it opens at the newest of its " + std::to_string(lines) + " lines");
    Check(log.find(" > AT+SZ_CHECKCONFIG=ALL\\r\\n") != std::string::npos, "it shows the query");
    Check(log.find(" > AT+SZ_SSID=Line 8\\r\\n") != std::string::npos, "and what was written");
    Check(log.find(" > AT+SZ_SECURITY_KEY=***\\r\\n") != std::string::npos &&
              log.find("office-2026") == std::string::npos,
          "with the key masked");
}

// A window's text length, asked of it: GetWindowTextLength does not ask a
// window of another process.
LRESULT Length(HWND window) {
    return SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
}

// The traffic view past 40,000 characters, beyond an edit control's own
// limit: it keeps taking lines and shows the newest. How long a write takes
// with the view closed and open is printed, not judged.
void TrafficPastTheEditLimit(Gui& gui, const std::wstring& screenshot) {
    gui.Connect();
    gui.Choose(IDC_PROTOCOL, 0);
    int written = 0;
    const auto submit = [&] {
        gui.Type(IDC_SSID, L"Line " + std::to_wstring(++written));
        const ULONGLONG start = GetTickCount64();
        gui.Click(IDC_SUBMIT);
        Check(gui.Answer(IDOK) == "参数已保存!", "saved");
        return double(GetTickCount64() - start) / 1000;
    };
    double closed = 0;
    for (int i = 0; i < 3; ++i) {
        closed += submit() / 3;
    }
    const HWND traffic = OpenTraffic(gui);
    const HWND view = GetWindow(traffic, GW_CHILD);
    double open = 0;
    int openWrites = 0;
    while (Length(view) < 40000 && openWrites < 60) {
        open += submit();
        ++openWrites;
    }
    const std::string last =
        std::string(" > AT+SZ_SSID=Line ").append(std::to_string(written)).append("\\r\\n");
    Check(WaitFor([&] { return Utf8(TextOf(view)).find(last) != std::string::npos; }),
          "the view shows the last write");
    const auto length = Length(view);
    Check(length >= 40000, "the view holds " + std::to_string(length) + " characters");
    const auto lines = SendMessageW(view, EM_GETLINECOUNT, 0, 0);
    const auto first = SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0);
    Check(lines - first < 100, "it shows the newest lines: line " + std::to_string(first) + " of " +
                                   std::to_string(lines) + " at the top");
    if (!screenshot.empty()) {
        Screenshot(traffic, screenshot);
    }
    std::printf("write with the traffic view closed: %.2f s, open: %.2f s (%.2f times)\n", closed,
                open / openWrites, open / openWrites / closed);
}

// A refused save: said beside the button, no box, nothing saved.
void Refused(Gui& gui) {
    gui.Connect();
    gui.Choose(IDC_PROTOCOL, 0);
    gui.Click(IDC_SUBMIT);
    Check(gui.WaitText(kProgressLine, "拒绝"), "the refusal is named: " + gui.Text(kProgressLine));
    Check(gui.Text(kProgressLine).find("未保存") != std::string::npos,
          "and says nothing was saved");
    Check(gui.Box() == nullptr, "no message box");
}

// A module that stops answering: a box names the port and the step; the
// progress line says nothing was saved.
void TimedOut(Gui& gui) {
    gui.Connect();
    gui.Choose(IDC_PROTOCOL, 0);
    gui.Click(IDC_SUBMIT);
    const std::string said = gui.Answer(IDOK);
    Check(said.find("没有应答") != std::string::npos, "the box says no answer came");
    Check(gui.Text(kProgressLine).find("参数未保存") != std::string::npos,
          "the progress line says nothing was saved: " + gui.Text(kProgressLine));
    Check(gui.Text(IDC_CONNECT) == "断开", "the port stays open");
}

// The device unplugged mid-write: a box says it was removed, the form locks.
void Unplugged(Gui& gui) {
    gui.Connect();
    gui.Choose(IDC_PROTOCOL, 0);
    gui.Click(IDC_SUBMIT);
    const std::string said = gui.Answer(IDOK);
    Check(said.find("COM") != std::string::npos, "the box names the port");
    Check(gui.WaitText(IDC_CONNECT, "连接模块"), "the port is closed");
    Check(gui.Text(kProgressLine).find("参数未保存") != std::string::npos,
          "the progress line says nothing was saved: " + gui.Text(kProgressLine));
    Check(!gui.Enabled(IDC_SSID), "the form locks");
}

// Closing with edits not yet written asks, with answers in the window's
// language; No keeps the window, Yes closes it.
void CloseWithUnsavedEdits(Gui& gui) {
    gui.Connect();
    gui.Type(IDC_KEY, L"changed");
    PostMessageW(gui.dialog, WM_CLOSE, 0, 0);
    Check(gui.Answer(IDNO).find("还没有写入模块") != std::string::npos, "closing asks first");
    Check(gui.buttons == std::vector<std::string>{"关闭", "取消"},
          "its answers read 关闭 and 取消: " +
              (gui.buttons.empty() ? std::string("none") : gui.buttons.front()));
    Check(!gui.Gone(300), "No keeps the window");
    PostMessageW(gui.dialog, WM_CLOSE, 0, 0);
    gui.Answer(IDYES);
    Check(gui.Gone(), "Yes closes it");
}

// A GBK name is shown as such, the encoding follows it, and an untouched
// form goes back byte for byte.
void GbkKept(Gui& gui) {
    gui.Connect();
    Check(gui.Text(IDC_SSID) == "测试网络", "the GBK name is decoded: " + gui.Text(IDC_SSID));
    Check(gui.Chosen(kEncoding) == "GBK", "the encoding follows the module");
    gui.Choose(IDC_PROTOCOL, 0);
    gui.Click(IDC_SUBMIT);
    Check(gui.Answer(IDOK) == "参数已保存!", "the save is confirmed");
}

// An edit after a save is not in the module: the line says so, in the
// window's language; the window is drawn for the README.
void ModifiedAfterASave(Gui& gui, bool english, const std::wstring& screenshot) {
    gui.Click(IDC_CONNECT);
    Check(gui.WaitText(IDC_STATUS, english ? "Connected" : "已连接"), "connected");
    gui.Choose(IDC_PROTOCOL, 0);
    gui.Click(IDC_SUBMIT);
    Check(gui.Answer(IDOK) == (english ? "Parameters saved!" : "参数已保存!"), "saved");
    gui.Type(IDC_SSID, L"Line 9");
    const std::string said = english ? "Modified, not written" : "已修改，尚未写入";
    Check(gui.WaitText(kProgressLine, said),
          "the line says the edit is not written: " + gui.Text(kProgressLine));
    if (!screenshot.empty()) {
        Screenshot(gui.dialog, screenshot);
    }
}

// Where no font shows Chinese, the window speaks English, though asked for
// Chinese.
void EnglishWithoutAChineseFont(Gui& gui) {
    Check(gui.Text(IDC_CONNECT) == "Connect",
          "the connect button reads Connect: " + gui.Text(IDC_CONNECT));
    Check(gui.Text(IDC_SUBMIT) == "Submit",
          "the submit button reads Submit: " + gui.Text(IDC_SUBMIT));
}

// Nothing remembered: the window opens centred on the primary screen's work
// area, not at its corner.
void FirstPosition(Gui& gui) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT r{};
    GetWindowRect(gui.dialog, &r);
    const long dx = (r.left + r.right) / 2 - (work.left + work.right) / 2;
    const long dy = (r.top + r.bottom) / 2 - (work.top + work.bottom) / 2;
    Check(dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2,
          "the window is centred: off by " + std::to_string(dx) + "," + std::to_string(dy));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: gui-driver SCENARIO GUI.EXE COMn [SCREENSHOT.bmp]\n");
        return 2;
    }
    const std::wstring scenario = argv[1];
    const std::wstring screenshot = argc > 4 ? argv[4] : L"";
    try {
        const std::wstring more = scenario == L"timeout"       ? L"--timeout 1"
                                  : scenario == L"modified-en" ? L"--lang en"
                                                               : L"";
        if (scenario == L"first-position") {
            RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\WifiConfig");
        }
        Gui gui(argv[2], argv[3], more);
        if (scenario == L"connect-edit-submit") {
            ConnectEditSubmit(gui, screenshot);
        } else if (scenario == L"traffic") {
            TrafficPastTheEditLimit(gui, screenshot);
        } else if (scenario == L"refused") {
            Refused(gui);
        } else if (scenario == L"timeout") {
            TimedOut(gui);
        } else if (scenario == L"unplug") {
            Unplugged(gui);
        } else if (scenario == L"close-unsaved") {
            CloseWithUnsavedEdits(gui);
        } else if (scenario == L"gbk") {
            GbkKept(gui);
        } else if (scenario == L"modified-zh" || scenario == L"modified-en") {
            ModifiedAfterASave(gui, scenario == L"modified-en", screenshot);
        } else if (scenario == L"english") {
            EnglishWithoutAChineseFont(gui);
        } else if (scenario == L"first-position") {
            FirstPosition(gui);
        } else {
            std::fprintf(stderr, "gui-driver: no scenario %ls\n", scenario.c_str());
            return 2;
        }
    } catch (const Failed& failed) {
        return 1;
    }
    return 0;
}
