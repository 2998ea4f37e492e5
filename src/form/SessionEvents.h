#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "form/Fields.h"
#include "protocol/SessionState.h"
#include "protocol/ValueRules.h"
#include "protocol/WriteSequence.h"

namespace wifi {

// Why a submit sent nothing.
enum class SubmitRefusal {
    Busy,          // a command is in flight: a sequence runs, or the handshake
    NotConnected,  // the module has not answered the connect handshake
};

// What a wait, a refusal or a reply out of step concerned: the command and,
// in a write, its step (0: the configure command, 1 to 21: the step's
// command, 21 the save), and the command line as sent, without its line end.
// `writing` says it was part of a submit, so that nothing, or not all, was
// saved; a second submit's connect request is part of it too.
// `reply` is the module's line that refused it, or for an answer that did
// not come, the last line it sent instead ("+OK"); `keptSending`: bytes kept
// coming until the longest wait ran out, but no whole answer among them.
struct Exchange {
    Exchange() = default;
    Exchange(InFlight command_, unsigned step_, bool writing_, std::string line_,
             std::string reply_ = {}, bool keptSending_ = false)
        : command(command_),
          step(step_),
          writing(writing_),
          line(std::move(line_)),
          reply(std::move(reply_)),
          keptSending(keptSending_) {}

    InFlight command = InFlight::None;
    unsigned step = 0;
    bool writing = false;
    std::string line;
    std::string reply;
    bool keptSending = false;
};

// What the read-back after a save found.
enum class ReadBackResult {
    Verified,     // the module holds every field written
    Differs,      // some field is not as written, or its value cannot be told
    NotVerified,  // saved, but the module could not be read back
};
// Why a save was not verified: the read-back was refused or not answered,
// the module did not come back after restarting, or its report gave no value
// the form can hold for some field written (`fields`): whether it holds what
// was written cannot be told, which is never taken for equal.
enum class ReadBackFailure { None, Refused, NoAnswer, PortGone, CannotTell };

// A field the read-back did not find as written: what the write sent and
// what the module reports now, each as the form holds it (a list's index, a
// flag's 0 or 1, an address, a text's bytes). No `has`: the report gave no
// value the form can hold, so whether the module holds what was written
// cannot be told; `reported` is then its raw value, if any.
struct ReadBackField {
    const Field* field = nullptr;
    std::string wrote;
    std::optional<std::string> has;
    std::optional<std::string> reported;
};

struct ReadBack {
    ReadBackResult result = ReadBackResult::Verified;
    std::vector<ReadBackField> fields;  // Differs, CannotTell
    ReadBackFailure why = ReadBackFailure::None;
    Exchange exchange;  // NotVerified: what was refused or not answered
};

// A field whose value is not known: the report lacked its key, gave a value
// the form cannot hold, or (the protocol) never carries it. `reported` is the
// raw value, if there was one.
struct UnknownValue {
    const Field* field = nullptr;
    std::optional<std::string> reported;
};

// What a front end may want to show of a connection's progress beyond the
// status field: the report, the connected reply, each write step, a refusal,
// the completion. Every call comes from within a handler, on its thread.
class SessionEvents {
  public:
    virtual ~SessionEvents() = default;
    // A connection was asked for: the port opened and the query goes out.
    // What was said of an earlier attempt is over.
    virtual void Connecting() {}
    // The report filled the form; these fields it left unknown.
    virtual void ReportParsed(const std::vector<UnknownValue>& unknown) { (void)unknown; }
    virtual void Connected() {}
    // The module is connected (its handshake done, the port open), or no
    // longer: what a window's title shows.
    virtual void ConnectionChanged(bool connected) { (void)connected; }
    // After a save the module restarted, and its port was opened again to
    // read it back.
    virtual void PortReopened() {}
    // Step 1 to 21 was performed: its command was sent, or nothing was sent
    // (command.skip says why) and the sequence stopped there.
    virtual void StepPerformed(unsigned step, const StepCommand& command) {
        (void)step;
        (void)command;
    }
    // The module answered "ERROR" to the command in flight.
    virtual void Refused(const Exchange& what) { (void)what; }
    virtual void SubmitRefused(SubmitRefusal why) { (void)why; }
    // A submit sent nothing: the value of what step `step` sends (source: see
    // StepCommand) breaks its rule, or is not known. The form puts the focus
    // on that field, or, for an address DHCP keeps disabled (`underDhcp`), on
    // the DHCP box.
    virtual void ValueRejected(unsigned step, unsigned source, RuleBreak why, bool underDhcp) {
        (void)step;
        (void)source;
        (void)why;
        (void)underDhcp;
    }
    // The module did not answer the command in flight in time; `incomplete`:
    // bytes of an answer came, but not a whole one. A connection was closed;
    // a write sequence stopped, the port left open.
    virtual void TimedOut(const Exchange& what, bool incomplete) {
        (void)what;
        (void)incomplete;
    }
    // The module answered more often than it was asked; lastSent is the
    // write command that went out last (step 21: the save, which is
    // therefore not confirmed). The sequence stopped; nothing more was sent.
    virtual void OutOfStep(const Exchange& lastSent) { (void)lastSent; }
    // The save was acknowledged; `readingBack`: the module is read back now.
    // A failure from here on leaves the module saved.
    virtual void SaveAcknowledged(bool readingBack) { (void)readingBack; }
    // The read-back ended: verified (Completed follows), or not.
    virtual void ReadBackDone(const ReadBack& outcome) { (void)outcome; }
    // The save was acknowledged and read back as written (or, without the
    // read-back, the line stayed quiet); the completion message follows.
    virtual void Completed() {}
    // A write sequence ended, whichever way: the form can be edited again.
    virtual void SequenceEnded() {}
    // A person changed a field of the connected form; `unsaved`: the form
    // now differs from what the module holds as far as the tool knows.
    virtual void FormEdited(bool unsaved) { (void)unsaved; }
    // The port went away, or the user closed it. `during`: what was in
    // flight; `during.writing` when a write had not finished, which
    // therefore saved nothing (or, at the save, is not confirmed; after its
    // acknowledgement, step kCompletionStep, it is saved but not verified).
    virtual void Disconnected(const Exchange& during) { (void)during; }
};

}  // namespace wifi
