#pragma once
// What the Wine groups share: COM ports of the prefix, each with a simulated
// module behind it, and Linux paths as Windows programs name them.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "SimProcess.h"

namespace wifi::e2e {

namespace fs = std::filesystem;

// The prefix's device links; the test command names the prefix.
inline fs::path DosDevices() {
    const char* prefix = std::getenv("WINEPREFIX");
    return fs::path(prefix ? prefix : "") / "dosdevices";
}

// A COM port of the prefix that no other test holds: its link is made first
// (leading nowhere), then handed to the simulator, which replaces it. Ports
// from COM20 up, where no system port sits, and so named as \\.\COM20.
struct ComPort {
    fs::path link;
    std::string name;

    ComPort() {
        for (int n = 20; n < 100 && name.empty(); ++n) {
            const fs::path at = DosDevices() / ("com" + std::to_string(n));
            if (::symlink("/nonexistent/reserved", at.c_str()) == 0) {
                link = at;
                name = "COM" + std::to_string(n);
            }
        }
        if (name.empty()) {
            throw std::runtime_error("no free COM port in " + DosDevices().string());
        }
    }
    ~ComPort() { ::unlink(link.c_str()); }
    ComPort(const ComPort&) = delete;
    ComPort& operator=(const ComPort&) = delete;
};

// A simulated module on a COM port of its own.
struct WineModule {
    ComPort com;
    Module module;
    explicit WineModule(std::vector<std::string> options = {}, const std::string& state = {})
        : module(std::move(options), state, com.link) {}
    const std::string& port() const { return com.name; }
};

// "Z:\tmp\...": a Linux path as a Windows program names it.
inline std::string WindowsPath(const fs::path& path) {
    std::string text = "Z:" + path.string();
    for (char& c : text) {
        c = c == '/' ? '\\' : c;
    }
    return text;
}

// A program started through the shell with its output in files, not pipes:
// a helper process Wine might start would hold a pipe open after the program
// ended. The shell gives way to Wine, so a signal reaches it.
inline std::vector<std::string> InFiles(const TempDir& files, std::vector<std::string> command) {
    std::vector<std::string> all = {"-c", R"(o=$1; e=$2; shift 2; exec "$@" >"$o" 2>"$e")", "sh",
                                    (files.path / "out").string(), (files.path / "err").string()};
    all.insert(all.end(), command.begin(), command.end());
    return all;
}

inline RunResult Output(RunResult r, const TempDir& files) {
    r.out = ReadFile(files.path / "out");
    r.err = ReadFile(files.path / "err");
    return r;
}

// Whether the module's last commands were a save and the read-back that
// proves it: the query again, then the connect request.
inline bool EndsWithSaveReadBack(const std::vector<std::string>& got) {
    return got.size() >= 3 && got[got.size() - 3] == "AT+SZ_SAVE_CONFIG=SAVE" &&
           got[got.size() - 2] == "AT+SZ_CHECKCONFIG=ALL" && got.back() == "AT+SZ_CONNECT=START";
}

}  // namespace wifi::e2e
