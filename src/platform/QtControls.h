#pragma once

#include <QHash>
#include <QString>

#include "form/Controls.h"

class QWidget;

namespace wifi {

// The dialog's controls on Qt widgets, found by id. Texts that travel to the
// module are converted with the local 8-bit codec; the status field and the
// list entries are interface texts and stay UTF-8.
class QtControls : public Controls {
  public:
    void Add(int id, QWidget* widget) { widgets_.insert(id, widget); }
    QWidget* Widget(int id) const;
    // The parent of message boxes and their caption.
    void SetWindow(QWidget* window, const QString& caption);

    int GetCurSel(int id) const override;
    void SetCurSel(int id, int index) override;
    std::string GetWindowText(int id) const override;
    void SetWindowText(int id, const std::string& text) override;
    int GetCheck(int id) const override;
    void SetCheck(int id, int state) override;
    bool IsBlank(int id) const override;
    Address GetAddress(int id) const override;
    void SetAddress(int id, const Address& address) override;
    void EnableWindow(int id, bool enable) override;
    bool IsWindowEnabled(int id) const override;
    void SetFocus(int id) override;
    void MessageBox(std::string_view text, MessageType type) override;

  private:
    template <class T>
    T* As(int id) const;

    QHash<int, QWidget*> widgets_;
    QWidget* window_ = nullptr;
    QString caption_;
};

}  // namespace wifi
