#include "Verify.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "ports/SystemPorts.h"

namespace cli {

using namespace wifi;

namespace {
constexpr std::chrono::milliseconds kRetry{200};
constexpr int kReadSeconds = 3;  // one try; a restarting module gets several
using Clock = std::chrono::steady_clock;

[[maybe_unused]] std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}
}  // namespace

Json ShownValue(const std::string& field, const Json& value, bool logSecrets) {
    // The Wi-Fi key: what --log-secrets would show.
    return field == "key" && !logSecrets && !value.is_null() ? Json("***") : value;
}

std::string Shown(const std::string& field, const Json& value, bool logSecrets) {
    return ShownValue(field, value, logSecrets)
        .dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool DevicePresent(const std::string& port) {
    return PortExists(port);
}

std::string DeviceIdentity(const std::string& port) {
#ifndef _WIN32
    if (!DevicePresent(port)) {
        return {};
    }
    struct stat link {};
    struct stat node {};
    if (::lstat(port.c_str(), &link) != 0 || ::stat(port.c_str(), &node) != 0) {
        return {};
    }
    auto stamp = [](const struct stat& st) {
#ifdef __linux__
        return std::to_string(st.st_ctim.tv_sec) + "." + std::to_string(st.st_ctim.tv_nsec);
#else
        return std::to_string(st.st_ctime);  // macOS names the nanoseconds differently
#endif
    };
    std::error_code ignored;
    return std::filesystem::canonical(PathOf(port), ignored).string() + " " + stamp(link) + " " +
           stamp(node) + " " + std::to_string(node.st_rdev);
#else
    return port;
#endif
}

Verification VerifyWrite(const JobSpec& spec, const JobResult& written) {
    Verification v;
    const auto start = Clock::now();
    const auto limit =
        std::chrono::milliseconds(static_cast<long long>(spec.timeoutSeconds * 1000));
    JobSpec read = spec;
    read.write = false;
    read.settings.clear();
    read.onStep = nullptr;
    JobResult last;
    last.error = "the device did not come back";
    last.exit = kPortFailed;
    while (Clock::now() - start < limit) {
        if (spec.stop && spec.stop->number() != 0) {
            v.exit = 128 + spec.stop->number();
            v.error = "verify: interrupted";
            return v;
        }
        if (!DevicePresent(spec.port)) {
            std::this_thread::sleep_for(kRetry);
            continue;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(limit - (Clock::now() - start));
        read.timeoutSeconds = std::clamp<double>(std::ceil(left.count() / 1000.0), 1, kReadSeconds);
        last = RunJob(read);
        if (last.exit == kOk) {
            std::string said;
            for (const std::string& field : DifferingFields(written.written, last.values)) {
                v.mismatches.push_back(
                    {field, written.wrote.value(field, Json()), last.form.value(field, Json())});
                const Mismatch& m = v.mismatches.back();
                said += (said.empty() ? "" : "; ") + field + " differs (wrote " +
                        Shown(m.field, m.wrote, spec.logSecrets) + ", the module has " +
                        Shown(m.field, m.read, spec.logSecrets) + ")";
            }
            if (!v.mismatches.empty()) {
                v.exit = kRefused;
                v.error = "verify: " + said;
            }
            return v;
        }
        if (last.exit >= 128) {
            v.exit = last.exit;
            v.error = "verify: interrupted";
            return v;
        }
        std::this_thread::sleep_for(kRetry);
    }
    v.exit = last.exit;
    v.error = "verify: the module could not be read again: " + last.error;
    return v;
}

}  // namespace cli
