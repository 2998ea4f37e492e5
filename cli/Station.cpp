#include "Station.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#ifdef _WIN32
#include <io.h>
#define WIFI_ISATTY(f) _isatty(_fileno(f))
#else
#include <unistd.h>
#define WIFI_ISATTY(f) isatty(fileno(f))
#endif

#include "JobSession.h"
#include "ModuleJob.h"
#include "Output.h"
#include "Probe.h"
#include "Verify.h"
#include "ports/SystemPorts.h"
#include "serial/TrafficFormat.h"
#include "wording/Messages.h"

namespace cli {

using namespace wifi;

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
constexpr milliseconds kPoll{50};          // a look at the device: two stat calls
constexpr milliseconds kQueryEvery{1000};  // a module is asked at most once a second

// What the operator reads on standard error, in the locale's language.
class Operator {
  public:
    Operator() : language_(LanguageOfLocale(EnvironmentLocale())) {}
    void Say(const Text& text) { Say(text.Format(language_, Audience::CommandLine)); }
    void Say(const std::string& text) {
        EndStep();
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    // 写入 12/22, rewritten in place on a terminal, left out elsewhere.
    void Step(unsigned step) {
        if (!tty_) {
            return;
        }
        std::fprintf(stderr, "\r%s", StationStep(step).Format(language_).c_str());
        stepShown_ = true;
    }

  private:
    void EndStep() {
        if (stepShown_) {
            std::fputc('\n', stderr);
            stepShown_ = false;
        }
    }
    Language language_;
    bool tty_ = WIFI_ISATTY(stderr) != 0;
    bool stepShown_ = false;
};

// Why a module failed, in one short line the operator can act on.
Text FailureForOperator(int exit, const std::vector<ReadBackField>& differing) {
    if (!differing.empty()) {
        std::string fields;
        for (const ReadBackField& f : differing) {
            fields += (fields.empty() ? "" : ", ") + std::string(f.field->name);
        }
        return ModuleFailed(StationFailure::Differs, fields);
    }
    if (exit >= 128) {
        return ModuleFailed(StationFailure::Interrupted);
    }
    switch (exit) {
        case kRefused: return ModuleFailed(StationFailure::Refused);
        case kTimeout: return ModuleFailed(StationFailure::NoAnswer);
        case kBadInput: return ModuleFailed(StationFailure::CannotWrite);
        default: return ModuleFailed(StationFailure::PortFailed);
    }
}

bool Stopped(const StationSpec& spec) {
    return spec.stop && spec.stop->number() != 0;
}

// Waits for `time`, less when stopped.
void Pause(const StationSpec& spec, std::chrono::milliseconds time) {
    if (spec.stop) {
        spec.stop->Wait(time);
    } else {
        std::this_thread::sleep_for(time);
    }
}

// The serial number of the USB adapter behind the port (a path may be a link
// to it), or null.
Json AdapterSerial(const std::string& port) {
    std::error_code ignored;
    const std::string real = std::filesystem::canonical(PathFromUtf8(port), ignored).string();
    for (const auto& p : SystemPorts()) {
        if ((p.device == port || p.device == real) && !p.serialNumber.empty()) {
            return p.serialNumber;
        }
    }
    return nullptr;
}

// Waits for a module and writes it: the device is waited for, then the job
// runs with the configuration query's answer awaited while the line is not
// silent for a second; while no report answers, it runs again, at most once
// a second. A module is asked again only once its line has been silent for
// that second: a slow report is never cut off and taken up, tail first, by
// the next query. Nothing when stopped.
std::optional<JobResult> WaitAndWrite(const StationSpec& spec, const JobSpec& job, Operator& op) {
    std::string told;  // a port that cannot be opened is said once, not every second
    while (!Stopped(spec)) {
        if (!DevicePresent(spec.port)) {
            Pause(spec, kPoll);
            continue;
        }
        const auto asked = Clock::now();
        JobResult r = RunJob(job);
        if (r.reported || r.exit >= 128) {
            return r;
        }
        if (r.exit == kPortFailed && r.error != told) {
            told = r.error;
            op.Say(r.error);
        }
        Pause(spec, std::chrono::duration_cast<milliseconds>(asked + kQueryEvery - Clock::now()));
    }
    return std::nullopt;
}

// Waits until the module is gone: its device (`identity`, taken when the
// module last answered on it, so that a module plugged in while the last
// one's record was written is not taken for it) disappears or is replaced (or
// the query finds it missing), or the query goes unanswered for the settle
// time in a row. False when stopped.
bool WaitUntilGone(const StationSpec& spec, const std::string& identity) {
    auto silentSince = Clock::now();
    std::optional<Clock::time_point> asked;
    while (!Stopped(spec)) {
        if (identity.empty() || DeviceIdentity(spec.port) != identity) {
            return true;
        }
        if (!asked || Clock::now() - *asked >= kQueryEvery) {
            asked = Clock::now();
            const Probe::Found found = ProbeForReport(spec.port, int(kQueryEvery.count())).found;
            if (found == Probe::Found::Missing) {
                return true;
            }
            if (found == Probe::Found::Module) {
                silentSince = Clock::now();
            } else if (Clock::now() - silentSince >= std::chrono::seconds(spec.settleSeconds)) {
                return true;
            }
            continue;
        }
        Pause(spec, kPoll);
    }
    return false;
}

std::string RecordLine(const StationSpec& spec, const std::string& time, const JobResult& r,
                       const std::string& error, double seconds) {
    Json list = Json::array();
    for (const ReadBackField& f : r.readBack) {
        list.push_back(ReadBackJson(f, spec.logSecrets));
    }
    Json before = r.form;
    for (const Field& f : FormFields()) {
        const std::string name(f.name);
        if (IsSecret(f) && before.contains(name)) {
            before[name] = ShownValue(name, before[name], spec.logSecrets);
        }
    }
    Json record;
    record["time"] = time;
    record["port"] = spec.port;
    record["adapterSerial"] = AdapterSerial(spec.port);
    record["ok"] = error.empty();
    record["verified"] = r.verified;
    record["error"] = error.empty() ? Json() : Json(error);
    record["mismatches"] = list;
    record["seconds"] = static_cast<double>(static_cast<long long>(seconds * 100)) / 100.0;
    std::string line = JsonLine(record);
    // The form in read's own order and spacing.
    line.pop_back();
    return line + ", \"before\": " + (before.is_null() ? std::string("null") : FormAsJson(before)) +
           "}";
}

// The record, on disk first: written, flushed to the device and checked
// before the operator hears the verdict. False, said on the screen, when the
// log could not take it.
bool Record(const std::string& path, bool logSecrets, const std::string& line, Operator& op) {
    if (!path.empty()) {
        std::string why;
        if (!AppendFileBytes(path, line + "\n", why,
                             logSecrets ? FileAccess::OwnerOnly : FileAccess::Shared)) {
            op.Say("wifi-config: " + path + ": the record could not be written (" + why +
                   "); the station stops");
            return false;
        }
    }
    if (!Print(line + "\n")) {
        op.Say(
            "wifi-config: standard output cannot take the records (the log has them); the "
            "station stops");
        return false;
    }
    return true;
}

}  // namespace

int RunStation(const StationSpec& spec) {
    Operator op;
    int ok = 0;
    int failed = 0;
    bool logFailed = false;
    while (spec.count == 0 || ok + failed < spec.count) {
        op.Say(WaitingForAModule());
        JobSpec job;
        job.port = spec.port;
        job.write = true;
        job.settings = spec.settings;
        job.timeoutSeconds = spec.timeoutSeconds;
        job.trace = spec.trace;
        job.logSecrets = spec.logSecrets;
        job.encoding = spec.encoding;
        job.stop = spec.stop;
        job.verify = spec.verify;
        job.onStep = [&op](unsigned step) { op.Step(step); };
        job.firstAnswerMs = int(kQueryEvery.count());
        const std::optional<JobResult> written = WaitAndWrite(spec, job, op);
        if (!written) {
            break;
        }
        const JobResult& r = *written;
        // The module's time: from its report, as the job measured it.
        const std::string time =
            UtcSeconds(WallClock::now() - milliseconds(static_cast<long long>(r.seconds * 1000)));
        const std::string error = r.exit == kOk ? std::string() : "write: " + r.error;
        if (!Record(spec.logPath, spec.logSecrets, RecordLine(spec, time, r, error, r.seconds),
                    op)) {
            logFailed = true;
            break;
        }
        if (error.empty()) {
            ++ok;
            op.Say(ModuleOk());
        } else {
            ++failed;
            op.Say(FailureForOperator(r.exit, r.readBack));
        }
        const bool done = spec.count > 0 && ok + failed >= spec.count;
        if (r.exit >= 128 || Stopped(spec) || done || !WaitUntilGone(spec, r.identity)) {
            break;
        }
    }
    op.Say(StationSummary(ok, failed));
    if (logFailed) {
        return kOutputFailed;
    }
    if (Stopped(spec)) {
        return 128 + spec.stop->number();
    }
    return failed > 0 ? kRefused : kOk;
}

}  // namespace cli
