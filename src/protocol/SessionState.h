#pragma once

#include <cstdint>
#include <string>

#include "protocol/ReceiveBuffer.h"

namespace wifi {

// The command whose reply is awaited. One command is in flight at a time, and
// each awaits its own replies: the configuration query a report or "ERROR",
// the connect request "CONNECTED" or "ERROR", every command of the write
// sequence (the configure command, the parameters, the save) "OK" or "ERROR".
enum class InFlight { None, Query, Connect, Write };

// The protocol's progress, shared by the receive handling, the report parser
// and the write sequence of one connection context.
struct SessionState {
    // Bytes received and not yet taken as lines.
    ReceiveBuffer rxBuffer;
    // The report's lines as they arrive while the query is in flight.
    std::string reportText;
    // The write step performed last; 0 before the first step of a sequence,
    // and while the configure command is in flight.
    std::uint32_t writeStep = 0;
    // 1 from the module's connected reply until a write sequence completes.
    std::int32_t moduleReady = 0;
    InFlight inFlight = InFlight::None;

    // A new connection starts a new session: nothing received or counted on an
    // earlier connection may reach this module's report or send it a write
    // command.
    void StartConnection() {
        rxBuffer.Clear();
        reportText.clear();
        writeStep = 0;
        moduleReady = 0;
        inFlight = InFlight::None;
    }
    // A command went out. What was received before it is no reply to it; it
    // was judged before the send, and a line begun then is judged as one.
    void Sent(InFlight command) {
        rxBuffer.MarkSent();
        inFlight = command;
    }
    // The command in flight was answered, or given up.
    void Settle() { inFlight = InFlight::None; }
    // The save was acknowledged. Everything is settled before the completion
    // message opens: events handled while it is open must find the sequence
    // finished, not restart it.
    void FinishSequence() {
        writeStep = 0;
        moduleReady = 0;
        inFlight = InFlight::None;
    }
};

}  // namespace wifi
