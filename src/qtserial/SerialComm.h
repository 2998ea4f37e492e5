#pragma once

#include <QObject>
#include <QSerialPort>
#include <functional>

#include "serial/CMSComm.h"
#include "serial/CommError.h"

namespace wifi {

// The communications control on QSerialPort. Port numbers are positions in
// the port list (1 is its first entry); portName turns one into a device.
// A failing access throws CommError with a description that names the port
// and the reason.
//
// Once open, any error of the port (read, write, resource, unknown) closes it
// at its first report and raises portLost once, after the handler in progress
// has returned. On a pseudo-terminal whose far side hangs up QSerialPort
// reports ReadError in a tight loop and never ResourceError; closing at once
// is what stops that loop.
class SerialComm : public QObject, public CMSComm {
    Q_OBJECT
  public:
    explicit SerialComm(std::function<QString(int)> portName, QObject* parent = nullptr);

    void SetCommPort(short port) override;
    void SetInputMode(long mode) override;
    void SetInBufferSize(short size) override;
    void SetOutBufferSize(short size) override;
    void SetSettings(const std::string& settings) override;
    void SetPortOpen(bool open) override;
    bool GetPortOpen() override;
    void SetRThreshold(short threshold) override;
    void SetInputLen(short length) override;
    Bytes GetInput() override;
    void SetOutput(const Bytes& bytes) override;
    short GetCommEvent() override;
    void SetInBufferCount(short count) override;

    // The device of the open port, or of the last one tried.
    const QString& portName() const { return device_; }

  signals:
    // The receive event: data arrived (GetCommEvent says 2).
    void commEvent();
    // The open port failed or vanished and has been closed.
    // description names the port and says what happened; detail is the
    // system's own text.
    void portLost(const QString& description, const QString& detail);

  private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    CommError Failure(QSerialPort::SerialPortError error) const;
    CommError Closed() const;

    std::function<QString(int)> portNameOf_;
    QSerialPort port_;
    QString device_;
    short commPort_ = 0;
    short inBufferSize_ = 1024;
    short event_ = 0;
    bool lostTold_ = false;
    bool reading_ = false;  // GetInput is fetching: its bytes raise no event
};

}  // namespace wifi
