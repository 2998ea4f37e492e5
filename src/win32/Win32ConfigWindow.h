#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "form/ConfigDlg.h"
#include "ports/PortInfo.h"
#include "profile/Preferences.h"
#include "protocol/ReplyTimeout.h"
#include "serial/TappedComm.h"
#include "serial/TrafficHistory.h"
#include "win32/ThreadComm.h"
#include "win32/TrafficView.h"
#include "win32/Win32Controls.h"
#include "wording/ProgressLine.h"

namespace wifi {

// What the window was started with.
struct WindowOptions {
    std::vector<std::string> namedPorts;  // --port: listed, the first chosen
    int timeoutMs = int(kDefaultReplyTimeout.count());
    Preferences remembered;  // read once, at start
};

// The configuration window for Windows: the dialog built from the core's
// template, the core's dialog behind it, and only showing, moving and routing
// here. The serial port runs on a thread of its own and posts to the window.
class Win32ConfigWindow {
  public:
    Win32ConfigWindow(HINSTANCE instance, WindowOptions options);
    ~Win32ConfigWindow();
    Win32ConfigWindow(const Win32ConfigWindow&) = delete;
    Win32ConfigWindow& operator=(const Win32ConfigWindow&) = delete;

    HWND Create();
    // Keys the dialog manager would take first: the menu keys and shortcuts.
    bool PreTranslate(MSG& msg);

  private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l);
    INT_PTR Handle(UINT message, WPARAM w, LPARAM l);
    void OnInit();
    void FillLists();
    void RefreshPorts();
    void FillPorts();
    void DrawPortEntry(const DRAWITEMSTRUCT& item);
    void OnCommand(int id, int code);
    void Guarded(const std::function<void()>& handler);
    void ShowProgress(const Message& message);
    void Box(const Message& message, UINT icon);
    void OnForeignText(int id, std::optional<TextEncoding> detected);
    void OnEncodingChosen();
    void ShowMenu(POINT at);
    void ExportProfile();
    void ImportProfile();
    void ReadAgain();
    void ShowTraffic();
    void ChooseLanguage(Language language);
    bool MayClose();
    void SavePreferences();

    class Clock;
    class Input;

    HINSTANCE instance_;
    WindowOptions options_;
    HWND dialog_ = nullptr;
    HBITMAP banner_ = nullptr;
    Win32Controls controls_;
    std::unique_ptr<ThreadComm> comm_;
    TrafficHistory history_;
    std::unique_ptr<TrafficView> traffic_;  // made when first shown
    std::unique_ptr<TappedComm> tapped_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<CConfigDlg> dlg_;
    ProgressLine progressLine_;
    bool progressIsProblem_ = false;
    Message progressMessage_;  // the line's whole message
    PortList ports_;
    Preferences preferences_;
    std::string portName_;  // the device the port list chose, for messages
};

}  // namespace wifi
