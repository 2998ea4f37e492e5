#include "Station.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>

#include "Console.h"
#include "JobSession.h"
#include "ModuleJob.h"
#include "OperatorScreen.h"
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

// Why a module failed, in one line the operator can act on: the field and
// command refused, or each field that differs with both values, as the job
// found them.
std::string FailureForOperator(const JobResult& r) {
    if (r.exit >= 128) {
        return Spoken(StationInterrupted());
    }
    return r.error;
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
std::optional<JobResult> WaitAndWrite(const StationSpec& spec, const JobSpec& job,
                                      OperatorScreen& op, const std::atomic<bool>& over) {
    std::string told;  // a port that cannot be opened is said once, not every second
    while (!Stopped(spec) && !over) {
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
bool WaitUntilGone(const StationSpec& spec, const std::string& identity,
                   const std::atomic<bool>& over) {
    auto silentSince = Clock::now();
    std::optional<Clock::time_point> asked;
    while (!Stopped(spec) && !over) {
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
                       const std::string& error, double seconds, int unit,
                       const std::optional<UnitRow>& row, const Json& adapter) {
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
    record["adapterSerial"] = adapter;
    record["unit"] = unit;
    if (row) {
        record["row"] = row->number;
        Json values = Json::object();
        for (const auto& [name, value] : row->values) {
            values[name] =
                IsSecret(*FindField(name)) && !spec.logSecrets ? Json("***") : Json(value);
        }
        record["rowValues"] = values;
    }
    record["ok"] = error.empty();
    record["verified"] = r.verified;
    record["error"] = error.empty() ? Json() : Json(error);
    record["mismatches"] = list;
    record["seconds"] = static_cast<double>(static_cast<long long>(seconds * 100)) / 100.0;
    record["alreadyConfigured"] = r.alreadyConfigured;
    record["skipped"] = r.skipped;
    std::string line = JsonLine(record);
    // The form in read's own order and spacing.
    line.pop_back();
    return line + ", \"before\": " + (before.is_null() ? std::string("null") : FormAsJson(before)) +
           "}";
}

// The record, on disk first: written, flushed to the device and checked
// before the operator hears the verdict. False, said on the screen, when the
// log could not take it.
bool Record(const StationSpec& spec, const std::string& line, OperatorScreen& op) {
    const std::string& path = spec.logPath;
    const bool logSecrets = spec.logSecrets;
    if (!path.empty()) {
        std::string why;
        if (!AppendFileBytes(path, line + "\n", why,
                             logSecrets ? FileAccess::OwnerOnly : FileAccess::Shared)) {
            op.Say("wifi-config: " + path + ": the record could not be written (" + why +
                   "); the station stops");
            return false;
        }
    }
    if (spec.recordsOnOutput && !Print(line + "\n")) {
        op.Say(
            "wifi-config: standard output cannot take the records (the log has them); the "
            "station stops");
        return false;
    }
    return true;
}

// What the benches of one station share: the screen, the log, the rows, the
// units' numbers, and why it stopped.
struct Shared {
    explicit Shared(OperatorScreen& screen) : op(screen) {}
    OperatorScreen& op;
    std::mutex lock;  // the log, the rows, the numbers
    int unit = 0;
    bool logFailed = false;
    bool rowsOut = false;
    // Done: the benches waiting for a module, or for one to go, stop.
    std::atomic<bool> over{false};
    bool Done(const StationSpec& spec) const {
        return logFailed || rowsOut || (spec.count > 0 && op.passed() + op.failed() >= spec.count);
    }
};

// One bench: module after module on its port, until the station is done.
void RunBench(const StationSpec& spec, Shared& shared) {
    OperatorScreen& op = shared.op;
    for (;;) {
        std::optional<UnitRow> row;
        {
            const std::lock_guard<std::mutex> hold(shared.lock);
            if (shared.Done(spec) || Stopped(spec)) {
                return;
            }
            if (spec.rows) {
                row = spec.rows->Take();
                if (!row) {
                    shared.over = true;
                    if (!shared.rowsOut) {
                        shared.rowsOut = true;
                        op.Say(RowsRanOut());
                    }
                    return;
                }
            }
        }
        op.Waiting(spec.port);
        JobSpec job;
        job.port = spec.port;
        job.write = true;
        job.settings = spec.settings;
        if (row) {
            job.settings.insert(job.settings.end(), row->settings.begin(), row->settings.end());
        }
        job.timeoutSeconds = spec.timeoutSeconds;
        job.trace = spec.trace;
        job.logSecrets = spec.logSecrets;
        job.encoding = spec.encoding;
        job.stop = spec.stop;
        job.verify = spec.verify;
        job.skipConfigured = spec.skipConfigured;
        job.onStep = [&op, &spec](unsigned step) { op.Step(spec.port, step); };
        job.firstAnswerMs = int(kQueryEvery.count());
        const std::optional<JobResult> written = WaitAndWrite(spec, job, op, shared.over);
        // Asking the system for the adapter walks sysfs: before the lock.
        const Json adapter = written ? AdapterSerial(spec.port) : Json();
        const std::lock_guard<std::mutex> hold(shared.lock);
        if (!written) {
            if (row) {
                spec.rows->GiveBack(row->number);
            }
            return;
        }
        const JobResult& r = *written;
        const int unit = ++shared.unit;
        // The module's time: from its report, as the job measured it.
        const std::string time =
            UtcSeconds(WallClock::now() - milliseconds(static_cast<long long>(r.seconds * 1000)));
        const std::string error = r.exit == kOk ? std::string() : "write: " + r.error;
        // The record is on disk before the row counts as spent: a crash
        // after it never gives the row twice.
        if (!Record(spec, RecordLine(spec, time, r, error, r.seconds, unit, row, adapter), op)) {
            shared.logFailed = true;
            shared.over = true;
            return;
        }
        if (row) {
            if (error.empty()) {
                spec.rows->Spend(row->number);
            } else {
                spec.rows->GiveBack(row->number);  // the next unit takes it
            }
        }
        if (error.empty()) {
            op.Passed(unit, spec.port, r.seconds, r.alreadyConfigured);
        } else {
            op.Failed(unit, spec.port, r.seconds, FailureForOperator(r));
        }
        if (spec.rows && spec.rows->left() == 0 && !shared.rowsOut) {
            shared.rowsOut = true;  // every row is in a saved unit
            op.Say(RowsRanOut());
        }
        if (r.exit >= 128 || Stopped(spec) || shared.Done(spec)) {
            shared.over = true;
            return;
        }
        op.RemoveIt(spec.port);
        // Waiting for the module to go holds nothing the others need.
        shared.lock.unlock();
        const bool gone = WaitUntilGone(spec, r.identity, shared.over);
        shared.lock.lock();
        if (!gone) {
            return;
        }
    }
}

}  // namespace

int RunStation(const StationSpec& spec) {
    // The screen: standard output when it is a terminal that takes no
    // records, else standard error, as for any program's notes.
    const bool screenOnOutput = !spec.recordsOnOutput && IsTerminal(stdout);
    std::FILE* screen = screenOnOutput ? stdout : stderr;
    const char* noColour = std::getenv("NO_COLOR");
    OperatorScreen op(screen, IsTerminal(screen), !noColour || !*noColour, spec.bell);
    Shared shared(op);
    std::vector<std::thread> benches;
    for (const std::string& port : spec.ports) {
        StationSpec bench = spec;
        bench.port = port;
        benches.emplace_back([bench, &shared] { RunBench(bench, shared); });
    }
    for (std::thread& bench : benches) {
        bench.join();
    }
    op.Finish();
    if (shared.logFailed) {
        return kOutputFailed;
    }
    if (Stopped(spec)) {
        return 128 + spec.stop->number();
    }
    if (shared.rowsOut) {
        return kRowsRanOut;
    }
    return op.failed() > 0 ? kRefused : kOk;
}

}  // namespace cli
