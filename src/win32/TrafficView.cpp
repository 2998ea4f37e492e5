#include "win32/TrafficView.h"

#include <commctrl.h>

#include "win32/Win32Text.h"
#include "wording/WindowTexts.h"

namespace wifi {

namespace {

constexpr const wchar_t* kClass = L"WifiConfigTraffic";
enum : int { kUnmask = 1, kHex, kClear, kSave };
constexpr int kRow = 28;  // the buttons' row under the text, in pixels

}  // namespace

TrafficView::TrafficView(HINSTANCE instance, WindowSession& session)
    : instance_(instance), session_(session), history_(session.traffic()) {}

TrafficView::~TrafficView() {
    history_.onAdded = nullptr;
    if (window_ && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    if (font_) {
        DeleteObject(font_);
    }
}

void TrafficView::Show(HWND owner) {
    if (!window_ || !IsWindow(window_)) {
        Create(owner);
    }
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SendMessageW(text_, EM_SETSEL, WPARAM(-1), -1);
    SendMessageW(text_, EM_SCROLLCARET, 0, 0);
}

void TrafficView::Create(HWND owner) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &TrafficView::Proc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kClass;
    RegisterClassExW(&wc);  // a second registration fails harmlessly
    window_ =
        CreateWindowExW(0, kClass, Ui(kTrafficTitle).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 760, 400, owner, nullptr, instance_, this);
    const auto child = [this](const wchar_t* kind, const std::wstring& text, DWORD style, int id) {
        return CreateWindowExW(0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                               window_, reinterpret_cast<HMENU>(INT_PTR(id)), instance_, nullptr);
    };
    text_ = child(WC_EDITW, L"",
                  WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                      ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                  0);
    unmask_ = child(WC_BUTTONW, Ui(kTrafficUnmask), BS_AUTOCHECKBOX | WS_TABSTOP, kUnmask);
    hex_ = child(WC_BUTTONW, Ui(kTrafficHex), BS_AUTOCHECKBOX | WS_TABSTOP, kHex);
    clear_ = child(WC_BUTTONW, Ui(kTrafficClear), BS_PUSHBUTTON | WS_TABSTOP, kClear);
    save_ = child(WC_BUTTONW, Ui(kTrafficSave), BS_PUSHBUTTON | WS_TABSTOP, kSave);
    font_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                        FIXED_PITCH, L"Consolas");
    SendMessageW(text_, WM_SETFONT, WPARAM(font_), FALSE);
    const auto ui = SendMessageW(owner, WM_GETFONT, 0, 0);
    for (HWND w : {unmask_, hex_, clear_, save_}) {
        SendMessageW(w, WM_SETFONT, WPARAM(ui), FALSE);
    }
    Layout();
    Rebuild();
    history_.onAdded = [this](const TrafficHistory::Entry& e) { Append(e); };
}

LRESULT CALLBACK TrafficView::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    }
    auto* self = reinterpret_cast<TrafficView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self && self->window_ == window ? self->Handle(message, w, l)
                                           : DefWindowProcW(window, message, w, l);
}

LRESULT TrafficView::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_SIZE: Layout(); return 0;
        case WM_CLOSE: ShowWindow(window_, SW_HIDE); return 0;  // the log goes on
        case WM_COMMAND:
            switch (LOWORD(w)) {
                case kUnmask:
                case kHex: Rebuild(); return 0;
                case kClear:
                    history_.Clear();
                    SetWindowTextW(text_, L"");
                    return 0;
                case kSave: session_.SaveTraffic(Checked(unmask_), Checked(hex_)); return 0;
                default: break;
            }
            break;
        default: break;
    }
    return DefWindowProcW(window_, message, w, l);
}

void TrafficView::Layout() {
    RECT r;
    GetClientRect(window_, &r);
    const int y = r.bottom - kRow + 3;
    MoveWindow(text_, 0, 0, r.right, r.bottom - kRow, TRUE);
    MoveWindow(unmask_, 6, y, 120, 22, TRUE);
    MoveWindow(hex_, 132, y, 120, 22, TRUE);
    MoveWindow(clear_, r.right - 172, y, 80, 22, TRUE);
    MoveWindow(save_, r.right - 86, y, 80, 22, TRUE);
}

std::wstring TrafficView::Render(const TrafficHistory::Entry& e) const {
    const TrafficHistory::View view = session_.TrafficView(Checked(unmask_), Checked(hex_));
    return Wide(TrafficHistory::Render(e, view)) + L"\r\n";
}

void TrafficView::Rebuild() {
    std::wstring all;
    for (const auto& e : history_.entries()) {
        all += Render(e);
    }
    SetWindowTextW(text_, all.c_str());
    SendMessageW(text_, EM_SETSEL, WPARAM(-1), -1);
    SendMessageW(text_, EM_SCROLLCARET, 0, 0);
}

void TrafficView::Append(const TrafficHistory::Entry& e) {
    // A new line goes at the end, and the view follows it.
    const int end = GetWindowTextLengthW(text_);
    SendMessageW(text_, EM_SETSEL, end, end);
    SendMessageW(text_, EM_REPLACESEL, FALSE, LPARAM(Render(e).c_str()));
}

bool TrafficView::Checked(HWND box) const {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace wifi
