#include "win32/TrafficView.h"

#include <commctrl.h>

#include "win32/Win32Text.h"
#include "wording/WindowTexts.h"

namespace wifi {

namespace {

constexpr const wchar_t* kClass = L"WifiConfigTraffic";
enum : int { kUnmask = 1, kHex, kClear, kSave };
constexpr int kRow = 28;  // the buttons' row under the text, in pixels at 96 DPI
// New lines are gathered and shown together: an edit control redrawn for
// each of a write's hundred lines slows the write itself.
constexpr UINT_PTR kFlushTimer = 1;
constexpr UINT kFlushMs = 100;

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
    ScrollToEnd();
}

int TrafficView::Scaled(int pixels) const {
    return MulDiv(pixels, dpi_, 96);
}

void TrafficView::ScrollToEnd() {
    const int end = GetWindowTextLengthW(text_);
    SendMessageW(text_, EM_SETSEL, WPARAM(end), LPARAM(end));
    SendMessageW(text_, EM_SCROLLCARET, 0, 0);
}

bool TrafficView::AtEnd() const {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(text_, SB_VERT, &info) || info.nPage == 0) {
        return true;  // nothing to scroll yet
    }
    return info.nPos + int(info.nPage) >= info.nMax;
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
    // Sized for the screen's DPI, as the dialog is.
    const HDC screen = GetDC(owner);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(owner, screen);
    window_ =
        CreateWindowExW(0, kClass, Ui(kTrafficTitle).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, Scaled(760), Scaled(400), owner, nullptr, instance_, this);
    SendMessageW(window_, WM_SETICON, ICON_BIG, LPARAM(LoadIconW(instance_, L"IDI_APP")));
    SendMessageW(window_, WM_SETICON, ICON_SMALL,
                 LPARAM(LoadImageW(instance_, L"IDI_APP", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                   GetSystemMetrics(SM_CYSMICON), 0)));
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
    // No silent limit: the history bounds what the view holds.
    SendMessageW(text_, EM_SETLIMITTEXT, 0, 0);
    font_ = CreateFontW(-Scaled(13), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                        0, FIXED_PITCH, L"Consolas");
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
        case WM_TIMER:
            if (w == kFlushTimer) {
                KillTimer(window_, kFlushTimer);
                Flush();
            }
            return 0;
        case WM_CLOSE: ShowWindow(window_, SW_HIDE); return 0;  // the log goes on
        case WM_COMMAND:
            switch (LOWORD(w)) {
                case kUnmask:
                case kHex: Rebuild(); return 0;
                case kClear:
                    history_.Clear();
                    pending_.clear();
                    pendingLines_ = 0;
                    shown_ = 0;
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
    const int row = Scaled(kRow);
    const int y = r.bottom - row + Scaled(3);
    const int height = Scaled(22);
    MoveWindow(text_, 0, 0, r.right, r.bottom - row, TRUE);
    MoveWindow(unmask_, Scaled(6), y, Scaled(120), height, TRUE);
    MoveWindow(hex_, Scaled(132), y, Scaled(120), height, TRUE);
    MoveWindow(clear_, r.right - Scaled(172), y, Scaled(80), height, TRUE);
    MoveWindow(save_, r.right - Scaled(86), y, Scaled(80), height, TRUE);
}

std::wstring TrafficView::Render(const TrafficHistory::Entry& e) const {
    const TrafficHistory::View view = session_.TrafficView(Checked(unmask_), Checked(hex_));
    return Wide(TrafficHistory::Render(e, view)) + L"\r\n";
}

void TrafficView::Rebuild() {
    pending_.clear();
    shown_ = 0;
    std::wstring all;
    for (const auto& e : history_.entries()) {
        all += Render(e);
        ++shown_;
    }
    SetWindowTextW(text_, all.c_str());
    ScrollToEnd();
}

void TrafficView::Append(const TrafficHistory::Entry& e) {
    pending_ += Render(e);
    ++pendingLines_;
    SetTimer(window_, kFlushTimer, kFlushMs, nullptr);  // once, for the batch
}

void TrafficView::Flush() {
    if (pending_.empty()) {
        return;
    }
    // A user who scrolled up to read keeps the place.
    const bool follow = AtEnd();
    const int first = int(SendMessageW(text_, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageW(text_, WM_SETREDRAW, FALSE, 0);
    const int end = GetWindowTextLengthW(text_);
    SendMessageW(text_, EM_SETSEL, WPARAM(end), LPARAM(end));
    SendMessageW(text_, EM_REPLACESEL, FALSE, LPARAM(pending_.c_str()));
    shown_ += pendingLines_;
    pending_.clear();
    pendingLines_ = 0;
    // The view holds what the history holds, the oldest lines going first.
    if (shown_ > TrafficHistory::kMaxLines) {
        const auto drop = int(shown_ - TrafficHistory::kMaxLines);
        const auto upTo = SendMessageW(text_, EM_LINEINDEX, WPARAM(drop), 0);
        SendMessageW(text_, EM_SETSEL, 0, upTo);
        SendMessageW(text_, EM_REPLACESEL, FALSE, LPARAM(L""));
        shown_ = TrafficHistory::kMaxLines;
    }
    SendMessageW(text_, WM_SETREDRAW, TRUE, 0);
    if (follow) {
        ScrollToEnd();
    } else {
        SendMessageW(text_, EM_LINESCROLL, 0,
                     first - int(SendMessageW(text_, EM_GETFIRSTVISIBLELINE, 0, 0)));
    }
    InvalidateRect(text_, nullptr, TRUE);
}

bool TrafficView::Checked(HWND box) const {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace wifi
