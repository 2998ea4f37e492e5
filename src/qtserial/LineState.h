#pragma once

#include <cstdint>

namespace wifi {

// Whether the line behind an open port's system handle has hung up or
// failed, asked without waiting. QSerialPort takes a read that found no byte
// (a terminal in raw mode, under a flood) for a read error: only this tells
// a device gone from a line that is merely busy.
bool LineFailed(std::intptr_t handle);

}  // namespace wifi
