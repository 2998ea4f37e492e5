#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "form/ConfigDlg.h"
#include "serial/TappedComm.h"
#include "win32/RegistryStore.h"
#include "win32/ThreadComm.h"
#include "win32/TrafficView.h"
#include "win32/Win32Controls.h"
#include "window/WindowSession.h"

namespace wifi {

// The configuration window for Windows: the dialog built from the core's
// template, the core's dialog and the window session behind it, and only
// showing, moving and routing here. The serial port runs on a thread of its
// own and posts to the window.
class Win32ConfigWindow : private WindowShell {
  public:
    Win32ConfigWindow(HINSTANCE instance, WindowStart start);
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
    void DrawPortEntry(const DRAWITEMSTRUCT& item);
    void OnCommand(int id, int code);
    void Guarded(const std::function<void()>& handler) { session_->Run(handler); }
    void ShowMenu(POINT at);
    void ImportProfile();
    void ShowTraffic();

    // What the session asks of the window.
    bool Ask(const QuestionText& question) override;
    void Tell(const BoxText& box, BoxKind kind) override;
    std::optional<std::string> ChooseFile(const FileChoice& choice) override;
    void ShowProgress(const std::string& text, bool problem) override;
    void ShowTitle(const std::string& title) override;
    void ShowEncoding(TextEncoding encoding) override;
    void ShowPorts() override;
    void Later(std::function<void()> task) override;
    std::vector<ScreenArea> Screens() const override;
    PreferenceStore& Store() override { return store_; }

    class Clock;
    class Input;

    HINSTANCE instance_;
    HWND dialog_ = nullptr;
    HBITMAP banner_ = nullptr;
    Win32Controls controls_;
    RegistryStore store_;
    std::unique_ptr<ThreadComm> comm_;
    std::unique_ptr<TrafficView> traffic_;  // made when first shown
    std::unique_ptr<TappedComm> tapped_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<CConfigDlg> dlg_;
    std::unique_ptr<WindowSession> session_;
    bool progressIsProblem_ = false;
};

}  // namespace wifi
