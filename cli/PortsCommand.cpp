#include "PortsCommand.h"

#include <cstdio>
#include <thread>

#include "Output.h"
#include "Probe.h"
#include "form/ControlIds.h"
#include "form/Fields.h"
#include "ports/PortInfo.h"
#include "ports/SystemPorts.h"
#include "profile/Json.h"
#include "protocol/ReportParser.h"
#include "text/TextCodec.h"

namespace cli {

using namespace wifi;

namespace {

Json TextOrNull(const std::string& text) {
    return text.empty() ? Json() : Json(text);
}

Json IdOrNull(const std::optional<std::uint16_t>& id) {
    return id ? Json(UsbId(*id)) : Json();
}

// What a probe adds to a port's entry. A module's network type is its report
// token ("STA"); its SSID is decoded text, or {"hex": ...} when the bytes are
// valid in no encoding. As read does, the encoding given yields to the other
// when the SSID is valid only there.
void AddProbe(Json& entry, const Probe& probe, TextEncoding chosen) {
    entry["busy"] = probe.found == Probe::Found::Busy;
    if (probe.found == Probe::Found::Busy) {
        entry["module"] = nullptr;
        return;
    }
    const bool module = probe.found == Probe::Found::Module;
    entry["module"] = module;
    if (!module) {
        return;
    }
    const Field& netTypeField = FieldOfControl(IDC_NETTYPE);
    const std::string ssidName(FieldOfControl(IDC_SSID).name);
    const auto netType = ReportValue(probe.report, netTypeField.reportKey);
    entry[std::string(netTypeField.name)] = netType ? Json(*netType) : Json();
    const auto ssid = ReportValue(probe.report, FieldOfControl(IDC_SSID).reportKey);
    const TextCodec codec(ssid ? DetectEncoding(*ssid).value_or(chosen) : chosen);
    entry["encoding"] = std::string(EncodingName(codec.encoding()));
    if (!ssid) {
        entry[ssidName] = nullptr;
    } else if (const auto text = codec.Decode(*ssid)) {
        entry[ssidName] = *text;
    } else {
        entry[ssidName] = BytesAsHex(*ssid);
    }
}

std::string TextLine(const Json& e) {
    std::string line = e["port"].get<std::string>();
    for (const auto& [label, key] :
         {std::pair{"description", "description"}, std::pair{"manufacturer", "manufacturer"},
          std::pair{"serial", "serialNumber"}}) {
        if (e[key].is_string()) {
            line += std::string("  ") + label + ": " + e[key].get<std::string>();
        }
    }
    if (e["vid"].is_string() && e["pid"].is_string()) {
        line += "  usb: " + e["vid"].get<std::string>() + ":" + e["pid"].get<std::string>();
    }
    if (e["stableName"].is_string()) {
        line += "  stable: " + e["stableName"].get<std::string>();
    }
    if (e.contains("module")) {
        if (e["busy"].get<bool>()) {
            line += "  busy";
        } else if (e["module"].get<bool>()) {
            const Json& ssid = e[std::string(FieldOfControl(IDC_SSID).name)];
            line +=
                "  module: " + e[std::string(FieldOfControl(IDC_NETTYPE).name)].get<std::string>() +
                " " + (ssid.is_string() ? ssid.get<std::string>() : ssid["hex"].get<std::string>());
        } else {
            line += "  no module";
        }
    }
    return line + "\n";
}

}  // namespace

int RunPorts(const PortsRequest& request) {
    std::vector<PortInfo> ports = ListedPorts(ThisSystem(), SystemPorts());
    for (const std::string& device : request.named) {
        bool listed = false;
        for (const auto& p : ports) {
            listed = listed || p.device == device;
        }
        if (!listed) {
            ports.push_back(InfoOf(device, {}));
        }
    }
    // All ports at once: the wait is one timeout, however many there are.
    std::vector<Probe> probes(ports.size());
    if (request.probe) {
        std::vector<std::thread> threads;
        for (std::size_t i = 0; i < ports.size(); ++i) {
            threads.emplace_back([&, i] {
                probes[i] = ProbeForReport(ports[i].device,
                                           static_cast<int>(request.timeoutSeconds * 1000));
            });
        }
        for (auto& t : threads) {
            t.join();
        }
    }
    std::string out;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const PortInfo& p = ports[i];
        Json entry;
        entry["port"] = p.device;
        entry["description"] = TextOrNull(p.description);
        entry["manufacturer"] = TextOrNull(p.manufacturer);
        entry["serialNumber"] = TextOrNull(p.serialNumber);
        entry["vid"] = IdOrNull(p.vid);
        entry["pid"] = IdOrNull(p.pid);
        entry["stableName"] = TextOrNull(p.stableName);
        if (request.probe) {
            AddProbe(entry, probes[i], request.encoding);
        }
        out += request.json ? JsonLine(entry) + "\n" : TextLine(entry);
    }
    Print(out);
    return 0;
}

}  // namespace cli
