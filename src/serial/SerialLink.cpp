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

bool SendCommand(CMSComm& comm, const SleepFn& sleep, const std::string& line,
                 const ArrivedFn& arrived) {
    sleep(kSendPauseMs);
    if (line.size() > kMaxLineBytes) {
        throw CommError("command line too long to send (" + std::to_string(line.size()) +
                        " bytes)");
    }
    // A stray "OK" that lands during the pause must neither stand for the
    // command's acknowledgement nor vanish: it is judged now, before the send.
    if (!arrived(comm.GetInput())) {
        return false;
    }
    comm.SetOutput(Bytes(line.begin(), line.end()));
    return true;
}

std::optional<Bytes> ReadReceived(CMSComm& comm) {
    if (comm.GetCommEvent() != CMSComm::comEvReceive) {
        return std::nullopt;
    }
    return comm.GetInput();
}

}  // namespace wifi
