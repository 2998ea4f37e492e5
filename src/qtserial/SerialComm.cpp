#include "qtserial/SerialComm.h"

#include <QFileInfo>
#include <QTimer>

#include "ports/PortInfo.h"
#include "qtserial/LineState.h"
#include "serial/CommError.h"
#include "serial/PortSettings.h"

namespace wifi {

SerialComm::SerialComm(std::function<QString(int)> portName, QObject* parent)
    : QObject(parent), portNameOf_(std::move(portName)) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialComm::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialComm::OnError);
}

void SerialComm::SetCommPort(short port) {
    commPort_ = port;
}

// Input is always bytes and everything available is read; nothing to set.
void SerialComm::SetInputMode(long) {}
void SerialComm::SetRThreshold(short) {}
void SerialComm::SetInputLen(short) {}
void SerialComm::SetOutBufferSize(short) {}

void SerialComm::SetInBufferSize(short size) {
    inBufferSize_ = size > 0 ? size : 1024;
}

void SerialComm::SetSettings(const std::string& settings) {
    const auto s = ParsePortSettings(settings);
    if (!s) {
        throw CommError("unsupported port settings: " + settings);
    }
    port_.setBaudRate(s->baud);
    port_.setParity(s->parity == PortSettings::Parity::Even  ? QSerialPort::EvenParity
                    : s->parity == PortSettings::Parity::Odd ? QSerialPort::OddParity
                                                             : QSerialPort::NoParity);
    port_.setDataBits(s->dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
    port_.setStopBits(s->stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

void SerialComm::SetPortOpen(bool open) {
    if (!open) {
        port_.close();
        return;
    }
    if (port_.isOpen()) {
        throw CommError(device_.toStdString() + ": port already open", CommFailure::Busy,
                        device_.toStdString());
    }
    const QString name = commPort_ > 0 ? portNameOf_(commPort_) : QString();
    if (name.isEmpty()) {
        throw commPort_ <= 0
            ? CommError("no port selected: choose one in the port list",
                        CommFailure::NoPortSelected)
            : CommError("no such port: " + std::to_string(commPort_), CommFailure::NoSuchDevice);
    }
    device_ = name;
    port_.setPortName(name);
    // A line that floods faster than the window takes it cannot grow memory:
    // Qt stops reading from the device past this.
    port_.setReadBufferSize(64 * 1024);
    if (!port_.open(QIODevice::ReadWrite)) {
        throw Failure(port_.error());
    }
    // Bytes that waited in the device before the open (an earlier report's
    // tail, a stale "CONNECTED") are discarded at the device itself: the
    // first read after the open sees only what came since.
    port_.clear(QSerialPort::Input);
    lostTold_ = false;
    event_ = 0;
}

bool SerialComm::GetPortOpen() {
    return port_.isOpen();
}

Bytes SerialComm::GetInput() {
    if (!port_.isOpen()) {
        throw Closed();
    }
    // What the system holds and the event loop has not fetched yet belongs
    // here too: a read before a command must see everything that came.
    reading_ = true;
    port_.waitForReadyRead(0);
    reading_ = false;
    if (!port_.isOpen()) {
        throw Closed();
    }
    const QByteArray data = port_.read(inBufferSize_);
    if (port_.bytesAvailable() > 0) {
        // More than one buffer's worth: deliver the rest in the next event.
        QTimer::singleShot(0, this, &SerialComm::OnReadyRead);
    }
    return Bytes(data.begin(), data.end());
}

void SerialComm::SetOutput(const Bytes& bytes) {
    if (!port_.isOpen()) {
        throw Closed();
    }
    const auto data = QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
    if (port_.write(data) != data.size()) {
        throw Failure(port_.error());
    }
    port_.flush();
}

void SerialComm::SetInBufferCount(short count) {
    if (count == 0 && port_.isOpen()) {
        port_.clear(QSerialPort::Input);
    }
}

short SerialComm::GetCommEvent() {
    return event_;
}

void SerialComm::OnReadyRead() {
    if (reading_ || !port_.isOpen() || port_.bytesAvailable() <= 0) {
        return;
    }
    event_ = comEvReceive;
    emit commEvent();
}

void SerialComm::OnError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::TimeoutError) {
        port_.clearError();  // the look for waiting bytes found none
        return;
    }
    if (error == QSerialPort::NoError || !port_.isOpen()) {
        return;  // a failed open is reported by the open itself
    }
    if (error == QSerialPort::ReadError && !LineFailed(port_.handle())) {
        port_.clearError();  // a read that found nothing: the line is alive
        return;
    }
    // Any failure of an open port is, in practice, the device gone: a USB
    // adapter pulled, or the far side of the line hung up.
    const QString detail = port_.errorString();
    const QString description = device_ +
                                QStringLiteral(": the device was unplugged or the line hung up (") +
                                detail + QStringLiteral(")");
    port_.close();
    if (lostTold_) {
        return;
    }
    lostTold_ = true;
    QMetaObject::invokeMethod(
        this, [this, description, detail] { emit portLost(description, detail); },
        Qt::QueuedConnection);
}

CommError SerialComm::Failure(QSerialPort::SerialPortError error) const {
    const std::string name = device_.toStdString();
    const std::string detail = port_.errorString().toStdString();
    auto failure = [&](CommFailure kind, const std::string& what) {
        return CommError(name + ": " + what, kind, name, detail);
    };
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return failure(CommFailure::NoSuchDevice, "no such device");
        case QSerialPort::PermissionError: {
            // Qt reports a busy port as a permission error too; on Windows,
            // where no group guards a COM port, that is all it means.
            const QFileInfo device(
                device_.startsWith(QLatin1Char('/')) ? device_ : QStringLiteral("/dev/") + device_);
            if (ThisSystem() == PortSystem::Windows ||
                (device.exists() && device.isReadable() && device.isWritable())) {
                return failure(CommFailure::Busy, "port busy: another program is using it");
            }
            return failure(CommFailure::PermissionDenied,
                           "permission denied: add the user to the dialout group");
        }
        case QSerialPort::OpenError: return failure(CommFailure::Busy, "port busy: already open");
        default: return failure(CommFailure::Other, detail);
    }
}

CommError SerialComm::Closed() const {
    return CommError(device_.toStdString() + ": port is closed", CommFailure::PortClosed,
                     device_.toStdString());
}

}  // namespace wifi
