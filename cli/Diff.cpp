#include "Diff.h"

#include <algorithm>
#include <cstdio>

#include "JobSession.h"
#include "Output.h"
#include "Verify.h"
#include "serial/TrafficFormat.h"
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
    bool cannotTell = false;
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
        cannotTell = cannotTell || unknown;
        // Cannot tell is not equal: the raw value the module reported, if any.
        std::optional<std::string> reported;
        for (const UnknownValue& u : r.unknown) {
            if (u.field == &f) {
                reported = u.reported;
            }
        }
        const Json module = unknown ? Json() : r.form.value(name, Json());
        const Json profile = r.wrote.value(name, Json());
        if (json) {
            Json line;
            line["field"] = name;
            line["module"] = ShownValue(name, module, spec.logSecrets);
            line["profile"] = ShownValue(name, profile, spec.logSecrets);
            if (unknown) {
                line["unknown"] = true;
                line["reported"] =
                    reported ? ShownValue(name, VisibleBytes(*reported), spec.logSecrets) : Json();
            }
            out += JsonLine(line) + "\n";
        } else {
            const std::string raw =
                reported ? " (reported " +
                               Shown(name, Json(VisibleBytes(*reported)), spec.logSecrets) + ")"
                : f.reportKey.empty() ? std::string(" (no module reports it)")
                                      : std::string(" (the report lacks it)");
            out += name + ": module " +
                   (unknown ? "cannot tell" + raw : Shown(name, module, spec.logSecrets)) +
                   ", profile " + Shown(name, profile, spec.logSecrets) + "\n";
        }
    }
    for (const Text& note : r.notes) {
        std::fprintf(stderr, "wifi-config: %s: %s\n", r.port.c_str(), Spoken(note).c_str());
    }
    Print(out);
    return differs ? kDiffers : cannotTell ? kCannotTell : kOk;
}

}  // namespace cli
