#include "ModuleJob.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

#include "JobSession.h"
#include "Trace.h"
#include "Verify.h"
#include "asioserial/AsioComm.h"
#include "asioserial/AsioReplyClock.h"
#include "form/ConfigDlg.h"
#include "form/ControlIds.h"
#include "form/MemoryControls.h"
#include "profile/FormProfile.h"
#include "protocol/Secrets.h"
#include "serial/CommError.h"
#include "serial/TappedComm.h"
#include "wording/Messages.h"

namespace cli {

using namespace wifi;

namespace {

// What stands in the way of writing the form whole, in the command line's
// words: the dialog's own check, as the window makes it. Nothing is sent
// when something does.
std::optional<Message> CheckForm(const CConfigDlg& dlg) {
    const auto blocker = dlg.WriteBlocker();
    if (!blocker) {
        return std::nullopt;
    }
    if (blocker->why == RuleBreak::Unknown) {
        return UnknownFieldsNotGiven(dlg.UnknownFields());
    }
    // Values given were checked before any port opened: what breaks a rule
    // here came from the module.
    return ReportedValueBreaks(*blocker->field, blocker->why);
}

// The fields given a value the module reported already, in the order given;
// a field the module's report left unknown is never among them.
std::vector<std::string> AlreadyAsGiven(const std::vector<Setting>& settings,
                                        const JobResult& result) {
    const std::vector<std::string> differing = DifferingFields(result.written, result.values);
    std::vector<std::string> same;
    for (const Setting& s : settings) {
        const std::string name(s.field->name);
        const bool unknown = std::any_of(result.unknown.begin(), result.unknown.end(),
                                         [&](const UnknownValue& u) { return u.field == s.field; });
        if (!s.isNull && !unknown && result.values.count(name) &&
            std::find(differing.begin(), differing.end(), name) == differing.end() &&
            std::find(same.begin(), same.end(), name) == same.end()) {
            same.push_back(name);
        }
    }
    return same;
}

// Every field the module reported is as the form now holds it: what the
// module does not report (the protocol) cannot be told, and does not count.
bool AlreadyConfigured(const JobResult& result) {
    for (const std::string& name : DifferingFields(result.written, result.values)) {
        const bool unknown =
            std::any_of(result.unknown.begin(), result.unknown.end(),
                        [&](const UnknownValue& u) { return u.field->name == name; });
        if (!unknown) {
            return false;
        }
    }
    return true;
}

}  // namespace

JobResult RunJob(const JobSpec& spec) {
    const auto started = std::chrono::steady_clock::now();
    JobResult result;
    result.port = spec.port;

    EventPump pump;
    MemoryControls controls({spec.port});
    AsioComm serial(pump, [&spec](int number) { return number == 1 ? spec.port : std::string(); });
    TappedComm tracing(serial, [&spec](LineDirection direction, const std::string& line) {
        PrintTraceLine(spec.port, direction, spec.logSecrets ? line : MaskSecret(line));
    });
    CMSComm& comm = spec.trace ? static_cast<CMSComm&>(tracing) : serial;
    const auto timeout = ReplyClock::Duration(static_cast<long long>(spec.timeoutSeconds * 1000));
    JobSession session(timeout, pump, spec.stop);
    auto portFailure = [&session](Message failure) {
        failure.text = WithSaveState(failure.text, session.SaveState());
        session.Fail(kPortFailed, failure);
    };
    auto guarded = [&](const std::function<void()>& handler) {
        try {
            handler();
        } catch (const CommError& e) {
            portFailure(PortFailure(e));
        }
    };
    std::unique_ptr<CConfigDlg> dialog;
    AsioReplyClock replyClock(pump, [&] { guarded([&] { dialog->OnTimer(); }); });
    dialog = std::make_unique<CConfigDlg>(
        controls, comm,
        [](unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); },
        replyClock);
    CConfigDlg& dlg = *dialog;
    dlg.SetReplyTimeout(spec.firstAnswerMs > 0 ? ReplyClock::Duration(spec.firstAnswerMs)
                                               : timeout);
    session.onReport = [&dlg, timeout] { dlg.SetReplyTimeout(timeout); };
    session.onStep = spec.onStep;
    session.onOpened = [&result, &spec] { result.identity = DeviceIdentity(spec.port); };
    dlg.SetVerify(spec.verify);
    dlg.SetEvents(&session);
    controls.notify = [&dlg](int id, Notification code) { dlg.Dispatch(id, code); };

    serial.onReceive = [&] { guarded([&] { dlg.OnCommEvent(); }); };
    serial.onLost = [&](const CommError& lost) {
        // A module may restart as soon as it has acknowledged the save: the
        // dialog decides whether the hang-up is a failure of the write.
        guarded([&] { dlg.OnPortLost(); });
        if (!session.completed && !dlg.AwaitingModuleReturn()) {
            portFailure(PortLost(spec.port, lost.detail()));
        }
    };

    auto finish = [&] {
        if (serial.GetPortOpen()) {
            guarded([&] { controls.UserClick(IDC_CONNECT); });  // close, as the user would
        }
        result.reported = session.reported;
        result.verified = session.verified;
        result.readBack = session.readBack;
        result.exit = session.exit();
        result.error = session.error();
        result.next = session.next();
        result.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        return result;
    };

    try {
        dlg.OnInitDialog();
        controls.UserSelect(IDC_COMPORT, 0);
        controls.UserClick(IDC_CONNECT);
        if (!session.Await(session.connected)) {
            return finish();
        }
        result.unknown = dlg.UnknownFields();
        FormReading reading = ReadKnownForm(controls, result.unknown, spec.encoding);
        result.form = reading.form;
        result.notes = reading.notes;
        result.values = ReadFieldValues(controls);
        if (!spec.write && !spec.applyOnly) {
            return finish();
        }
        for (const Setting& s : spec.settings) {
            if (!ApplyAsUser(controls, controls, s)) {
                session.Fail(kBadInput,
                             std::string(s.field->name) + ": the form would not take the value");
                return finish();
            }
        }
        result.wrote = ReadForm(controls, spec.encoding).form;
        result.written = ReadFieldValues(controls);
        result.alreadyAsGiven = AlreadyAsGiven(spec.settings, result);
        result.alreadyConfigured = AlreadyConfigured(result);
        if (spec.applyOnly || (spec.skipConfigured && result.alreadyConfigured)) {
            result.skipped = !spec.applyOnly;
            return finish();
        }
        if (const auto why = CheckForm(dlg)) {
            session.Fail(kBadInput, *why);
            return finish();
        }
        session.submitted = true;
        controls.UserClick(IDC_SUBMIT);
        session.Await(session.completed);
    } catch (const CommError& e) {
        portFailure(PortFailure(e));
    }
    return finish();
}

std::string FailureLine(const JobResult& r) {
    std::string line = r.error.rfind(r.port, 0) == 0 ? r.error : r.port + ": " + r.error;
    if (!r.next.empty()) {
        line += ". " + r.next;
    }
    return line;
}

}  // namespace cli
