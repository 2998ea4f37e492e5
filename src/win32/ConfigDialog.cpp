#include "win32/ConfigDialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dbt.h>
#include <windowsx.h>

#include <algorithm>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/ListContents.h"
#include "ports/SystemPorts.h"
#include "profile/FormFields.h"
#include "profile/Profile.h"
#include "serial/CommError.h"
#include "text/TextCodec.h"
#include "win32/DialogBuilder.h"
#include "win32/RegistryStore.h"
#include "win32/Win32Text.h"
#include "wording/Messages.h"
#include "wording/WindowTexts.h"

namespace wifi {

namespace {

// From the port's thread: bytes came; the device is gone (lParam: its words).
constexpr UINT kMsgReceive = WM_APP + 1;
constexpr UINT kMsgLost = WM_APP + 2;
// A time-out's message, shown once the handler that found it has returned.
constexpr UINT kMsgAlert = WM_APP + 3;
constexpr UINT_PTR kReplyTimer = 1;
constexpr UINT_PTR kPortPollTimer = 2;
constexpr UINT kPortPollMs = 1000;

enum MenuId : UINT {
    IDM_EXPORT = 3001,
    IDM_IMPORT,
    IDM_READ_AGAIN,
    IDM_TRAFFIC,
    IDM_CHINESE,
    IDM_ENGLISH,
};

const Field* FieldOf(int id) {
    for (const Field& f : FormFields()) {
        if (f.id == id) {
            return &f;
        }
    }
    return &FormFields().front();
}

// "配置文件 (*.json)" as a file dialog's filter: the text, then its pattern.
std::wstring Filter(const char* text, const wchar_t* pattern) {
    std::wstring filter = Ui(text);
    filter.push_back(L'\0');
    filter += pattern;
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

}  // namespace

// The reply clock on the window's timer.
class ConfigDialog::Clock : public SteadyReplyClock {
  public:
    explicit Clock(HWND& window) : window_(window) {}
    void Start(Duration after) override {
        SetTimer(window_, kReplyTimer, UINT(std::max<long long>(1, after.count())), nullptr);
    }
    void Stop() override { KillTimer(window_, kReplyTimer); }

  private:
    HWND& window_;
};

// A person's edits on the window's controls, each raising what a person's
// edit raises: an imported profile.
class ConfigDialog::Input : public UserInput {
  public:
    Input(Win32Controls& controls, CConfigDlg& dlg) : controls_(controls), dlg_(dlg) {}
    bool UserSelect(int id, int index) override {
        const HWND box = controls_.Item(id);
        const int count = int(SendMessageW(box, CB_GETCOUNT, 0, 0));
        if (!IsWindowEnabled(box) || index < 0 || index >= count) {
            return false;
        }
        controls_.SetCurSel(id, index);
        dlg_.Dispatch(id, Notification::SelChange);
        return true;
    }
    bool UserType(int id, const std::string& bytes) override {
        if (!controls_.IsWindowEnabled(id)) {
            return false;
        }
        controls_.SetTypedBytes(id, bytes);  // the edit raises its own change
        return true;
    }
    bool UserClick(int id) override {
        if (!controls_.IsWindowEnabled(id)) {
            return false;
        }
        SendMessageW(controls_.Item(id), BM_CLICK, 0, 0);
        return true;
    }
    bool UserSetAddressField(int id, int field, std::optional<int> value) override {
        if (!controls_.IsWindowEnabled(id) || field < 0 || field > 3 || !value || *value < 0) {
            return false;
        }
        Address address = controls_.IsBlank(id) ? Address{} : controls_.GetAddress(id);
        address[std::size_t(field)] = static_cast<std::uint8_t>(std::min(*value, 255));
        controls_.SetAddress(id, address);
        dlg_.Dispatch(id, Notification::FieldChanged);
        return true;
    }

  private:
    Win32Controls& controls_;
    CConfigDlg& dlg_;
};

ConfigDialog::ConfigDialog(HINSTANCE instance, WindowOptions options)
    : instance_(instance),
      options_(std::move(options)),
      controls_(DefaultEncoding()),
      ports_(PortSystem::Windows, options_.namedPorts) {
    comm_ = std::make_unique<ThreadComm>([this](int number) {
        const auto& devices = ports_.devices();
        return number >= 1 && number <= int(devices.size()) ? devices[std::size_t(number - 1)]
                                                            : std::string();
    });
    comm_->onReceive = [this] { PostMessageW(dialog_, kMsgReceive, 0, 0); };
    comm_->onLost = [this](const CommError& lost) {
        PostMessageW(dialog_, kMsgLost, 0, LPARAM(new std::string(lost.detail())));
    };
    tapped_ = std::make_unique<TappedComm>(
        *comm_, [this](LineDirection direction, const std::string& line) {
            history_.Add(portName_, direction, line);
        });
    clock_ = std::make_unique<Clock>(dialog_);
    dlg_ = std::make_unique<CConfigDlg>(
        controls_, *tapped_, [](unsigned ms) { Sleep(ms); }, *clock_);
    dlg_->SetReplyTimeout(ReplyClock::Duration(options_.timeoutMs));
    progressLine_.SetTimeout(ReplyClock::Duration(options_.timeoutMs));
    progressLine_.show = [this](const Message& m) { ShowProgress(m); };
    progressLine_.alert = [this](const Message& m) {
        PostMessageW(dialog_, kMsgAlert, 0,
                     LPARAM(new Message{OnPort(portName_, m.text), true, m.detail, m.next}));
    };
    dlg_->SetEvents(&progressLine_);
}

ConfigDialog::~ConfigDialog() {
    dlg_.reset();
    tapped_.reset();
    comm_.reset();  // closes the port and ends its thread
    if (banner_) {
        DeleteObject(banner_);
    }
    if (trafficFont_) {
        DeleteObject(trafficFont_);
    }
}

HWND ConfigDialog::Create() {
    const std::vector<WORD> dialog = BuildDialogTemplate();
    return CreateDialogIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(dialog.data()),
                                      nullptr, &ConfigDialog::Proc, LPARAM(this));
}

INT_PTR CALLBACK ConfigDialog::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, l);
        auto* self = reinterpret_cast<ConfigDialog*>(l);
        self->dialog_ = window;
        self->OnInit();
        return FALSE;  // the focus is set
    }
    auto* self = reinterpret_cast<ConfigDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->Handle(message, w, l) : FALSE;
}

void ConfigDialog::OnInit() {
    const DialogTemplate& t = ConfigDialogTemplate();
    controls_.SetDialog(dialog_, Ui(t.caption));
    SendMessageW(dialog_, WM_SETICON, ICON_BIG, LPARAM(LoadIconW(instance_, L"IDI_APP")));
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
        OnForeignText(id, detected);
    };
    Guarded([this] { dlg_->OnInitDialog(); });

    preferences_ = Preferences::Load(RegistryStore());
    if (!options_.namedPorts.empty()) {
        ports_.Choose(options_.namedPorts.front());
    } else {
        ports_.Choose(preferences_.port, preferences_.portSerial);
    }
    SendMessageW(controls_.Item(IDC_COMPORT), CB_SETCURSEL, WPARAM(ports_.chosen()), 0);
    portName_ = ports_.Device();
    if (preferences_.encoding && *preferences_.encoding != controls_.encoding()) {
        SendMessageW(GetDlgItem(dialog_, IDC_ENCODING), CB_SETCURSEL,
                     *preferences_.encoding == TextEncoding::Gbk ? 1 : 0, 0);
        OnEncodingChosen();
    }
    if (preferences_.position) {
        const POINT at{preferences_.position->first, preferences_.position->second};
        if (MonitorFromPoint(at, MONITOR_DEFAULTTONULL)) {
            SetWindowPos(dialog_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
    }
    SetTimer(dialog_, kPortPollTimer, kPortPollMs, nullptr);
    SendMessageW(dialog_, WM_NEXTDLGCTL, WPARAM(controls_.Item(IDC_COMPORT)), TRUE);
}

void ConfigDialog::FillLists() {
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
    SendMessageW(encoding, CB_SETCURSEL, controls_.encoding() == TextEncoding::Gbk ? 1 : 0, 0);
    ports_.Update(SystemPorts());
    const HWND box = controls_.Item(IDC_COMPORT);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < ports_.devices().size(); ++i) {
        SendMessageW(box, CB_ADDSTRING, 0, LPARAM(Wide(PortEntryText(ports_.InfoAt(i))).c_str()));
    }
}

void ConfigDialog::RefreshPorts() {
    if (comm_->GetPortOpen() || !ports_.Update(SystemPorts())) {
        return;
    }
    const HWND box = controls_.Item(IDC_COMPORT);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < ports_.devices().size(); ++i) {
        SendMessageW(box, CB_ADDSTRING, 0, LPARAM(Wide(PortEntryText(ports_.InfoAt(i))).c_str()));
    }
    SendMessageW(box, CB_SETCURSEL, WPARAM(ports_.chosen()), 0);
}

void ConfigDialog::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const CommError& e) {
        Box(PortFailure(e), MB_ICONERROR);
    }
}

void ConfigDialog::ShowProgress(const Message& message) {
    progressIsProblem_ = message.problem;
    SetDlgItemTextW(dialog_, IDC_PROGRESS_LINE, Ui(message).c_str());
}

void ConfigDialog::Box(const Message& message, UINT icon) {
    MessageBoxW(dialog_, Ui(message).c_str(), Ui(ConfigDialogTemplate().caption).c_str(),
                MB_OK | icon);
}

void ConfigDialog::OnForeignText(int id, std::optional<TextEncoding> detected) {
    if (detected) {
        // The choice follows the module, and says so.
        SendMessageW(GetDlgItem(dialog_, IDC_ENCODING), CB_SETCURSEL,
                     *detected == TextEncoding::Gbk ? 1 : 0, 0);
        controls_.SetEncoding(*detected);
        progressLine_.Note(TextInOtherEncoding(*FieldOf(id), *detected));
    } else {
        progressLine_.Note(TextInNoEncoding(*FieldOf(id)));
    }
}

void ConfigDialog::OnEncodingChosen() {
    const auto index = SendMessageW(GetDlgItem(dialog_, IDC_ENCODING), CB_GETCURSEL, 0, 0);
    const auto lossy = controls_.SetEncoding(index == 1 ? TextEncoding::Gbk : TextEncoding::Utf8);
    if (!lossy.empty()) {
        progressLine_.Note(TextNotInChosenEncoding(*FieldOf(lossy.front()), controls_.encoding()));
    }
}

void ConfigDialog::OnCommand(int id, int code) {
    switch (id) {
        case IDOK: return;  // Enter never closes the window
        case IDCANCEL:
            if (MayClose()) {
                SavePreferences();
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
                OnEncodingChosen();
            }
            return;
        case IDM_EXPORT: ExportProfile(); return;
        case IDM_IMPORT: ImportProfile(); return;
        case IDM_READ_AGAIN: ReadAgain(); return;
        case IDM_TRAFFIC: ShowTraffic(); return;
        case IDM_CHINESE: ChooseLanguage(Language::Chinese); return;
        case IDM_ENGLISH: ChooseLanguage(Language::English); return;
        default: break;
    }
    if (controls_.changing()) {
        return;  // the code's own change, not the user's
    }
    if (id == IDC_COMPORT && code == CBN_SELCHANGE) {
        ports_.Choose(int(SendMessageW(controls_.Item(id), CB_GETCURSEL, 0, 0)));
        portName_ = ports_.Device();
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

INT_PTR ConfigDialog::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(w);
            const int code = HIWORD(w);
            const HWND from = reinterpret_cast<HWND>(l);
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
            } else if (w == kPortPollTimer) {
                RefreshPorts();
            }
            return TRUE;
        case kMsgReceive: Guarded([this] { dlg_->OnCommEvent(); }); return TRUE;
        case kMsgLost: {
            const std::unique_ptr<std::string> detail(reinterpret_cast<std::string*>(l));
            // The progress line says what became of a write; the message, that
            // the device is gone, with the system's words below.
            Guarded([this] { dlg_->OnPortLost(); });
            Box(PortLost(portName_, *detail), MB_ICONWARNING);
            return TRUE;
        }
        case kMsgAlert: {
            const std::unique_ptr<Message> alert(reinterpret_cast<Message*>(l));
            Box(*alert, MB_ICONWARNING);
            return TRUE;
        }
        case WM_DEVICECHANGE:
            if (w == DBT_DEVICEARRIVAL || w == DBT_DEVICEREMOVECOMPLETE ||
                w == DBT_DEVNODES_CHANGED) {
                RefreshPorts();
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

bool ConfigDialog::PreTranslate(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) {
        return false;
    }
    if (msg.hwnd != dialog_ && !IsChild(dialog_, msg.hwnd)) {
        return false;
    }
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if ((msg.wParam == VK_F10 && shift) || msg.wParam == VK_APPS) {
        // The window's menu, at the field that has the focus: an edit field
        // would otherwise open its own edit menu.
        RECT r;
        GetWindowRect(msg.hwnd, &r);
        ShowMenu({r.left, r.bottom});
        return true;
    }
    UINT command = 0;
    if (ctrl && msg.wParam == 'S') {
        command = IDM_EXPORT;
    } else if (ctrl && msg.wParam == 'O') {
        command = IDM_IMPORT;
    } else if (ctrl && msg.wParam == 'L') {
        command = IDM_TRAFFIC;
    } else if (msg.wParam == VK_F5) {
        command = IDM_READ_AGAIN;
    }
    if (command) {
        PostMessageW(dialog_, WM_COMMAND, command, 0);
        return true;
    }
    return false;
}

void ConfigDialog::ShowMenu(POINT at) {
    const HMENU menu = CreatePopupMenu();
    const auto item = [&](UINT id, const char* text, const wchar_t* keys) {
        AppendMenuW(menu, MF_STRING, id, (Ui(text) + L"\t" + keys).c_str());
    };
    item(IDM_EXPORT, kMenuExport, L"Ctrl+S");
    item(IDM_IMPORT, kMenuImport, L"Ctrl+O");
    item(IDM_READ_AGAIN, kMenuReadAgain, L"F5");
    item(IDM_TRAFFIC, kMenuTraffic, L"Ctrl+L");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const HMENU languages = CreatePopupMenu();
    AppendMenuW(languages, MF_STRING | (WindowLanguage() == Language::Chinese ? MF_CHECKED : 0),
                IDM_CHINESE, L"中文");
    AppendMenuW(languages, MF_STRING | (WindowLanguage() == Language::English ? MF_CHECKED : 0),
                IDM_ENGLISH, L"English");
    AppendMenuW(menu, MF_POPUP, UINT_PTR(languages), Ui(kMenuLanguage).c_str());
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, dialog_, nullptr);
    DestroyMenu(menu);
}

void ConfigDialog::ExportProfile() {
    // Named after the network, so that a folder of profiles reads as a list.
    wchar_t path[MAX_PATH] = {};
    const std::wstring suggested = Wide(ProfileFileName(Utf8([this] {
        std::wstring text(std::size_t(GetWindowTextLengthW(controls_.Item(IDC_SSID))) + 1, L'\0');
        text.resize(
            std::size_t(GetWindowTextW(controls_.Item(IDC_SSID), text.data(), int(text.size()))));
        return text;
    }())));
    lstrcpynW(path, suggested.c_str(), MAX_PATH);
    const std::wstring filter = Filter(kProfileFilter, L"*.json");
    const std::wstring title = Ui(kExportTitle);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog_;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = L"json";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&ofn)) {
        return;
    }
    const std::string file = WithJsonSuffix(Utf8(path));
    FormReading reading = ReadForm(controls_, controls_.encoding());
    for (const UnknownValue& u : dlg_->UnknownFields()) {
        reading.form[std::string(u.field->name)] = nullptr;  // nobody knows it: no value
    }
    std::string error;
    if (!WriteFileBytes(file, FormAsJson(reading.form) + "\n", error)) {
        Box(FileNotSaved(file, error), MB_ICONWARNING);
    }
}

void ConfigDialog::ImportProfile() {
    wchar_t path[MAX_PATH] = {};
    const std::wstring filter = Filter(kProfileFilter, L"*.json");
    const std::wstring title = Ui(kImportTitle);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog_;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&ofn)) {
        return;
    }
    // The form takes values only from a connected module: what the file
    // leaves out keeps the module's values, as on the command line.
    if (!dlg_->IsConnected()) {
        Box(ImportNeedsAConnection(), MB_ICONWARNING);
        return;
    }
    const std::string file = Utf8(path);
    std::string error;
    const auto bytes = ReadFileBytes(file, kMaxProfileBytes, error);
    if (!bytes) {
        Box(FileNotOpened(file, error), MB_ICONWARNING);
        return;
    }
    Text wrong;
    const auto settings = ParseProfile(*bytes, controls_.encoding(), wrong);
    if (!settings) {
        Box(ProfileNotValid(file, wrong), MB_ICONWARNING);
        return;
    }
    Input input(controls_, *dlg_);
    std::vector<const Field*> refused;
    Guarded([&] {
        for (const Setting& s : *settings) {
            if (!ApplyAsUser(controls_, input, s)) {
                refused.push_back(s.field);
            }
        }
    });
    if (!refused.empty()) {
        Box(ImportRefusedFields(refused), MB_ICONWARNING);
        return;
    }
    progressLine_.Imported();
}

void ConfigDialog::ReadAgain() {
    if (dlg_->HasUnsavedEdits() &&
        MessageBoxW(dialog_, Ui(ReadAgainQuestion()).c_str(),
                    Ui(ConfigDialogTemplate().caption).c_str(),
                    MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION) != IDYES) {
        return;
    }
    Guarded([this] { dlg_->ReadAgain(); });
}

void ConfigDialog::ShowTraffic() {
    const auto render = [this](const TrafficHistory::Entry& e) {
        const TrafficHistory::View view{false, [this](std::string_view bytes) {
                                            return TextCodec(controls_.encoding()).Decode(bytes);
                                        }};
        return Wide(TrafficHistory::Render(e, view)) + L"\r\n";
    };
    if (!traffic_ || !IsWindow(traffic_)) {
        traffic_ = CreateWindowExW(0, WC_EDITW, Ui(kTrafficTitle).c_str(),
                                   WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                       ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                                   CW_USEDEFAULT, CW_USEDEFAULT, 760, 360, dialog_, nullptr,
                                   instance_, nullptr);
        if (!trafficFont_) {
            trafficFont_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                       DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, L"Consolas");
        }
        SendMessageW(traffic_, WM_SETFONT, WPARAM(trafficFont_), FALSE);
        std::wstring all;
        for (const auto& e : history_.entries()) {
            all += render(e);
        }
        SetWindowTextW(traffic_, all.c_str());
        history_.onAdded = [this, render](const TrafficHistory::Entry& e) {
            if (!IsWindow(traffic_)) {
                return;
            }
            // A new line shows at the end; the view follows it.
            const int end = GetWindowTextLengthW(traffic_);
            SendMessageW(traffic_, EM_SETSEL, end, end);
            SendMessageW(traffic_, EM_REPLACESEL, FALSE, LPARAM(render(e).c_str()));
        };
    }
    ShowWindow(traffic_, SW_SHOW);
    SendMessageW(traffic_, EM_SETSEL, WPARAM(-1), -1);
    SendMessageW(traffic_, EM_SCROLLCARET, 0, 0);
}

void ConfigDialog::ChooseLanguage(Language language) {
    // The language takes effect the next time the window opens: every text
    // of the template is made once.
    preferences_.language = std::string(LanguageCode(language));
    RegistryStore store;
    preferences_.Save(store);
    if (language != WindowLanguage()) {
        MessageBoxW(dialog_, Ui(LanguageNextTime()).c_str(),
                    Ui(ConfigDialogTemplate().caption).c_str(), MB_OK | MB_ICONINFORMATION);
    }
}

bool ConfigDialog::MayClose() {
    return !dlg_->HasUnsavedEdits() ||
           MessageBoxW(dialog_, Ui(UnsavedEditsQuestion()).c_str(),
                       Ui(ConfigDialogTemplate().caption).c_str(),
                       MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION) == IDYES;
}

void ConfigDialog::SavePreferences() {
    if (!ports_.Device().empty()) {
        preferences_.port = ports_.Device();
        preferences_.portSerial = ports_.SerialNumber();
    }
    RECT r;
    GetWindowRect(dialog_, &r);
    preferences_.position = std::pair{int(r.left), int(r.top)};
    preferences_.encoding = controls_.encoding();
    RegistryStore store;
    preferences_.Save(store);
}

}  // namespace wifi
