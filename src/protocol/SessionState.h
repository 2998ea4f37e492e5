#pragma once

#include <cstdint>
#include <string>

#include "protocol/ReceiveBuffer.h"

namespace wifi {

// The protocol's progress, shared by the receive handling, the report parser
// and the write sequence of one connection context.
struct SessionState {
    // Bytes received and not yet consumed by a branch of the dispatcher.
    ReceiveBuffer rxBuffer;
    // A complete configuration report while the parser reads it.
    std::string reportText;
    // The write step performed last; 0 before the first step of a sequence.
    std::uint32_t writeStep = 0;
    // 1 from the module's connected reply until a write sequence completes.
    std::int32_t moduleReady = 0;
    // A submit came in this connection and its sequence has not completed.
    // Acknowledgements drive the write sequence only then: an "OK" the module
    // sends of its own accord must not write the form to it.
    bool submitted = false;
    // The refusal in the buffer has been told; it stays there until a branch
    // empties the buffer, and is told once.
    bool refusalTold = false;

    // Received bytes are done with: the buffer is emptied.
    void ClearReceived() {
        rxBuffer.Clear();
        refusalTold = false;
    }
    // A new connection starts a new session: nothing received or counted on an
    // earlier connection may reach this module's report or send it a write
    // command.
    void StartConnection() {
        ClearReceived();
        writeStep = 0;
        moduleReady = 0;
        submitted = false;
    }
    // The save was acknowledged. Everything is settled before the completion
    // message opens: events handled while it is open must find the sequence
    // finished, not restart it.
    void FinishSequence() {
        writeStep = 0;
        moduleReady = 0;
        submitted = false;
        ClearReceived();
    }
};

}  // namespace wifi
