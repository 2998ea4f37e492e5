#pragma once

#include <deque>
#include <optional>
#include <utility>

#include "LineReader.h"
#include "ModuleLogic.h"
#include "Options.h"
#include "OutputQueue.h"
#include "Pty.h"
#include "TrafficLog.h"

namespace sim {

// Serves one pseudo-terminal: reads command lines, answers them through the
// module logic, paces and chunks the answers, adds noise, hangs up when told.
class Server {
  public:
    Server(const Options& options, ModuleLogic& module, Pty& pty, TrafficLog& log);

    // What Run returns when the module restarts after a save (never an exit
    // status).
    static constexpr int kRestart = -1;

    // Runs until stopFd becomes readable (a signal arrived), standard input
    // closes, or the terminal was hung up. Returns the exit status, or
    // kRestart.
    int Run(int stopFd);

  private:
    void Receive();
    void HandleArrived();
    void HandleLine(const std::string& line);
    void Send(std::string_view bytes);
    void Flush();
    void SaveIfAsked(bool saved);

    const Options& options_;
    ModuleLogic& module_;
    Pty& pty_;
    TrafficLog& log_;
    OutputQueue out_;
    LineReader reader_;
    // Received lines and when their last byte has crossed the line: with a
    // pace, the tool's bytes take their wire time too before the module acts.
    std::deque<std::pair<OutputQueue::Clock::time_point, LineReader::Item>> arrived_;
    OutputQueue::Clock::time_point rxWireFreeAt_{};
    long lines_ = 0;
    bool hangingUp_ = false;
    bool restarting_ = false;  // the hang-up is a restart after a save
    // When a restart after a save begins.
    std::optional<OutputQueue::Clock::time_point> restartAt_;
    static constexpr std::chrono::milliseconds kRestartDelay{50};
    bool writeBlocked_ = false;
    // When the one unsolicited "OK" after a "CONNECTED" is due.
    std::optional<OutputQueue::Clock::time_point> strayOkAt_;
    // When each second "OK" of a module that answers twice is due.
    std::deque<OutputQueue::Clock::time_point> secondOkAt_;
    // A late refusal of the save, and when it is due.
    std::optional<OutputQueue::Clock::time_point> lateRefusalAt_;
    long seen_ = 0;              // command lines received
    unsigned long flooded_ = 0;  // lines of a flood sent
};

}  // namespace sim
