#include "PortsCommand.h"

#include <QJsonObject>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

#include "Probe.h"
#include "platform/PortList.h"
#include "profile/JsonText.h"
#include "protocol/ReportParser.h"

namespace cli {

using namespace wifi;

namespace {

QJsonValue TextOrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonValue IdOrNull(const std::optional<quint16>& id) {
    return id ? QJsonValue(UsbId(*id)) : QJsonValue();
}

// What a probe adds to a port's entry. A module's network type is its report
// token ("STA"); its SSID is decoded text, or {"hex": ...} when the bytes are
// not valid in the encoding.
void AddProbe(QJsonObject& entry, const Probe& probe, const TextCodec& codec) {
    entry[QStringLiteral("busy")] = probe.found == Probe::Found::Busy;
    if (probe.found == Probe::Found::Busy) {
        entry[QStringLiteral("module")] = QJsonValue();
        return;
    }
    const bool module = probe.found == Probe::Found::Module;
    entry[QStringLiteral("module")] = module;
    if (!module) {
        return;
    }
    const auto netType = ReportValue(probe.report, report::kNetworkType);
    entry[QStringLiteral("netType")] =
        netType ? QJsonValue(QString::fromStdString(*netType)) : QJsonValue();
    const auto ssid = ReportValue(probe.report, report::kSsid);
    if (!ssid) {
        entry[QStringLiteral("ssid")] = QJsonValue();
    } else if (const auto text = codec.Decode(*ssid)) {
        entry[QStringLiteral("ssid")] = *text;
    } else {
        entry[QStringLiteral("ssid")] = QJsonObject{
            {QStringLiteral("hex"), QString::fromLatin1(QByteArray::fromStdString(*ssid).toHex())}};
    }
}

std::string TextLine(const QJsonObject& e) {
    QString line = e[QStringLiteral("port")].toString();
    auto add = [&](const char* label, const QString& key) {
        const QJsonValue v = e[key];
        if (v.isString()) {
            line += QStringLiteral("  %1: %2").arg(QLatin1String(label), v.toString());
        }
    };
    add("description", QStringLiteral("description"));
    add("manufacturer", QStringLiteral("manufacturer"));
    add("serial", QStringLiteral("serialNumber"));
    if (e[QStringLiteral("vid")].isString() && e[QStringLiteral("pid")].isString()) {
        line += QStringLiteral("  usb: %1:%2")
                    .arg(e[QStringLiteral("vid")].toString(), e[QStringLiteral("pid")].toString());
    }
    if (e.contains(QStringLiteral("module"))) {
        if (e[QStringLiteral("busy")].toBool()) {
            line += QStringLiteral("  busy");
        } else if (e[QStringLiteral("module")].toBool()) {
            const QJsonValue ssid = e[QStringLiteral("ssid")];
            line += QStringLiteral("  module: %1 %2")
                        .arg(e[QStringLiteral("netType")].toString(),
                             ssid.isString() ? ssid.toString()
                                             : ssid.toObject()[QStringLiteral("hex")].toString());
        } else {
            line += QStringLiteral("  no module");
        }
    }
    return line.toStdString() + "\n";
}

}  // namespace

int RunPorts(const PortsRequest& request) {
    std::vector<SerialPortInfo> ports = ListedPorts(ThisSystem(), SystemPorts());
    for (const QString& device : request.named) {
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
        std::vector<std::unique_ptr<QThread>> threads;
        for (std::size_t i = 0; i < ports.size(); ++i) {
            threads.emplace_back(QThread::create([&, i] {
                probes[i] = ProbeForReport(ports[i].device, request.timeoutSeconds * 1000);
            }));
            threads.back()->start();
        }
        for (auto& t : threads) {
            t->wait();
        }
    }
    const TextCodec codec(request.encoding);
    std::string json;
    std::string text;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const SerialPortInfo& p = ports[i];
        QJsonObject entry{{QStringLiteral("port"), p.device},
                          {QStringLiteral("description"), TextOrNull(p.description)},
                          {QStringLiteral("manufacturer"), TextOrNull(p.manufacturer)},
                          {QStringLiteral("serialNumber"), TextOrNull(p.serialNumber)},
                          {QStringLiteral("vid"), IdOrNull(p.vid)},
                          {QStringLiteral("pid"), IdOrNull(p.pid)}};
        if (request.probe) {
            AddProbe(entry, probes[i], codec);
        }
        // The members in a reader's order, one port a line.
        OrderedJson line;
        for (const char* key : {"port", "description", "manufacturer", "serialNumber", "vid", "pid",
                                "busy", "module", "netType", "ssid"}) {
            if (entry.contains(QLatin1String(key))) {
                line.Add(QLatin1String(key), entry[QLatin1String(key)]);
            }
        }
        json.append(json.empty() ? "[\n  " : ",\n  ").append(line.Text());
        text += TextLine(entry);
    }
    if (request.json) {
        std::fputs((json.empty() ? std::string("[]\n") : json + "\n]\n").c_str(), stdout);
    } else {
        std::fputs(text.c_str(), stdout);
    }
    return 0;
}

}  // namespace cli
