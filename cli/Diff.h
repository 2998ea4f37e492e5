#pragma once

#include "ModuleJob.h"

namespace cli {

// Exit code of diff when the module and the profile differ.
constexpr int kDiffers = 5;
// Exit code of diff when none differ, but some field the profile gives is
// unknown on the module: whether it is equal cannot be told.
constexpr int kCannotTell = 6;

// `wifi-config diff`: reads the module, applies the profile to the form as a
// write would (sending nothing more), and prints each field where the two
// differ, one JSON line (or text line) each: {"field", "module", "profile"}.
// A field the profile gives that the module's report leaves unknown is listed
// with "module": null and "unknown": true; it is not counted as a difference,
// for nobody can tell. 0 when none differ, 5 when some do, else read's codes.
int RunDiff(const JobSpec& spec, bool json);

}  // namespace cli
