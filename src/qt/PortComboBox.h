#pragma once

#include <QComboBox>
#include <QStringList>

#include "ports/PortInfo.h"

class QTimer;

namespace wifi {

// The port list on a combo box: one entry per device of the core's PortList,
// reading like "ttyUSB0 — CH340 USB-Serial (1a86:7523)" in the open list and
// "ttyUSB0" in the narrow closed box, its tooltip the whole path. Each entry's data is the device,
// which is all the serial port is given.
//
// While it can be used (the port is closed), it follows the system: opening
// it refreshes the entries, and so does a look at the system once a second,
// keeping the chosen device. With no port at all it shows one placeholder
// entry that cannot be chosen.
class PortComboBox : public QComboBox {
    Q_OBJECT
  public:
    PortComboBox(const QStringList& named, QWidget* parent, PortSource source);
    void Refresh();
    // The once-a-second look: a refresh unless the port is open (the list is
    // disabled) or the user has the list open.
    void Poll();
    void showPopup() override;
    // What the closed box shows: the chosen port's short name ("ttyUSB0",
    // "COM3"); the open list shows each port's whole entry.
    QString ClosedText() const;

    // The chosen device; empty for none.
    QString Device() const;
    QString DeviceAt(int index) const;
    // The serial number of the chosen device's USB adapter; empty when unknown.
    QString SerialNumber() const;
    // Chooses a device: the one whose adapter has this serial number (it may
    // come back under another name), else the device itself. False when
    // neither is listed.
    bool Choose(const QString& device, const QString& serialNumber = {});

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Show();

    PortSource source_;
    PortList list_;
    QTimer* poll_ = nullptr;
};

}  // namespace wifi
