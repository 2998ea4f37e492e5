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
    // The report's lines as they arrive while the query is in flight, and
    // key lines that follow its last line before the connect reply.
    std::string reportText;
    // The report's last line came; key lines still join it until the module
    // connects. reportGrew: some did, after the report was parsed.
    bool reportOpen = false;
    bool reportGrew = false;
    // The last line taken while a command was in flight that did not settle
    // it ("+OK", an echo): what to name when its answer does not come.
    std::string lastLine;
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
        reportOpen = false;
        reportGrew = false;
        lastLine.clear();
        writeStep = 0;
        moduleReady = 0;
        inFlight = InFlight::None;
    }
    // A command went out. What was received before it is no reply to it; it
    // was judged before the send, and a line begun then is judged as one.
    void Sent(InFlight command) {
        rxBuffer.MarkSent();
        inFlight = command;
        lastLine.clear();
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
