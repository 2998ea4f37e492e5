#pragma once

#include <functional>
#include <string>
#include <vector>

#include "StopSignal.h"
#include "form/SessionEvents.h"
#include "profile/FormFields.h"
#include "profile/Profile.h"

namespace cli {

// Exit codes a script can trust.
enum Exit : int {
    kOk = 0,
    kRefused = 1,     // the module refused a command, or answered more often than asked
    kBadInput = 2,    // bad arguments or values, or a form that cannot be written
    kPortFailed = 3,  // the port could not be opened, disappeared or failed
    kTimeout = 4,     // no answer in time
    // 5 and 6 are diff's: the module differs, or cannot be told apart.
    kNotVerified = 7,   // saved, but the module could not be read back
    kOutputFailed = 8,  // a result or record could not be written out
    kRowsRanOut = 9,    // station --units: every row was given to a saved unit
    // Interrupted by a signal: 128 + its number (130 for SIGINT, 143 for SIGTERM).
};

struct JobResult {
    std::string port;
    int exit = kOk;
    std::string error;
    std::string next;  // what to do next about the error, said on standard error
    double seconds = 0;
    wifi::Json form;  // the form as the module reported it (read's output)
    // The fields the form cannot show as the module has them; null in `form`.
    std::vector<wifi::UnknownValue> unknown;
    std::vector<wifi::Text> notes;  // read: what the user should know of the texts' encoding
    wifi::FieldValues values;       // the form as reported, value by value
    // write: the form as submitted, as JSON and value by value.
    wifi::Json wrote;
    wifi::FieldValues written;
    // write: the fields given that the module already had as given.
    std::vector<std::string> alreadyAsGiven;
    // write: every field the module reported was already as the settings
    // make the form; with skipConfigured nothing was written.
    bool alreadyConfigured = false;
    bool skipped = false;
    bool reported = false;  // a whole configuration report came: a module answered
    // write: the save was read back as written; or the fields that were not.
    bool verified = false;
    std::vector<wifi::ReadBackField> readBack;
    // The device as it was when the module last answered on it (see
    // DeviceIdentity): the station waits for this one to go.
    std::string identity;
};

struct JobSpec {
    std::string port;
    bool write = false;
    // Apply the settings to the form and stop there, sending nothing more
    // (diff): `wrote` and `written` hold the form they make.
    bool applyOnly = false;
    std::vector<wifi::Setting> settings;  // write: applied in order, as a user's edits
    bool verify = true;                   // write: read the module back after its save
    bool skipConfigured = false;  // write: nothing is written to a module already so configured
    double timeoutSeconds = 10;
    bool trace = false;
    bool logSecrets = false;  // the trace shows the key as it is
    // read: the encoding texts are decoded with, unless they are all in the other.
    wifi::TextEncoding encoding = wifi::TextEncoding::Utf8;
    // The signal that asks every job to stop; not owned, may be null.
    StopSignal* stop = nullptr;
    // How long the configuration report may keep the line silent;
    // 0: timeoutSeconds.
    int firstAnswerMs = 0;
    // Told each parameter as it goes out (1 to kStepCount).
    std::function<void(unsigned step)> onStep;
};

// One module on one port, driven exactly as the window drives it: connect,
// wait for the handshake, (write: edit the form, submit, wait for the
// completion), close. Runs its own events on the calling thread.
JobResult RunJob(const JobSpec& spec);

// A failed job for standard error: "PORT: what happened. What to do next"
// (a port error names the port already).
std::string FailureLine(const JobResult& r);

}  // namespace cli
