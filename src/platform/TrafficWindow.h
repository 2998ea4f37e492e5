#pragma once

#include <QDateTime>
#include <QDialog>
#include <deque>
#include <string>

#include "platform/TappedComm.h"

class QCheckBox;
class QPlainTextEdit;

namespace wifi {

// 通信记录: every line sent to and received from the module, with its time and
// direction, as the command line's --trace shows them. The Wi-Fi key and the
// web password are masked unless the user unmasks them; a saved file holds
// what the view shows. It keeps the latest kMaxLines lines.
class TrafficWindow : public QDialog {
    Q_OBJECT
  public:
    static constexpr std::size_t kMaxLines = 5000;

    explicit TrafficWindow(QWidget* parent = nullptr);

    void Add(LineDirection direction, const std::string& line);
    // The view's text: one "time port direction line" a line.
    QString Text() const;
    bool SaveTo(const QString& path, QString& error) const;
    void SetPort(const QString& port) { port_ = port; }

    QCheckBox* unmask() const { return unmask_; }

  private:
    struct Entry {
        QDateTime time;
        QString port;
        LineDirection direction;
        std::string line;
    };
    QString Render(const Entry& e) const;
    void Rebuild();
    void OnSave();

    std::deque<Entry> entries_;
    QString port_;
    QPlainTextEdit* view_ = nullptr;
    QCheckBox* unmask_ = nullptr;
};

}  // namespace wifi
