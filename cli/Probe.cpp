#include "Probe.h"

#include <QEventLoop>
#include <QTimer>

#include "protocol/Commands.h"
#include "protocol/ReceiveBuffer.h"
#include "qtserial/SerialComm.h"

namespace cli {

using namespace wifi;

Probe ProbeForReport(const std::string& port, int timeoutMs) {
    Probe probe;
    const QString device = QString::fromStdString(port);
    SerialComm comm([device](int) { return device; });
    try {
        comm.SetCommPort(1);
        comm.SetSettings("19200,n,8,1");
        comm.SetPortOpen(true);
    } catch (const CommError& e) {
        probe.found = e.kind() == CommFailure::Busy           ? Probe::Found::Busy
                      : e.kind() == CommFailure::NoSuchDevice ? Probe::Found::Missing
                                                              : Probe::Found::Failed;
        probe.error = e.what();
        return probe;
    }
    QEventLoop loop;
    // The wait counts from the last byte, as every wait for a module does: a
    // slow report still arriving is not cut off. Six waits at most in all.
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer cap;
    cap.setSingleShot(true);
    QObject::connect(&cap, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&comm, &SerialComm::portLost, &loop, [&](const QString& description) {
        probe.found = Probe::Found::Missing;
        probe.error = description.toStdString();
        loop.quit();
    });
    ReceiveBuffer received;
    QObject::connect(&comm, &SerialComm::commEvent, &loop, [&] {
        Bytes bytes;
        try {
            bytes = comm.GetInput();
        } catch (const CommError& e) {  // the port failed under the read
            probe.found = Probe::Found::Failed;
            probe.error = e.what();
            loop.quit();
            return;
        }
        received.Append(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        if (!bytes.empty()) {
            limit.start(timeoutMs);
        }
        while (auto line = received.TakeLine()) {
            probe.report += line->text + "\r\n";
            if (line->text.starts_with(token::kReportEnd)) {
                probe.found = Probe::Found::Module;
                loop.quit();
            }
        }
    });
    try {
        const std::string query = std::string(cmd::kCheckConfig) + std::string(cmd::kLineEnd);
        comm.SetOutput(Bytes(query.begin(), query.end()));
    } catch (const CommError& e) {
        probe.found = Probe::Found::Failed;
        probe.error = e.what();
        return probe;
    }
    limit.start(timeoutMs);
    cap.start(6 * timeoutMs);
    loop.exec();
    if (comm.GetPortOpen()) {
        comm.SetPortOpen(false);
    }
    return probe;
}

}  // namespace cli
