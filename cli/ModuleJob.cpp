#include "ModuleJob.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "JobSession.h"
#include "Trace.h"
#include "form/ConfigDlg.h"
#include "form/ControlIds.h"
#include "form/Fields.h"
#include "form/MemoryControls.h"
#include "platform/QtReplyClock.h"
#include "platform/SerialComm.h"
#include "profile/Profile.h"
#include "protocol/Secrets.h"
#include "serial/CommError.h"

namespace cli {

using namespace wifi;

namespace {

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The raw value a field's report line gave, for a message; the key masked.
QString Reported(const UnknownValue& u) {
    if (u.field->reportKey.empty()) {
        return QStringLiteral("not reported");
    }
    if (!u.reported) {
        return QStringLiteral("absent");
    }
    const std::string line = MaskSecret(std::string(u.field->reportKey) + *u.reported);
    return "\"" + QString::fromStdString(VisibleBytes(line.substr(u.field->reportKey.size()))) +
           "\"";
}

// Whether the form, as the module reported it and the settings changed it,
// can be written whole; what stands in the way, or empty. Nothing is sent when
// something does: a field nobody knows would be written with a value nobody
// gave, a value that breaks its rule would fail mid-sequence, and a list
// without a usable value would send nothing and stall.
QString CheckForm(const CConfigDlg& dlg) {
    QStringList unknown;
    for (const UnknownValue& u : dlg.UnknownFields()) {
        const QString name = Utf8(u.field->name);
        if (u.field->reportKey.empty()) {
            unknown << name + ": no module reports it";
        } else if (!u.reported) {
            unknown << name + ": the module's report lacks " + Utf8(u.field->reportKey);
        } else {
            unknown << name + ": the module reported " + Reported(u) +
                           ", which the form cannot hold";
        }
    }
    if (!unknown.isEmpty()) {
        return unknown.join(QStringLiteral("; ")) +
               "; nothing was sent: give a value with --set NAME=VALUE or in the --from "
               "profile";
    }
    // Values given were checked before any port opened: what breaks a rule
    // here came from the module.
    for (const auto& problem : dlg.CheckValues()) {
        const QString name = Utf8(problem.field->name);
        return name + " as reported " + QString::fromStdString(DescribeBreak(problem.why)) +
               "; give a value with --set " + name + "=...";
    }
    const std::vector<StepCommand> plan = dlg.PlanWrite();
    for (unsigned step = 1; step <= plan.size(); ++step) {
        if (!plan[step - 1].line) {
            const QString name = JobSession::FieldName(step, plan[step - 1].source);
            return name + ": the module reported no value the form can send; set one with --set " +
                   name + "=...";
        }
    }
    return QString();
}

}  // namespace

JobResult RunJob(const JobSpec& spec) {
    QElapsedTimer clock;
    clock.start();
    JobResult result;
    result.port = spec.port;

    MemoryControls controls({spec.port.toStdString()});
    SerialComm serial([&spec](int number) { return number == 1 ? spec.port : QString(); });
    TappedComm tracing(serial, [&spec](LineDirection direction, const std::string& line) {
        PrintTraceLine(spec.port, direction, spec.logSecrets ? line : MaskSecret(line));
    });
    CMSComm& comm = spec.trace ? static_cast<CMSComm&>(tracing) : serial;
    JobSession session(spec.timeoutSeconds, spec.interrupt);
    std::unique_ptr<CConfigDlg> dialog;
    auto guarded = [&session](const std::function<void()>& handler) {
        try {
            handler();
        } catch (const CommError& e) {
            const QString saved = session.SaveState();
            session.Fail(kPortFailed,
                         QString::fromUtf8(e.what()) + (saved.isEmpty() ? "" : "; " + saved));
        }
    };
    QtReplyClock replyClock([&] { guarded([&] { dialog->OnTimer(); }); });
    dialog = std::make_unique<CConfigDlg>(
        controls, comm, [](unsigned ms) { QThread::msleep(ms); }, replyClock);
    CConfigDlg& dlg = *dialog;
    const auto timeout = ReplyClock::Duration(static_cast<long long>(spec.timeoutSeconds * 1000));
    dlg.SetReplyTimeout(spec.firstAnswerMs > 0 ? ReplyClock::Duration(spec.firstAnswerMs)
                                               : timeout);
    session.onReport = [&dlg, timeout] { dlg.SetReplyTimeout(timeout); };
    session.onStep = spec.onStep;
    dlg.SetEvents(&session);
    controls.notify = [&dlg](int id, Notification code) { dlg.Dispatch(id, code); };

    auto portFailed = [&](const QString& why) {
        // A module may restart as soon as it has acknowledged the save: the
        // dialog decides whether the hang-up is a failure of the write.
        guarded([&] { dlg.OnPortLost(); });
        if (!session.completed) {
            const QString saved = session.SaveState();
            session.Fail(kPortFailed, why + (saved.isEmpty() ? "" : "; " + saved));
        }
    };
    QObject::connect(&serial, &SerialComm::commEvent, [&] { guarded([&] { dlg.OnCommEvent(); }); });
    QObject::connect(&serial, &SerialComm::portLost, portFailed);

    auto finish = [&] {
        if (serial.GetPortOpen()) {
            guarded([&] { controls.UserClick(IDC_CONNECT); });  // close, as the user would
        }
        result.reported = session.reported;
        result.exit = session.exit();
        result.error = session.error();
        result.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
        return result;
    };

    try {
        dlg.OnInitDialog();
        controls.UserSelect(IDC_COMPORT, 0);
        controls.UserClick(IDC_CONNECT);
        if (!session.Await(session.connected)) {
            return finish();
        }
        FormReading reading = ReadForm(controls, spec.encoding);
        result.form = reading.form;
        result.notes = reading.notes;
        for (const UnknownValue& u : dlg.UnknownFields()) {
            result.unknown.emplace_back(Utf8(u.field->name), Reported(u));
            result.form[Utf8(u.field->name)] = QJsonValue();  // nobody knows it
        }
        result.values = ReadFieldValues(controls);
        if (!spec.write) {
            return finish();
        }
        for (const Setting& s : spec.settings) {
            if (!ApplyAsUser(controls, controls, s)) {
                session.Fail(kBadInput,
                             Utf8(s.field->name) + ": the form would not take the value");
                return finish();
            }
        }
        if (const QString why = CheckForm(dlg); !why.isEmpty()) {
            session.Fail(kBadInput, why);
            return finish();
        }
        result.wrote = ReadForm(controls, spec.encoding).form;
        result.written = ReadFieldValues(controls);
        session.submitted = true;
        controls.UserClick(IDC_SUBMIT);
        session.Await(session.completed);
    } catch (const CommError& e) {
        const QString saved = session.SaveState();
        session.Fail(kPortFailed,
                     QString::fromUtf8(e.what()) + (saved.isEmpty() ? "" : "; " + saved));
    }
    return finish();
}

}  // namespace cli
