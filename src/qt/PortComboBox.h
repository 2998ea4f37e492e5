#pragma once

#include <QComboBox>
#include <functional>

#include "ports/PortInfo.h"

class QTimer;

namespace wifi {

// The port list on a combo box: one entry per device of the window session's
// PortList, reading like "ttyUSB0 — CH340 USB-Serial (1a86:7523)" in the open
// list and "ttyUSB0" in the narrow closed box, its tooltip the whole path.
// Each entry's data is the device, which is all the serial port is given.
// With no port at all it shows one placeholder entry that cannot be chosen.
//
// Opening the list and a look once a second ask the session to refresh it;
// the session decides whether the list follows the system.
class PortComboBox : public QComboBox {
    Q_OBJECT
  public:
    PortComboBox(PortList& list, std::function<void()> refresh, QWidget* parent);
    // The entries and the choice of the list, drawn again.
    void Show();
    // The once-a-second look, unless the user has the list open.
    void Poll();
    void showPopup() override;
    // What the closed box shows: the chosen port's short name ("ttyUSB0",
    // "COM3"); the open list shows each port's whole entry.
    QString ClosedText() const;

    // The chosen device; empty for none.
    QString Device() const;
    QString DeviceAt(int index) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PortList& list_;
    std::function<void()> refresh_;
    QTimer* poll_ = nullptr;
};

}  // namespace wifi
