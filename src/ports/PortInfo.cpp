#include "ports/PortInfo.h"

#include <algorithm>
#include <cstdio>

namespace wifi {

PortSystem ThisSystem() {
#if defined(_WIN32)
    return PortSystem::Windows;
#elif defined(__APPLE__)
    return PortSystem::MacOS;
#else
    return PortSystem::Other;
#endif
}

namespace {

// COM17 after COM9: by number, not by text.
int ComNumber(const std::string& name) {
    if (name.size() < 4 || (name.compare(0, 3, "COM") != 0 && name.compare(0, 3, "com") != 0)) {
        return 0;
    }
    return std::atoi(name.c_str() + 3);
}

bool ListedBefore(const PortInfo& a, const PortInfo& b) {
    const int na = ComNumber(a.device);
    const int nb = ComNumber(b.device);
    return na != nb ? na < nb : a.device < b.device;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

std::vector<PortInfo> ListedPorts(PortSystem system, const std::vector<PortInfo>& reported) {
    std::vector<PortInfo> ports;
    for (const auto& port : reported) {
        if (system != PortSystem::MacOS || port.device.rfind("/dev/cu.", 0) == 0) {
            ports.push_back(port);
        }
    }
    std::sort(ports.begin(), ports.end(), ListedBefore);
    ports.erase(std::unique(ports.begin(), ports.end(),
                            [](const auto& a, const auto& b) { return a.device == b.device; }),
                ports.end());
    return ports;
}

std::vector<std::string> PortEntries(PortSystem system, const std::vector<PortInfo>& reported,
                                     const std::vector<std::string>& named) {
    // What exists, in the system's order (COM2 before COM10), then what was
    // named: a list of sixteen ports that may not be there helps nobody.
    std::vector<std::string> ports;
    for (const auto& port : ListedPorts(system, reported)) {
        if (!Contains(ports, port.device)) {
            ports.push_back(port.device);
        }
    }
    for (const auto& device : named) {
        const PortInfo info = InfoOf(device, reported);
        if (!Contains(ports, device) && !Contains(ports, info.device)) {
            ports.push_back(device);
        }
    }
    return ports;
}

PortInfo InfoOf(const std::string& device, const std::vector<PortInfo>& reported) {
    for (const auto& port : reported) {
        if (port.device == device || (!port.stableName.empty() && port.stableName == device)) {
            return port;
        }
    }
    PortInfo alone;
    alone.device = device;
    return alone;
}

std::string UsbId(std::uint16_t id) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04x", static_cast<unsigned>(id));
    return hex;
}

std::string ShortName(const std::string& device) {
    const auto slash = device.find_last_of("/\\");
    return slash == std::string::npos ? device : device.substr(slash + 1);
}

std::string PortEntryText(const PortInfo& info) {
    std::string text = ShortName(info.device);
    const std::string& what = info.description.empty() ? info.manufacturer : info.description;
    if (!what.empty()) {
        text += " — " + what;
    }
    if (info.vid && info.pid) {
        text += " (" + UsbId(*info.vid) + ":" + UsbId(*info.pid) + ")";
    }
    return text;
}

std::string PortToolTip(const PortInfo& info) {
    std::string tip = info.device;
    for (const std::string* line : {&info.stableName, &info.manufacturer, &info.serialNumber}) {
        if (!line->empty()) {
            tip += "\n" + *line;
        }
    }
    return tip;
}

bool PortList::Update(std::vector<PortInfo> reported) {
    const std::string chosen = Device();
    reported_ = std::move(reported);
    std::vector<std::string> devices = PortEntries(system_, reported_, named_);
    const bool changed = devices != devices_;
    devices_ = std::move(devices);
    chosen_ = -1;
    if (!chosen.empty()) {
        const auto it = std::find(devices_.begin(), devices_.end(), chosen);
        chosen_ = it == devices_.end() ? -1 : int(it - devices_.begin());
    }
    return changed;
}

bool PortList::Choose(const std::string& device, const std::string& serialNumber) {
    int index = -1;
    if (!serialNumber.empty()) {
        for (const auto& port : reported_) {
            if (port.serialNumber == serialNumber) {
                const auto it = std::find(devices_.begin(), devices_.end(), port.device);
                index = it == devices_.end() ? index : int(it - devices_.begin());
            }
        }
    }
    if (index < 0 && !device.empty()) {
        const std::string found = InfoOf(device, reported_).device;
        for (const std::string& name : {device, found}) {
            const auto it = std::find(devices_.begin(), devices_.end(), name);
            index = index < 0 && it != devices_.end() ? int(it - devices_.begin()) : index;
        }
    }
    if (index >= 0) {
        chosen_ = index;
    }
    return index >= 0;
}

}  // namespace wifi
