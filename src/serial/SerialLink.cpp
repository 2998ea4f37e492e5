#include "serial/SerialLink.h"

#include <limits>

#include "serial/CommError.h"

namespace wifi {

bool IsPortOpen(CMSComm& comm) {
    return comm.GetPortOpen();
}

void OpenPort(CMSComm& comm, int portIndex) {
    comm.SetCommPort(static_cast<short>(portIndex + 1));
    comm.SetInputMode(CMSComm::comInputModeBinary);
    comm.SetInBufferSize(kInBufferSize);
    comm.SetOutBufferSize(kOutBufferSize);
    comm.SetSettings(kLinkSettings);
    comm.SetPortOpen(true);
    comm.SetRThreshold(1);  // an event for every arrival of data
    comm.SetInputLen(0);    // Input returns everything available
    // Bytes pending from before the open must never reach the receive buffer.
    (void)comm.GetInput();
}

void ClosePort(CMSComm& comm) {
    comm.SetPortOpen(false);
}

void SendCommand(CMSComm& comm, const SleepFn& sleep, const std::string& line) {
    sleep(kSendPauseMs);
    if (line.size() > std::numeric_limits<std::uint16_t>::max()) {
        throw CommError("command line too long to send (" + std::to_string(line.size()) +
                        " bytes)");
    }
    // What arrived before the command goes out is no reply to it: a stray
    // "OK" that lands during the pause must not stand for its acknowledgement.
    comm.SetInBufferCount(0);
    comm.SetOutput(Bytes(line.begin(), line.end()));
}

std::optional<Bytes> ReadReceived(CMSComm& comm) {
    if (comm.GetCommEvent() != CMSComm::comEvReceive) {
        return std::nullopt;
    }
    return comm.GetInput();
}

}  // namespace wifi
