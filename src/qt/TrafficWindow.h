#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "serial/TrafficHistory.h"

class QCheckBox;
class QPlainTextEdit;

namespace wifi {

// 通信记录: every line to and from the module, with its date and time. Texts
// are decoded in the form's encoding unless the user asks for bytes; the
// Wi-Fi key and the web password are masked unless the user unmasks them; a
// saved file holds what the view shows. It opens at the latest line and
// follows new ones unless the user has scrolled up. Made when first asked
// for; the log records from the start.
class TrafficWindow : public QDialog {
    Q_OBJECT
  public:
    using Decode = std::function<std::optional<std::string>(std::string_view)>;
    // decode: a line's bytes as text in the form's encoding, asked each time.
    explicit TrafficWindow(TrafficHistory& log, Decode decode = {}, QWidget* parent = nullptr);
    ~TrafficWindow() override;

    // The view's text: one "time port direction line" a line.
    QString Text() const;
    bool SaveTo(const QString& path, QString& error) const;

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
    void OnSave();

    TrafficHistory& log_;
    QPlainTextEdit* view_ = nullptr;
    QCheckBox* unmask_ = nullptr;
    QCheckBox* hex_ = nullptr;
    Decode decode_;
};

}  // namespace wifi
