// wifi-module-sim: a Wi-Fi serial module on a pseudo-terminal.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "ModuleConfig.h"
#include "ModuleLogic.h"
#include "Options.h"
#include "Pty.h"
#include "Server.h"
#include "TrafficLog.h"
#include "Version.h"
#include "form/Fields.h"

namespace {

int stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 0;
    [[maybe_unused]] const auto n = ::write(stopPipe[1], &byte, 1);
}

int Fail(const std::string& reason) {
    std::fprintf(stderr, "wifi-module-sim: %s\n", reason.c_str());
    return 1;
}

// A symlink PATH -> target; an existing symlink at PATH is replaced, anything
// else there is left alone and reported.
bool MakeLink(const std::string& path, const std::string& target, std::string& error) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            error = path + ": exists and is not a symlink";
            return false;
        }
        ::unlink(path.c_str());
    }
    if (::symlink(target.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

// Removes the link if it still leads to this simulator's terminal; the next
// simulator may have taken the path over already.
void RemoveOwnLink(const std::optional<std::string>& link, const std::string& terminal) {
    if (!link) {
        return;
    }
    char target[4096];
    const ssize_t n = ::readlink(link->c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == terminal) {
        ::unlink(link->c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto parsed = sim::ParseArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "wifi-module-sim: %s\nTry 'wifi-module-sim --help'.\n",
                     parsed.error.c_str());
        return 2;
    }
    if (parsed.help) {
        std::fputs(sim::kHelpText, stdout);
        return 0;
    }
    if (parsed.version) {
        std::printf("wifi-module-sim %s\n", wifi::kVersion);
        return 0;
    }
    const sim::Options& options = parsed.options;

    std::string error;
    auto config = options.state ? sim::LoadState(*options.state, error)
                                : std::optional(sim::ModuleConfig::Default());
    if (!config) {
        return Fail(error);
    }
    sim::ModuleLogic module(*config);
    module.RefuseWith(options.refusal);
    if (options.refuseSaveLateMs >= 0) {
        module.AcknowledgeSavesWithoutSaving();
    }
    if (options.passwordFirst) {
        module.SendPasswordFirst();
    }
    for (const auto& p : options.replyError) {
        module.RefuseCommandsStartingWith(p);
    }
    for (const auto& p : options.noReply) {
        module.IgnoreCommandsStartingWith(p);
    }
    for (const auto& key : options.omit) {
        module.OmitFromReport(key);
    }
    for (const auto& [key, value] : options.reportAs) {
        module.ReportAs(key, value);
    }
    if (options.configureNeedsConnect) {
        module.RequireConnectAfterSave();
    }
    for (const auto& field : options.forget) {
        module.ForgetCommandsStartingWith(std::string(wifi::FindField(field)->prefix));
    }

    sim::TrafficLog log;
    if (options.log && !log.Open(*options.log, error)) {
        return Fail(error);
    }
    sim::Pty pty;
    if (!pty.Open(error)) {
        return Fail("cannot open a pseudo-terminal: " + error);
    }
    // What waits in the terminal before the tool opens it.
    if (!options.stale.empty() &&
        ::write(pty.master(), options.stale.data(), options.stale.size()) !=
            static_cast<ssize_t>(options.stale.size())) {
        return Fail(std::string("cannot leave the stale bytes: ") + std::strerror(errno));
    }
    if (options.link && !MakeLink(*options.link, pty.path(), error)) {
        return Fail(error);
    }

    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return Fail(std::string("pipe: ") + std::strerror(errno));
    }
    struct sigaction sa {};
    sa.sa_handler = OnStopSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    std::printf("%s\n", pty.path().c_str());
    std::fflush(stdout);

    for (;;) {
        sim::Server server(options, module, pty, log);
        const int status = server.Run(stopPipe[0]);
        if (status != sim::Server::kRestart) {
            RemoveOwnLink(options.link, pty.path());
            return status;
        }
        // A reboot: the device is gone for a while, then back on a new
        // terminal under the same link, with what it saved.
        RemoveOwnLink(options.link, pty.path());
        pollfd stop{stopPipe[0], POLLIN, 0};
        if (::poll(&stop, 1, static_cast<int>(options.restartAfterSaveMs)) > 0) {
            return 0;
        }
        if (!pty.Open(error)) {
            return Fail("cannot open a pseudo-terminal: " + error);
        }
        if (options.link && !MakeLink(*options.link, pty.path(), error)) {
            return Fail(error);
        }
    }
}
