#pragma once

#include <string>
#include <vector>

#include "form/SessionEvents.h"
#include "protocol/ReplyClock.h"
#include "protocol/ValueRules.h"
#include "serial/CommError.h"
#include "text/TextEncoding.h"
#include "wording/Text.h"

namespace wifi {

// Everything the tool tells its user, once, for every front end: a window
// shows these in its progress line and message boxes, the command line on
// standard error. Each names what happened in the module's and the form's
// own words and says whether anything was saved.

// A port operation failed or the port went away: what happened, naming the
// port. The system's own words go in the message's detail.
Message PortFailure(const CommError& error);
Message PortLost(const std::string& port, const std::string& detail);
// The port the command line means when none is named: the only serial port
// there is (`port`, with a note saying so). With none, or several to choose
// from, `port` is empty and the problem says what to do.
struct UnnamedPort {
    std::string port;
    Message said;
};
UnnamedPort PortWhenNoneNamed(const std::vector<std::string>& found);

// A step of the write sequence: "第 15 步（波特率）", "parameter 15 (baudRate)".
Text StepText(unsigned step, unsigned source = 0);
// What was awaited, by the command in flight and its step: "the
// configuration report", "the acknowledgement of parameter 15 (baudRate)".
Text AwaitedReply(InFlight command, unsigned step);

// Two texts one after the other: "%1; %2".
Text Both(const Text& first, const Text& second);
// What happened, then what to do next: "%1. %2".
Text Said(const Message& message);

// The outcomes of a connection and a write, as the dialog tells them.
Message ReportRead();
Message Writing(unsigned step, const StepCommand& command);
Message StepWithoutValue(unsigned step, const StepCommand& command);
Message Refusal(const Exchange& what);
Message NoAnswer(const Exchange& what, bool incomplete, ReplyClock::Duration timeout);
Message RepliesOutOfStep(const Exchange& lastSent);
Message SubmitNotTaken(SubmitRefusal why);
// underDhcp: the field is an address the ticked DHCP box keeps disabled.
Message ValueNotSent(unsigned step, unsigned source, RuleBreak why, bool underDhcp = false);
Message WriteCompleted();
// Saved and read back as written.
Message WriteVerified();
// The save was acknowledged; the module is being read back.
Message ReadingBack();
// What the read-back after a save found: verified, fields that differ (or
// cannot be told), or why the module could not be read back.
Message ReadBackOutcome(const ReadBack& outcome);
// No report carries the protocol: a note, once, never a failure.
Text ProtocolNotVerified();
// A field's value as the form holds it (a list's index, a flag's 0 or 1), as
// people read it: the list entry's name, true or false, a quoted text.
Text FormValueText(const Field& field, const std::string& value);
// The port went away while a write ran: what that means for the save.
Message WriteCutOff(const Exchange& during);
// The form was edited after a save or an import: not in the module yet.
Message Modified();
// A field whose value the module gave in a form the window cannot show as it
// is: said beside the form (the DHCP box cannot look unknown).
Message UnknownDhcp(const std::string& reported);
// Fields nobody knows, before a write: each with what the module said; the
// command line names them all and sends nothing.
Message UnknownFieldsNotGiven(const std::vector<UnknownValue>& unknown);
// A value as the module reported it breaks its rule.
Message ReportedValueBreaks(const Field& field, RuleBreak why);
// What read says of the fields it prints as null: those whose key the report
// lacked, and those whose value the form cannot hold (with that value), the
// protocol among them.
std::vector<Message> UnknownFieldsRead(const std::vector<UnknownValue>& unknown);

// Why a value breaks its rule, after the field or "the value".
Text RuleBreakText(RuleBreak why);
// A time-out in seconds as people write it: "10", "0.5".
Text Seconds(ReplyClock::Duration duration);

// The encoding of reported texts: said beside the form when the window
// follows the module's encoding, or shows a text with U+FFFD.
Message TextInOtherEncoding(const Field& field, TextEncoding detected);
Message TextInNoEncoding(const Field& field);
Message TextNotInChosenEncoding(const Field& field, TextEncoding chosen);
// What read says of the texts' encoding: the profile marked with the other
// one, or a text given as its bytes.
Text ProfileInOtherEncoding(const Field& field, TextEncoding found, TextEncoding chosen);
Text ProfileTextAsBytes(const Field& field, TextEncoding encoding);

// The window's questions and notes.
Text UnsavedEditsQuestion();
Text ReadAgainQuestion();
// A write's given values that the module has already: written anyway.
Text AlreadyAsGiven(const std::vector<std::string>& fields);
// A profile was imported: its values are in the form, not yet in the module.
Message ImportedNotYetWritten();
Text LanguageNextTime();
// The window's title: its caption, and while a module is connected the port
// and the line's settings ("WIFI参数配置 — /dev/ttyUSB0 19200 8N1").
Text WindowTitle(std::string_view caption, const std::string& port, bool connected);
// A message about the port, naming it: "串口 %1：%2", "%1: %2".
Text OnPort(const std::string& port, const Text& text);

// Profiles in a window; `why` is the system's own words (the detail), or
// what the file holds that is not a profile.
Message FileNotSaved(const std::string& path, const std::string& why);
Message FileNotOpened(const std::string& path, const std::string& why);
Message ProfileNotValid(const std::string& path, const Text& why);
Message ImportNeedsAConnection();
Message ImportRefusedFields(const std::vector<const Field*>& fields);

// What a write that failed did to the module's configuration.
Text NothingSaved();
Text SaveNotConfirmed();
// The save was acknowledged, but the read-back did not happen.
Text SavedNotVerified();
// What a write cut off now means for the module's configuration: nothing
// saved before the save went out (`lastStepSent` below kStepCount), not
// confirmed after, saved but not verified once it was acknowledged.
Text SaveStateAfter(unsigned lastStepSent, bool saveAcknowledged);
// "message; nothing was saved": a failure and what it means for the save.
Text WithSaveState(const Text& failure, const Text& saveState);
// A signal stopped the work; saveState as above, or empty.
Text Interrupted(const Text& saveState);

// The production line's operator.
Text WaitingForAModule();
Text Verifying();
Text ModuleOk();
// Why a module failed on the line, in the operator's few words.
enum class StationFailure { Refused, Differs, NoAnswer, PortFailed, CannotWrite, Interrupted };
// fields: the fields that differ, for Differs.
Text ModuleFailed(StationFailure why, const std::string& fields = {});
Text StationStep(unsigned step);
Text StationSummary(int ok, int failed);
// The operator's screen: a module's verdict, "✔ 成功  #3  /dev/ttyUSB0  4.2 s"
// or "✘ 失败  #4  ...  why"; the count line "成功 12 · 失败 1 · 等待模块…".
Text UnitVerdict(bool ok, int unit, const std::string& port, const std::string& seconds,
                 const Text& more);
Text AlreadyConfigured();
Text StationInterrupted();
// --units: every row has been given to a unit that was saved.
Text RowsRanOut();
Text RemoveTheModule();
Text StationCount(int ok, int failed, const Text& state);

}  // namespace wifi
