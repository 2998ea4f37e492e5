#pragma once

#include <QDialog>

#include "serial/TrafficHistory.h"

class QCheckBox;
class QPlainTextEdit;

namespace wifi {

// 通信记录: the traffic as the command line's --trace shows it. The Wi-Fi key
// and the web password are masked unless the user unmasks them; a saved file
// holds what the view shows. Made when first asked for; the log records from
// the start.
class TrafficWindow : public QDialog {
    Q_OBJECT
  public:
    explicit TrafficWindow(TrafficHistory& log, QWidget* parent = nullptr);
    ~TrafficWindow() override;

    // The view's text: one "time port direction line" a line.
    QString Text() const;
    bool SaveTo(const QString& path, QString& error) const;

    QCheckBox* unmask() const { return unmask_; }

  private:
    QString Render(const TrafficHistory::Entry& e) const;
    void Rebuild();
    void OnSave();

    TrafficHistory& log_;
    QPlainTextEdit* view_ = nullptr;
    QCheckBox* unmask_ = nullptr;
};

}  // namespace wifi
