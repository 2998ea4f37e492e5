#include "SimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace wifi::e2e {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "wifi-e2e-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("mkdtemp failed");
    }
    path = pattern;
}

TempDir::~TempDir() {
    std::filesystem::remove_all(path);
}

bool WaitFor(const std::function<bool()>& cond, milliseconds bound) {
    const auto end = Clock::now() + bound;
    while (!cond()) {
        if (Clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(milliseconds(5));
    }
    return true;
}

namespace {

struct Spawned {
    int pid, in, out, err;
};

Spawned Spawn(const std::string& program, const std::vector<std::string>& args) {
    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) || pipe2(out, O_CLOEXEC) || pipe2(err, O_CLOEXEC)) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (rc != 0) {
        throw std::runtime_error(std::string("spawn failed: ") + std::strerror(rc));
    }
    return {pid, in[1], out[0], err[0]};
}

// One line from fd within the bound.
std::string ReadFirstLine(int fd, milliseconds bound) {
    std::string line;
    const auto end = Clock::now() + bound;
    while (Clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0) {
            continue;
        }
        char c;
        if (read(fd, &c, 1) != 1) {
            break;
        }
        if (c == '\n') {
            return line;
        }
        line.push_back(c);
    }
    return {};
}

}  // namespace

SimProcess::SimProcess(std::vector<std::string> args) {
    const auto s = Spawn(WIFI_MODULE_SIM, args);
    pid_ = s.pid;
    stdin_ = s.in;
    stdout_ = s.out;
    stderr_ = s.err;
    path_ = ReadFirstLine(stdout_, kBound);
}

SimProcess::~SimProcess() {
    if (!status_) {
        kill(pid_, SIGKILL);
        Wait();
    }
    for (int fd : {stdin_, stdout_, stderr_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

std::optional<int> SimProcess::Wait(milliseconds bound) {
    WaitFor(
        [&] {
            int st = 0;
            if (!status_ && waitpid(pid_, &st, WNOHANG) == pid_) {
                status_ = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
            }
            return status_.has_value();
        },
        bound);
    return status_;
}

void SimProcess::Signal(int sig) {
    kill(pid_, sig);
}

void SimProcess::CloseStdin() {
    close(stdin_);
    stdin_ = -1;
}

long SimProcess::RssKiB() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

RunResult RunSim(const std::vector<std::string>& args) {
    return Run(WIFI_MODULE_SIM, args);
}

RunResult Run(const std::string& program, const std::vector<std::string>& args,
              const std::string& input) {
    const auto s = Spawn(program, args);
    // Tests feed a profile or so: it fits the pipe, so the write cannot stall.
    if (!input.empty()) {
        [[maybe_unused]] const ssize_t written = write(s.in, input.data(), input.size());
    }
    close(s.in);
    RunResult r{};
    // Both pipes at once, so a chatty standard error cannot stall the child.
    std::array<pollfd, 2> fds{{{s.out, POLLIN, 0}, {s.err, POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&r.out, &r.err};
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        if (poll(fds.data(), fds.size(), 1000) < 0 && errno != EINTR) {
            break;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd >= 0 && fds[i].revents) {
                char buf[4096];
                const ssize_t n = read(fds[i].fd, buf, sizeof buf);
                if (n > 0) {
                    sinks[i]->append(buf, static_cast<std::size_t>(n));
                } else {
                    fds[i].fd = -1;
                }
            }
        }
    }
    int st = 0;
    rusage usage{};
    wait4(s.pid, &st, 0, &usage);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    r.peakKiB = usage.ru_maxrss;
    close(s.out);
    close(s.err);
    return r;
}

Child::Child(const std::string& program, const std::vector<std::string>& args) {
    const auto s = Spawn(program, args);
    close(s.in);
    pid_ = s.pid;
    stdout_ = s.out;
    stderr_ = s.err;
}

Child::~Child() {
    if (!ended_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    close(stdout_);
    close(stderr_);
}

void Child::Signal(int sig) {
    kill(pid_, sig);
}

std::optional<RunResult> Child::Finish(milliseconds bound) {
    int st = 0;
    if (!WaitFor([&] { return ended_ || (ended_ = waitpid(pid_, &st, WNOHANG) == pid_); }, bound)) {
        return std::nullopt;
    }
    RunResult r{WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st), {}, {}};
    for (auto [fd, sink] : {std::pair{stdout_, &r.out}, std::pair{stderr_, &r.err}}) {
        char buf[4096];
        for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) {
            sink->append(buf, static_cast<std::size_t>(n));
        }
    }
    return r;
}

Module::Module(std::vector<std::string> options, const std::string& stateText,
               const std::filesystem::path& linkAt) {
    if (!linkAt.empty()) {
        link = linkAt;
    }
    if (!stateText.empty()) {
        std::ofstream(state) << stateText;
    }
    options.insert(options.end(),
                   {"--state", state.string(), "--log", log.string(), "--link", link.string()});
    sim = std::make_unique<SimProcess>(options);
}

std::vector<std::string> Received(const std::filesystem::path& log) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(log));
    for (std::string entry; std::getline(in, entry);) {
        const auto at = entry.find(" recv \"");
        if (at != std::string::npos) {
            lines.push_back(entry.substr(at + 7, entry.size() - at - 7 - 5));
        }
    }
    return lines;
}

Line::Line(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) {
        throw std::runtime_error(path + ": " + std::strerror(errno));
    }
    termios tio{};
    tcgetattr(fd_, &tio);
    cfmakeraw(&tio);
    cfsetispeed(&tio, B19200);
    cfsetospeed(&tio, B19200);
    tcsetattr(fd_, TCSANOW, &tio);
}

Line::~Line() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

void Line::Write(const std::string& bytes) {
    std::size_t done = 0;
    const auto end = Clock::now() + kBound;
    while (done < bytes.size() && Clock::now() < end) {
        const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EAGAIN) {
            throw std::runtime_error(std::string("write: ") + std::strerror(errno));
        } else {
            pollfd p{fd_, POLLOUT, 0};
            poll(&p, 1, 20);
        }
    }
}

bool Line::ReadSome(int timeoutMs) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) {
        return false;
    }
    char buf[8192];
    const ssize_t n = read(fd_, buf, sizeof buf);
    if (n > 0) {
        received_.append(buf, static_cast<std::size_t>(n));
        return true;
    }
    if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        hungUp_ = true;
    }
    return false;
}

std::string Line::ReadUntil(const std::string& until, milliseconds bound) {
    const auto end = Clock::now() + bound;
    while (received_.find(until) == std::string::npos && !hungUp_ && Clock::now() < end) {
        ReadSome(20);
    }
    const auto at = received_.find(until);
    const auto cut = at == std::string::npos ? received_.size() : at + until.size();
    std::string out = received_.substr(0, cut);
    received_.erase(0, cut);
    return out;
}

bool Line::WaitHangUp(milliseconds bound) {
    const auto end = Clock::now() + bound;
    while (!hungUp_ && Clock::now() < end) {
        ReadSome(20);
    }
    return hungUp_;
}

}  // namespace wifi::e2e
