#pragma once

// Starts wifi-module-sim as a child process and talks to it over its real
// pseudo-terminal, the way the configuration tool does. Every wait is bounded
// and ends as soon as its condition holds.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wifi::e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
inline constexpr milliseconds kBound{10000};

// A whole file, empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// A fresh folder under the temporary directory, removed with everything in it.
struct TempDir {
    std::filesystem::path path;
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
};

// Polls cond every few milliseconds until it holds or the bound passes.
bool WaitFor(const std::function<bool()>& cond, milliseconds bound = kBound);

class SimProcess {
  public:
    explicit SimProcess(std::vector<std::string> args);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The terminal path from the first line of standard output; empty when
    // the process ended without one.
    const std::string& path() const { return path_; }

    // Exit status once the process has ended within the bound.
    std::optional<int> Wait(milliseconds bound = kBound);
    void Signal(int sig);
    void CloseStdin();
    // Resident memory in KiB, from /proc.
    long RssKiB() const;

  private:
    int pid_ = -1;
    int stdin_ = -1;
    int stdout_ = -1;
    int stderr_ = -1;
    std::string path_;
    std::optional<int> status_;
};

// Runs the simulator to its end (for --help and bad arguments).
struct RunResult {
    int status;
    std::string out, err;
    long peakKiB = 0;  // the program's peak resident memory (Run only)
};
RunResult RunSim(const std::vector<std::string>& args);
// Runs any program to its end; standard input gives `input`, then ends.
RunResult Run(const std::string& program, const std::vector<std::string>& args,
              const std::string& input = {});

// Any program started in the background, standard input closed; what it
// printed is read once it has ended (tests print little).
class Child {
  public:
    Child(const std::string& program, const std::vector<std::string>& args);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    void Signal(int sig);
    // The status and the output once the program has ended within the bound;
    // nothing if it has not.
    std::optional<RunResult> Finish(milliseconds bound = kBound);

  private:
    int pid_ = -1;
    int stdout_ = -1;
    int stderr_ = -1;
    bool ended_ = false;
};

// One simulated module with its state file, log and link in a folder of its
// own; the link may be put elsewhere (a COM port of a Wine prefix).
struct Module {
    TempDir dir;
    std::filesystem::path state = dir.path / "module.txt";
    std::filesystem::path log = dir.path / "traffic.log";
    std::filesystem::path link = dir.path / "module";
    std::unique_ptr<SimProcess> sim;

    explicit Module(std::vector<std::string> options = {}, const std::string& stateText = {},
                    const std::filesystem::path& linkAt = {});
    std::string port() const { return link.string(); }
};

// The command lines a simulator received, from its log.
std::vector<std::string> Received(const std::filesystem::path& log);

// The client side of the line: raw mode, like a serial port at 19200 8N1.
class Line {
  public:
    explicit Line(const std::string& path);
    ~Line();
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    void Write(const std::string& bytes);
    void Send(const std::string& command) { Write(command + "\r\n"); }
    // Reads until `until` occurs in what was received, or the bound passes.
    // Returns everything received so far and consumes it.
    std::string ReadUntil(const std::string& until, milliseconds bound = kBound);
    // True once the far side hung up (read fails or reports end).
    bool WaitHangUp(milliseconds bound = kBound);

  private:
    bool ReadSome(int timeoutMs);
    int fd_ = -1;
    bool hungUp_ = false;
    std::string received_;
};

}  // namespace wifi::e2e
