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
#include "platform/SerialComm.h"
#include "profile/Profile.h"
#include "serial/CommError.h"

namespace cli {

using namespace wifi;

namespace {

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Whether the form, as the module reported it and the settings changed it,
// can be written whole; what stands in the way, or empty. Nothing is sent when
// something does: a field the report lacked would be written with whatever
// the form held, a value that breaks its rule would fail mid-sequence, and a
// list without a usable value would send nothing and stall.
QString CheckForm(const CConfigDlg& dlg, const std::vector<Setting>& settings) {
    auto given = [&](const Field* field) {
        return std::any_of(settings.begin(), settings.end(),
                           [&](const Setting& s) { return s.field == field && !s.isNull; });
    };
    for (const Field* field : dlg.absentFields()) {
        if (!given(field)) {
            return Utf8(field->name) + ": the module's report lacks " + Utf8(field->reportKey) +
                   " and the form has no value of the module's to write back; give one with "
                   "--set " +
                   Utf8(field->name) + "=...";
        }
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
        PrintTraceLine(spec.port, direction, line);
    });
    CMSComm& comm = spec.trace ? static_cast<CMSComm&>(tracing) : serial;
    CConfigDlg dlg(controls, comm, [](unsigned ms) { QThread::msleep(ms); });
    JobSession session(spec.timeoutSeconds, spec.interrupt);
    session.SetFirstAnswerTimeout(spec.firstAnswerMs);
    session.onStep = spec.onStep;
    dlg.SetEvents(&session);
    controls.notify = [&dlg](int id, Notification code) { dlg.Dispatch(id, code); };

    auto portFailed = [&session, &spec](const QString& why) {
        // A module may restart as soon as it has acknowledged the save: the
        // hang-up that follows is no failure of the write.
        if (!(spec.write && session.completed)) {
            session.Fail(kPortFailed, why);
        }
    };
    QObject::connect(&serial, &SerialComm::commEvent, [&] {
        try {
            dlg.OnCommEvent();
        } catch (const CommError& e) {
            portFailed(QString::fromUtf8(e.what()));
        }
    });
    QObject::connect(&serial, &SerialComm::portLost, portFailed);

    auto finish = [&] {
        if (serial.GetPortOpen()) {
            controls.UserClick(IDC_CONNECT);  // close, as the user would
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
        for (const Field* field : dlg.absentFields()) {
            result.absent << Utf8(field->name);
        }
        FormReading reading = ReadForm(controls, spec.encoding);
        result.form = reading.form;
        result.notes = reading.notes;
        for (const QString& name : result.absent) {
            result.form[name] = QJsonValue();  // the module did not say
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
        if (const QString why = CheckForm(dlg, spec.settings); !why.isEmpty()) {
            session.Fail(kBadInput, why);
            return finish();
        }
        result.wrote = ReadForm(controls, spec.encoding).form;
        result.written = ReadFieldValues(controls);
        if (spec.skipUnchanged && DifferingFields(result.values, result.written).isEmpty()) {
            result.unchanged = true;
            return finish();
        }
        session.SetPhase(QStringLiteral("acknowledgement of the configure command"));
        controls.UserClick(IDC_SUBMIT);
        session.Await(session.completed);
    } catch (const CommError& e) {
        session.Fail(kPortFailed, QString::fromUtf8(e.what()));
    }
    return finish();
}

}  // namespace cli
