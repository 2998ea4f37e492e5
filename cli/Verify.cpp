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
#include "profile/Files.h"
#include "protocol/Secrets.h"
#include "serial/TrafficFormat.h"

namespace cli {

using namespace wifi;

Json ShownValue(const std::string& field, const Json& value, bool logSecrets) {
    // The Wi-Fi key: what --log-secrets would show.
    const Field* f = FindField(field);
    return f && IsSecret(*f) && !logSecrets && !value.is_null() ? Json(std::string(kMaskedSecret))
                                                                : value;
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
    return std::filesystem::canonical(PathFromUtf8(port), ignored).string() + " " + stamp(link) +
           " " + stamp(node) + " " + std::to_string(node.st_rdev);
#else
    return port;
#endif
}

namespace {

Json FormValueJson(const Field& field, const std::string& value) {
    switch (field.kind) {
        case FieldKind::List:
        case FieldKind::KeyIndex: {
            const auto index = static_cast<std::size_t>(std::atoi(value.c_str()));
            return index < field.names.size() && !value.empty() && value[0] != '-'
                       ? Json(std::string(field.names[index]))
                       : Json();
        }
        case FieldKind::Flag: return value != "0";
        case FieldKind::Text: return VisibleBytes(value);
        case FieldKind::Address:
        case FieldKind::Command: break;
    }
    return value;
}

}  // namespace

Json ReadBackJson(const ReadBackField& f, bool logSecrets) {
    const std::string name(f.field->name);
    Json item;
    item["field"] = name;
    item["wrote"] = ShownValue(name, FormValueJson(*f.field, f.wrote), logSecrets);
    item["read"] = f.has ? ShownValue(name, FormValueJson(*f.field, *f.has), logSecrets) : Json();
    if (!f.has) {
        item["reported"] =
            f.reported ? ShownValue(name, VisibleBytes(*f.reported), logSecrets) : Json();
    }
    return item;
}

}  // namespace cli
