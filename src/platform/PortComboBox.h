#pragma once

#include <QComboBox>
#include <QStringList>

namespace wifi {

// The port list. While it can be used (the port is closed), opening it
// refreshes its entries, keeping the chosen one.
class PortComboBox : public QComboBox {
    Q_OBJECT
  public:
    PortComboBox(QStringList named, QWidget* parent = nullptr);
    void Refresh();
    void showPopup() override;

  private:
    QStringList named_;
};

}  // namespace wifi
