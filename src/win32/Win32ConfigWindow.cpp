#include "win32/Win32ConfigWindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dbt.h>
#include <windowsx.h>

#include <algorithm>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/ListContents.h"
#include "ports/SystemPorts.h"
#include "serial/CommError.h"
#include "win32/Boxes.h"
#include "win32/DialogBuilder.h"
#include "win32/FileDialogs.h"
#include "win32/Win32Text.h"
#include "window/WindowLayout.h"
#include "wording/Messages.h"
#include "wording/WindowTexts.h"

namespace wifi {

namespace {

// From the port's thread: bytes came; the device is gone (lParam: its words).
constexpr UINT kMsgReceive = WM_APP + 1;
constexpr UINT kMsgLost = WM_APP + 2;
// A task of the session's, run once the handler now running has returned.
constexpr UINT kMsgLater = WM_APP + 3;
constexpr UINT_PTR kReplyTimer = 1;
constexpr UINT_PTR kPortPollTimer = 2;
constexpr UINT kPortPollMs = 1000;
// Asking the system for its ports takes long: a timer's message comes after
// the first paint.
constexpr UINT_PTR kFindPortsTimer = 3;

}  // namespace

// The reply clock on the window's timer.
class Win32ConfigWindow::Clock : public SteadyReplyClock {
  public:
    explicit Clock(HWND& window) : window_(window) {}
    void Start(Duration after) override {
        SetTimer(window_, kReplyTimer, UINT(std::max<long long>(1, after.count())), nullptr);
    }
    void Stop() override { KillTimer(window_, kReplyTimer); }

  private:
    HWND& window_;
};

Win32ConfigWindow::Win32ConfigWindow(HINSTANCE instance, WindowStart start)
    : instance_(instance), controls_(DefaultEncoding()) {
    comm_ = std::make_unique<ThreadComm>([this](int number) {
        const auto& devices = session_->ports().devices();
        return number >= 1 && number <= int(devices.size()) ? devices[std::size_t(number - 1)]
                                                            : std::string();
    });
    comm_->onReceive = [this] { PostMessageW(dialog_, kMsgReceive, 0, 0); };
    comm_->onLost = [this](const CommError& lost) {
        PostMessageW(dialog_, kMsgLost, 0, LPARAM(new std::string(lost.detail())));
    };
    tapped_ = std::make_unique<TappedComm>(
        *comm_, [this](LineDirection direction, const std::string& line) {
            session_->Tap(direction, line);
        });
    clock_ = std::make_unique<Clock>(dialog_);
    dlg_ = std::make_unique<CConfigDlg>(
        controls_, *tapped_, [](unsigned ms) { Sleep(ms); }, *clock_);
    start.ports = [] { return SystemPorts(); };
    session_ = std::make_unique<WindowSession>(static_cast<WindowShell&>(*this), *dlg_, controls_,
                                               controls_, SystemTextConverters(), std::move(start));
}

Win32ConfigWindow::~Win32ConfigWindow() {
    traffic_.reset();  // before the history it shows
    dlg_.reset();
    tapped_.reset();
    comm_.reset();  // closes the port and ends its thread
    if (banner_) {
        DeleteObject(banner_);
    }
}

HWND Win32ConfigWindow::Create() {
    const std::vector<WORD> dialog = BuildDialogTemplate();
    return CreateDialogIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(dialog.data()),
                                      nullptr, &Win32ConfigWindow::Proc, LPARAM(this));
}

INT_PTR CALLBACK Win32ConfigWindow::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, l);
        auto* self = reinterpret_cast<Win32ConfigWindow*>(l);
        self->dialog_ = window;
        self->OnInit();
        return FALSE;  // the focus is set
    }
    if (message == WM_MEASUREITEM) {
        // Asked as the port list is made, before the dialog is set up: a
        // line of the dialog's font.
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        const HDC dc = GetDC(window);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(window, dc);
        item->itemHeight = UINT(metrics.tmHeight + 2);
        SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    auto* self = reinterpret_cast<Win32ConfigWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->Handle(message, w, l) : FALSE;
}

void Win32ConfigWindow::OnInit() {
    const DialogTemplate& t = ConfigDialogTemplate(WindowLanguage());
    controls_.SetDialog(dialog_, Ui(t.caption));
    SendMessageW(dialog_, WM_SETICON, ICON_BIG, LPARAM(LoadIconW(instance_, L"IDI_APP")));
    SendMessageW(dialog_, WM_SETICON, ICON_SMALL,
                 LPARAM(LoadImageW(instance_, L"IDI_APP", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                   GetSystemMetrics(SM_CYSMICON), 0)));
    // The address controls take a font of their own unless given the dialog's.
    const auto font = SendMessageW(dialog_, WM_GETFONT, 0, 0);
    for (const DialogItem& item : t.items) {
        if (item.kind == ItemKind::IpAddress) {
            SendMessageW(controls_.Item(item.id), WM_SETFONT, WPARAM(font), TRUE);
        }
        if (item.kind == ItemKind::Picture) {
            RECT r{item.x, item.y, item.x + item.width, item.y + item.height};
            MapDialogRect(dialog_, &r);
            banner_ = static_cast<HBITMAP>(LoadImageW(
                instance_, WindowLanguage() == Language::English ? L"BANNER_EN" : L"BANNER",
                IMAGE_BITMAP, r.right - r.left, r.bottom - r.top, 0));
        }
    }
    // The banner's item has no id of its own: it is the bitmap static.
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
            SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(banner_));
        }
    }
    FillLists();
    controls_.onForeignText = [this](int id, std::optional<TextEncoding> detected) {
        session_->ForeignText(id, detected);
    };
    session_->Start();
    RECT frame{};
    GetWindowRect(dialog_, &frame);
    const auto [x, y] = session_->Place(frame.right - frame.left, frame.bottom - frame.top);
    SetWindowPos(dialog_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetTimer(dialog_, kFindPortsTimer, 1, nullptr);
    SetTimer(dialog_, kPortPollTimer, kPortPollMs, nullptr);
    SendMessageW(dialog_, WM_NEXTDLGCTL, WPARAM(controls_.Item(IDC_COMPORT)), TRUE);
}

void Win32ConfigWindow::FillLists() {
    for (const auto& list : ParameterLists()) {
        const HWND box = controls_.Item(list.id);
        for (auto entry : list.entries) {
            SendMessageW(box, CB_ADDSTRING, 0, LPARAM(Ui(entry).c_str()));
        }
    }
    const HWND encoding = GetDlgItem(dialog_, IDC_ENCODING);
    for (TextEncoding e : {TextEncoding::Utf8, TextEncoding::Gbk}) {
        SendMessageW(encoding, CB_ADDSTRING, 0, LPARAM(Wide(EncodingDisplayName(e)).c_str()));
    }
    ShowEncoding(controls_.encoding());
    ShowPorts();
}

void Win32ConfigWindow::ShowPorts() {
    const PortList& ports = session_->ports();
    const HWND box = controls_.Item(IDC_COMPORT);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < ports.devices().size(); ++i) {
        SendMessageW(box, CB_ADDSTRING, 0, LPARAM(Wide(PortEntryText(ports.InfoAt(i))).c_str()));
    }
    SendMessageW(box, CB_SETCURSEL, WPARAM(ports.chosen()), 0);
}

void Win32ConfigWindow::ShowEncoding(TextEncoding encoding) {
    SendMessageW(GetDlgItem(dialog_, IDC_ENCODING), CB_SETCURSEL,
                 encoding == TextEncoding::Gbk ? 1 : 0, 0);
}

void Win32ConfigWindow::DrawPortEntry(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_COMPORT) {
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    std::wstring text;
    const PortList& ports = session_->ports();
    if (item.itemID < ports.devices().size()) {
        const PortInfo info = ports.InfoAt(item.itemID);
        text = Wide((item.itemState & ODS_COMBOBOXEDIT) ? ShortName(info.device)
                                                        : PortEntryText(info));
    }
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(disabled   ? COLOR_GRAYTEXT
                                       : selected ? COLOR_HIGHLIGHTTEXT
                                                  : COLOR_WINDOWTEXT));
    RECT r = item.rcItem;
    r.left += 2;
    DrawTextW(item.hDC, text.c_str(), int(text.size()), &r,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

void Win32ConfigWindow::ShowProgress(const std::string& text, bool problem) {
    progressIsProblem_ = problem;
    SetDlgItemTextW(dialog_, IDC_PROGRESS_LINE, Wide(text).c_str());
}

void Win32ConfigWindow::ShowTitle(const std::string& title) {
    SetWindowTextW(dialog_, Wide(title).c_str());
}

bool Win32ConfigWindow::Ask(const QuestionText& question) {
    return AskBox(dialog_, question);
}

void Win32ConfigWindow::Tell(const BoxText& box, BoxKind kind) {
    TellBox(dialog_, box, kind, session_->Words(kAnswerOk));
}

std::optional<std::string> Win32ConfigWindow::ChooseFile(const FileChoice& choice) {
    return AskPath(dialog_, choice);
}

void Win32ConfigWindow::Later(std::function<void()> task) {
    PostMessageW(dialog_, kMsgLater, 0, LPARAM(new std::function<void()>(std::move(task))));
}

std::vector<ScreenArea> Win32ConfigWindow::Screens() const {
    std::vector<ScreenArea> screens;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM list) -> BOOL {
            MONITORINFO info{sizeof info, {}, {}, 0};
            if (GetMonitorInfoW(monitor, &info)) {
                auto& areas = *reinterpret_cast<std::vector<ScreenArea>*>(list);
                const ScreenArea area{info.rcWork.left, info.rcWork.top, info.rcWork.right,
                                      info.rcWork.bottom};
                if (info.dwFlags & MONITORINFOF_PRIMARY) {
                    areas.insert(areas.begin(), area);
                } else {
                    areas.push_back(area);
                }
            }
            return TRUE;
        },
        LPARAM(&screens));
    return screens;
}

void Win32ConfigWindow::OnCommand(int id, int code) {
    switch (id) {
        case IDOK: return;  // Enter never closes the window
        case IDCANCEL:
            if (session_->MayClose()) {
                RECT r;
                GetWindowRect(dialog_, &r);
                session_->Closed({int(r.left), int(r.top)});
                DestroyWindow(dialog_);
            }
            return;
        case IDC_MENU_BUTTON: {
            RECT r;
            GetWindowRect(GetDlgItem(dialog_, id), &r);
            ShowMenu({r.left, r.bottom});
            return;
        }
        case IDC_ENCODING:
            if (code == CBN_SELCHANGE) {
                const auto index = SendMessageW(controls_.Item(id), CB_GETCURSEL, 0, 0);
                session_->EncodingChosen(index == 1 ? TextEncoding::Gbk : TextEncoding::Utf8);
            }
            return;
        case IDM_EXPORT: session_->ExportProfile(); return;
        case IDM_IMPORT: ImportProfile(); return;
        case IDM_READ_AGAIN: session_->ReadAgain(); return;
        case IDM_TRAFFIC: ShowTraffic(); return;
        case IDM_CHINESE: session_->ChooseLanguage(Language::Chinese); return;
        case IDM_ENGLISH: session_->ChooseLanguage(Language::English); return;
        case IDM_VERIFY: session_->SetVerify(!dlg_->verify()); return;
        default: break;
    }
    if (controls_.changing()) {
        return;  // the code's own change, not the user's
    }
    if (id == IDC_COMPORT && code == CBN_SELCHANGE) {
        session_->PortChosen(int(SendMessageW(controls_.Item(id), CB_GETCURSEL, 0, 0)));
    }
    std::optional<Notification> notification;
    const HWND control = controls_.Item(id);
    wchar_t kind[32] = {};
    GetClassNameW(control, kind, 32);
    if (code == CBN_SELCHANGE && lstrcmpiW(kind, WC_COMBOBOXW) == 0) {
        notification = Notification::SelChange;
    } else if (code == BN_CLICKED && lstrcmpiW(kind, WC_BUTTONW) == 0) {
        notification = Notification::Clicked;
    } else if (code == EN_CHANGE && lstrcmpiW(kind, WC_IPADDRESSW) == 0) {
        notification = Notification::FieldChanged;
    } else if (code == EN_CHANGE && lstrcmpiW(kind, WC_EDITW) == 0) {
        notification = Notification::EditChange;
    }
    if (notification) {
        Guarded([&] { dlg_->Dispatch(id, *notification); });
    }
}

INT_PTR Win32ConfigWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(w);
            const int code = HIWORD(w);
            const HWND from = reinterpret_cast<HWND>(l);
            if (code == STN_CLICKED && id == IDC_PROGRESS_LINE) {
                // The whole message, however much of it the line shows.
                session_->ShowWholeProgress();
                return TRUE;
            }
            if (code == STN_CLICKED && from && id == (IDC_STATIC & 0xFFFF) &&
                (GetWindowLongW(from, GWL_STYLE) & SS_NOTIFY)) {
                // A check box's caption: a click on it is a click on the box.
                const HWND box = GetWindow(from, GW_HWNDPREV);
                if (box && IsWindowEnabled(box)) {
                    SendMessageW(box, BM_CLICK, 0, 0);
                }
                return TRUE;
            }
            OnCommand(id, code);
            return TRUE;
        }
        case WM_TIMER:
            if (w == kReplyTimer) {
                KillTimer(dialog_, kReplyTimer);  // once; a start sets it anew
                Guarded([this] { dlg_->OnTimer(); });
            } else if (w == kFindPortsTimer) {
                KillTimer(dialog_, kFindPortsTimer);
                session_->FindPorts();
            } else if (w == kPortPollTimer) {
                session_->RefreshPorts();
            }
            return TRUE;
        case kMsgReceive: Guarded([this] { dlg_->OnCommEvent(); }); return TRUE;
        case kMsgLost: {
            const std::unique_ptr<std::string> detail(reinterpret_cast<std::string*>(l));
            session_->PortLost(*detail);
            return TRUE;
        }
        case kMsgLater: {
            const std::unique_ptr<std::function<void()>> task(
                reinterpret_cast<std::function<void()>*>(l));
            (*task)();
            return TRUE;
        }
        case WM_DEVICECHANGE:
            if (w == DBT_DEVICEARRIVAL || w == DBT_DEVICEREMOVECOMPLETE ||
                w == DBT_DEVNODES_CHANGED) {
                session_->RefreshPorts();
            }
            return TRUE;
        case WM_CONTEXTMENU: {
            POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
            if (at.x == -1 && at.y == -1) {
                RECT r;
                GetWindowRect(GetFocus() ? GetFocus() : dialog_, &r);
                at = {r.left, r.bottom};
            }
            ShowMenu(at);
            return TRUE;
        }
        case WM_DRAWITEM: DrawPortEntry(*reinterpret_cast<DRAWITEMSTRUCT*>(l)); return TRUE;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(l) == GetDlgItem(dialog_, IDC_PROGRESS_LINE) &&
                progressIsProblem_) {
                const HDC dc = reinterpret_cast<HDC>(w);
                SetTextColor(dc, RGB(0xB0, 0x00, 0x20));
                SetBkMode(dc, TRANSPARENT);
                return INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
            }
            return FALSE;
        case WM_CLOSE: OnCommand(IDCANCEL, 0); return TRUE;
        case WM_DESTROY:
            KillTimer(dialog_, kPortPollTimer);
            PostQuitMessage(0);
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace wifi
