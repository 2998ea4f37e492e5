#include "SendCommand.h"

#include "protocol/Dispatcher.h"

#include <asio/steady_timer.hpp>
#include <chrono>
#include <cstdio>
#include <optional>

#include "ModuleJob.h"
#include "Output.h"
#include "asioserial/AsioComm.h"
#include "protocol/Commands.h"
#include "protocol/Secrets.h"
#include "serial/SerialLink.h"
#include "serial/TrafficFormat.h"

namespace cli {

using namespace wifi;

namespace {

// The line as it crossed, every byte said: backslashes doubled, then line
// ends and other control bytes as escapes, so that "\r" on the screen is one
// byte and "\\r" two. The key masked on every line of it.
void PrintLine(const SendRequest& request, LineDirection direction, const std::string& line) {
    const std::string shown = request.logSecrets ? line : MaskSecrets(line);
    std::string escaped;
    for (char c : shown) {
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    Print(TracePrefix(ClockTime(WallClock::now()), request.port, direction) +
          VisibleBytes(escaped) + "\n");
}

// The next whole line of what came, its line end included ("\r\n", "\n",
// or a "\r" with something after it); nothing while none has ended.
std::optional<std::string> TakeLine(std::string& pending) {
    for (std::size_t i = 0; i < pending.size(); ++i) {
        const bool lf = pending[i] == '\n';
        const bool cr = pending[i] == '\r' && i + 1 < pending.size();
        if (lf || cr) {
            const std::size_t end = cr && pending[i + 1] == '\n' ? i + 2 : i + 1;
            std::string line = pending.substr(0, end);
            pending.erase(0, end);
            return line;
        }
    }
    return std::nullopt;
}

}  // namespace

int RunSend(const SendRequest& request) {
    EventPump pump;
    AsioComm comm(pump, [&request](int) { return request.port; });
    std::string failure;
    bool failed = false;
    try {
        comm.SetCommPort(1);
        comm.SetSettings(kLinkSettings);
        comm.SetPortOpen(true);
    } catch (const CommError& e) {
        std::fprintf(stderr, "wifi-config: %s\n", e.what());
        return kPortFailed;
    }
    std::size_t received = 0;
    bool quiet = false;
    bool overall = false;
    asio::steady_timer quietTimer(pump.io());
    asio::steady_timer totalTimer(pump.io());
    const auto restartQuiet = [&] {
        quiet = false;
        quietTimer.expires_after(std::chrono::milliseconds(request.quietMs));
        quietTimer.async_wait([&quiet](const std::error_code& error) { quiet = quiet || !error; });
    };
    totalTimer.expires_after(
        std::chrono::milliseconds(static_cast<long long>(request.timeoutSeconds * 1000)));
    totalTimer.async_wait([&overall](const std::error_code& error) { overall = !error; });

    std::string pending;
    bool refused = false;  // a line the module answered "ERROR"
    comm.onReceive = [&] {
        try {
            const Bytes bytes = comm.GetInput();
            pending.append(bytes.begin(), bytes.end());
            if (!bytes.empty()) {
                restartQuiet();
            }
        } catch (const CommError& e) {
            failure = e.what();
            failed = true;
        }
        while (auto line = TakeLine(pending)) {
            ++received;
            std::string_view words = *line;
            while (!words.empty() && (words.back() == '\n' || words.back() == '\r')) {
                words.remove_suffix(1);
            }
            refused = refused || IsRefusalLine(words);
            PrintLine(request, LineDirection::Received, *line);
        }
    };
    comm.onLost = [&](const CommError& lost) {
        failure = lost.what();
        failed = true;
    };
    const auto stopped = [&] {
        return failed || overall || (request.stop && request.stop->number() != 0);
    };
    for (const std::string& line : request.lines) {
        if (stopped()) {
            break;
        }
        const std::string out = line + std::string(cmd::kLineEnd);
        try {
            comm.SetOutput(Bytes(out.begin(), out.end()));
        } catch (const CommError& e) {
            failure = e.what();
            failed = true;
            break;
        }
        PrintLine(request, LineDirection::Sent, out);
        restartQuiet();
        pump.RunUntil([&] { return quiet || stopped(); });
    }
    // A line that never ended still counts as what the module said.
    if (!pending.empty()) {
        ++received;
        PrintLine(request, LineDirection::Received, pending);
    }
    if (comm.GetPortOpen()) {
        try {
            comm.SetPortOpen(false);
        } catch (const CommError&) {
            // Closing a port that failed says nothing new.
        }
    }
    if (failed) {
        std::fprintf(stderr, "wifi-config: %s\n", failure.c_str());
        return kPortFailed;
    }
    if (request.stop && request.stop->number() != 0) {
        return 128 + request.stop->number();
    }
    if (received == 0) {
        std::fprintf(stderr,
                     "wifi-config: %s: no line came back. Check the module's power and wiring, "
                     "then send again\n",
                     request.port.c_str());
        return kTimeout;
    }
    if (refused) {
        std::fprintf(stderr, "wifi-config: %s: the module answered ERROR\n", request.port.c_str());
        return kRefused;
    }
    return kOk;
}

}  // namespace cli
