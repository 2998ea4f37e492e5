#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "serial/TrafficHistory.h"
#include "window/WindowSession.h"

namespace wifi {

// 通信记录 on Win32: every line to and from the module with its date and
// time; texts decoded in the form's encoding unless 十六进制 is ticked; the
// key and the web password masked unless 显示密钥 is; 清除 and 保存… as in
// the Qt window. It opens at the newest line and follows new ones, shown in
// batches, unless the user has scrolled up; it holds what the history holds.
// Made when first shown; the history records from the start.
class TrafficView {
  public:
    // session: its traffic log, how lines are shown, and saving it.
    TrafficView(HINSTANCE instance, WindowSession& session);
    ~TrafficView();
    TrafficView(const TrafficView&) = delete;
    TrafficView& operator=(const TrafficView&) = delete;

    void Show(HWND owner);

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);
    void Create(HWND owner);
    void Layout();
    void Rebuild();
    void Append(const TrafficHistory::Entry& e);
    void Flush();
    void ScrollToEnd();
    bool AtEnd() const;
    int Scaled(int pixels) const;
    std::wstring Render(const TrafficHistory::Entry& e) const;
    bool Checked(HWND box) const;

    HINSTANCE instance_;
    WindowSession& session_;
    TrafficHistory& history_;
    HWND window_ = nullptr;
    HWND text_ = nullptr;
    HWND unmask_ = nullptr;
    HWND hex_ = nullptr;
    HWND clear_ = nullptr;
    HWND save_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = 96;
    std::wstring pending_;  // lines not yet shown
    std::size_t pendingLines_ = 0;
    std::size_t shown_ = 0;  // lines the view holds
};

}  // namespace wifi
