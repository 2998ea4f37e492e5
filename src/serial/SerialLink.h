#pragma once

#include <functional>
#include <optional>
#include <string>

#include "serial/CMSComm.h"

namespace wifi {

// Blocks the calling thread for the given milliseconds. Injected so that tests
// record the pauses instead of waiting for them.
using SleepFn = std::function<void(unsigned milliseconds)>;

// The link to the module always runs at these settings; the baud rate shown in
// the form is a module parameter and never changes them.
inline constexpr const char* kLinkSettings = "19200,n,8,1";
inline constexpr short kInBufferSize = 1024;
inline constexpr short kOutBufferSize = 512;
inline constexpr unsigned kSendPauseMs = 10;

bool IsPortOpen(CMSComm& comm);

// Opens the port of the given list index (-1 when nothing is selected, which
// asks for port number 0 and is refused by the control).
void OpenPort(CMSComm& comm, int portIndex);

void ClosePort(CMSComm& comm);

// Told what arrived before a command goes out; says whether it may go out.
using ArrivedFn = std::function<bool(const Bytes& arrived)>;

// Transmits one complete command line, line end included, after the fixed
// pause. What arrived and was not yet read is read first and handed to
// `arrived`, which judges it with no command in flight: nothing received is
// discarded unseen, and nothing received before the command can answer it.
// False, and nothing sent, when `arrived` says no. Throws CommError for a
// line longer than a 16-bit count can hold.
// The longest command line the serial layer sends in one piece, its line end
// included: a value that makes a longer one is refused before anything goes
// out.
inline constexpr std::size_t kMaxLineBytes = 65535;

bool SendCommand(CMSComm& comm, const SleepFn& sleep, const std::string& line,
                 const ArrivedFn& arrived);

// The bytes of one receive event, or nothing when the event is not "data
// received" (a line-state change, for example).
std::optional<Bytes> ReadReceived(CMSComm& comm);

}  // namespace wifi
