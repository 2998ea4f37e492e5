#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

#include "FormFields.h"

namespace cli {

// Exit codes a script can trust.
enum Exit : int {
    kOk = 0,
    kRefused = 1,     // the module refused a parameter
    kBadInput = 2,    // bad arguments or values, or a form that cannot be written
    kPortFailed = 3,  // the port could not be opened, disappeared or failed
    kTimeout = 4,     // no answer in time
};

struct JobResult {
    QString port;
    int exit = kOk;
    QString error;
    double seconds = 0;
    QJsonObject form;  // read: the form as the module reported it
};

struct JobSpec {
    QString port;
    bool write = false;
    std::vector<Setting> settings;  // write: applied in order, as a user's edits
    int timeoutSeconds = 10;
    bool trace = false;
};

// One module on one port, driven exactly as the window drives it: connect,
// wait for the handshake, (write: edit the form, submit, wait for the
// completion), close. Runs its own event loop on the calling thread.
JobResult RunJob(const JobSpec& spec);

}  // namespace cli
