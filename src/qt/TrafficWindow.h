#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "serial/TrafficHistory.h"

#include "window/WindowSession.h"

class QCheckBox;
class QPlainTextEdit;

namespace wifi {

// 通信记录: every line to and from the module, with its date and time. Texts
// are decoded in the form's encoding unless the user asks for bytes; the
// Wi-Fi key and the web password are masked unless the user unmasks them; a
// saved file holds what the view shows (the session writes it). It opens at the latest line and
// follows new ones unless the user has scrolled up. Made when first asked
// for; the log records from the start.
class TrafficWindow : public QDialog {
    Q_OBJECT
  public:
    // session: its traffic log, how lines are shown, and saving it.
    explicit TrafficWindow(WindowSession& session, QWidget* parent = nullptr);
    ~TrafficWindow() override;

    // The view's text: one "time port direction line" a line.
    QString Text() const;

    QCheckBox* unmask() const { return unmask_; }
    QCheckBox* hex() const { return hex_; }
    QPlainTextEdit* view() const { return view_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString Render(const TrafficHistory::Entry& e) const;
    void Rebuild();
    void Append(const TrafficHistory::Entry& e);
    bool AtBottom() const;
    void ScrollToBottom();

    WindowSession& session_;
    TrafficHistory& log_;
    QPlainTextEdit* view_ = nullptr;
    QCheckBox* unmask_ = nullptr;
    QCheckBox* hex_ = nullptr;
};

}  // namespace wifi
