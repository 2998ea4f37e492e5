#include "Diff.h"

#include <algorithm>
#include <cstdio>

#include "JobSession.h"
#include "Verify.h"
#include "wording/Messages.h"

namespace cli {

using namespace wifi;

int RunDiff(const JobSpec& spec, bool json) {
    JobResult r = RunJob(spec);
    if (r.exit != kOk) {
        std::fprintf(stderr, "wifi-config: %s\n", FailureLine(r).c_str());
        return r.exit;
    }
    std::vector<std::string> given;
    for (const Setting& s : spec.settings) {
        if (!s.isNull) {
            given.emplace_back(s.field->name);
        }
    }
    const auto isGiven = [&given](const std::string& name) {
        return std::find(given.begin(), given.end(), name) != given.end();
    };
    const std::vector<std::string> differing = DifferingFields(r.written, r.values);
    std::string out;
    bool differs = false;
    for (const Field& f : FormFields()) {
        const std::string name(f.name);
        const bool unknown = std::any_of(r.unknown.begin(), r.unknown.end(),
                                         [&f](const UnknownValue& u) { return u.field == &f; });
        const bool different =
            std::find(differing.begin(), differing.end(), name) != differing.end();
        if (!isGiven(name) || (!unknown && !different)) {
            continue;
        }
        differs = differs || !unknown;
        const Json module = unknown ? Json() : r.form.value(name, Json());
        const Json profile = r.wrote.value(name, Json());
        if (json) {
            Json line;
            line["field"] = name;
            line["module"] = ShownValue(name, module, spec.logSecrets);
            line["profile"] = ShownValue(name, profile, spec.logSecrets);
            if (unknown) {
                line["unknown"] = true;
            }
            out += JsonLine(line) + "\n";
        } else {
            out += name + ": module " +
                   (unknown ? std::string("unknown") : Shown(name, module, spec.logSecrets)) +
                   ", profile " + Shown(name, profile, spec.logSecrets) + "\n";
        }
    }
    for (const Text& note : r.notes) {
        std::fprintf(stderr, "wifi-config: %s: %s\n", r.port.c_str(), English(note).c_str());
    }
    std::fputs(out.c_str(), stdout);
    return differs ? kDiffers : kOk;
}

}  // namespace cli
