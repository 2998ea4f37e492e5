#pragma once

#include <QDateTime>
#include <QDialog>
#include <deque>
#include <functional>
#include <string>

#include "platform/TappedComm.h"

class QCheckBox;
class QPlainTextEdit;

namespace wifi {

// Every line sent to and received from the module, with its time, port and
// direction: the latest kMaxLines of them.
class TrafficLog {
  public:
    static constexpr std::size_t kMaxLines = 5000;
    struct Entry {
        QDateTime time;
        QString port;
        LineDirection direction;
        std::string line;
    };
    void Add(const QString& port, LineDirection direction, const std::string& line);
    void Clear() { entries_.clear(); }
    const std::deque<Entry>& entries() const { return entries_; }
    // Told each line as it is added (the open view).
    std::function<void(const Entry&)> onAdded;

  private:
    std::deque<Entry> entries_;
};

// 通信记录: the traffic as the command line's --trace shows it. The Wi-Fi key
// and the web password are masked unless the user unmasks them; a saved file
// holds what the view shows. Made when first asked for; the log records from
// the start.
class TrafficWindow : public QDialog {
    Q_OBJECT
  public:
    explicit TrafficWindow(TrafficLog& log, QWidget* parent = nullptr);
    ~TrafficWindow() override;

    // The view's text: one "time port direction line" a line.
    QString Text() const;
    bool SaveTo(const QString& path, QString& error) const;

    QCheckBox* unmask() const { return unmask_; }

  private:
    QString Render(const TrafficLog::Entry& e) const;
    void Rebuild();
    void OnSave();

    TrafficLog& log_;
    QPlainTextEdit* view_ = nullptr;
    QCheckBox* unmask_ = nullptr;
};

}  // namespace wifi
