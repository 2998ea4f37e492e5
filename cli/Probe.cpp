#include "Probe.h"

#include <asio/steady_timer.hpp>
#include <chrono>

#include "asioserial/AsioComm.h"
#include "protocol/Commands.h"
#include "protocol/ReceiveBuffer.h"
#include "serial/SerialLink.h"

namespace cli {

using namespace wifi;

Probe ProbeForReport(const std::string& port, int timeoutMs) {
    Probe probe;
    EventPump pump;
    AsioComm comm(pump, [&port](int) { return port; });
    try {
        comm.SetCommPort(1);
        comm.SetSettings(kLinkSettings);
        comm.SetPortOpen(true);
    } catch (const CommError& e) {
        probe.found = e.kind() == CommFailure::Busy           ? Probe::Found::Busy
                      : e.kind() == CommFailure::NoSuchDevice ? Probe::Found::Missing
                                                              : Probe::Found::Failed;
        probe.error = e.what();
        return probe;
    }
    bool done = false;
    // The wait counts from the last byte, as every wait for a module does: a
    // slow report still arriving is not cut off. Six waits at most in all.
    const std::chrono::milliseconds wait(timeoutMs);
    asio::steady_timer limit(pump.io());
    asio::steady_timer cap(pump.io());
    auto restart = [&](asio::steady_timer& timer, std::chrono::milliseconds after) {
        timer.expires_after(after);
        timer.async_wait([&done](const std::error_code& error) {
            done = done || !error;  // a restart cancels the wait before
        });
    };
    comm.onLost = [&](const CommError& lost) {
        probe.found = Probe::Found::Missing;
        probe.error = lost.what();
        done = true;
    };
    ReceiveBuffer received;
    comm.onReceive = [&] {
        Bytes bytes;
        try {
            bytes = comm.GetInput();
        } catch (const CommError& e) {  // the port failed under the read
            probe.found = Probe::Found::Failed;
            probe.error = e.what();
            done = true;
            return;
        }
        received.Append(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        if (!bytes.empty()) {
            restart(limit, wait);
        }
        while (auto line = received.TakeLine()) {
            probe.report += line->text + "\r\n";
            if (line->text.starts_with(token::kReportEnd)) {
                probe.found = Probe::Found::Module;
                done = true;
            }
        }
    };
    try {
        const std::string query = std::string(cmd::kCheckConfig) + std::string(cmd::kLineEnd);
        comm.SetOutput(Bytes(query.begin(), query.end()));
    } catch (const CommError& e) {
        probe.found = Probe::Found::Failed;
        probe.error = e.what();
        return probe;
    }
    restart(limit, wait);
    restart(cap, 6 * wait);
    pump.RunUntil([&] { return done; });
    if (comm.GetPortOpen()) {
        comm.SetPortOpen(false);
    }
    return probe;
}

}  // namespace cli
