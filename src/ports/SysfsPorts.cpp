// Serial ports as Linux's sysfs shows them. Plain file reads: the test runs
// it over a fake tree in a temporary folder.
#include <algorithm>
#include <fstream>

#include "ports/SystemPorts.h"

namespace wifi {

namespace fs = std::filesystem;

namespace {

// A sysfs attribute's text without its line end; empty when absent.
std::string Attribute(const fs::path& file) {
    std::ifstream in(file);
    std::string text;
    std::getline(in, text);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

std::optional<std::uint16_t> HexId(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(std::stoul(text, nullptr, 16));
}

// The USB device a tty hangs under: the nearest folder upwards with a
// vendor id (a ttyUSB sits two levels below it, a ttyACM's interface one).
std::optional<fs::path> UsbDevice(fs::path at) {
    for (int up = 0; up < 6 && at.has_relative_path(); ++up, at = at.parent_path()) {
        std::error_code ignored;
        if (fs::exists(at / "idVendor", ignored)) {
            return at;
        }
    }
    return std::nullopt;
}

// Where each /dev/serial/by-id link leads, by the device it names.
std::vector<std::pair<fs::path, fs::path>> StableNames(const fs::path& dev) {
    std::vector<std::pair<fs::path, fs::path>> names;
    std::error_code failed;
    for (const auto& link : fs::directory_iterator(dev / "serial" / "by-id", failed)) {
        std::error_code ignored;
        const fs::path target = fs::canonical(link.path(), ignored);
        if (!target.empty()) {
            names.emplace_back(target, link.path());
        }
    }
    return names;
}

}  // namespace

std::vector<PortInfo> SysfsPorts(const fs::path& classTty, const fs::path& dev) {
    std::vector<PortInfo> ports;
    const auto stable = StableNames(dev);
    std::error_code failed;
    for (const auto& entry : fs::directory_iterator(classTty, failed)) {
        std::error_code ignored;
        const fs::path device = fs::canonical(entry.path() / "device", ignored);
        if (device.empty()) {
            continue;  // a virtual terminal, a pseudo-terminal: no device behind it
        }
        const std::string name = entry.path().filename().string();
        const std::string driver = fs::canonical(device / "driver", ignored).filename().string();
        if ((driver == "serial8250" || driver == "serial") &&
            Attribute(entry.path() / "type") == "0") {
            continue;  // a UART slot without a chip
        }
        PortInfo port;
        port.device = (dev / name).string();
        if (const auto usb = UsbDevice(device)) {
            port.description = Attribute(*usb / "product");
            port.manufacturer = Attribute(*usb / "manufacturer");
            port.serialNumber = Attribute(*usb / "serial");
            port.vid = HexId(Attribute(*usb / "idVendor"));
            port.pid = HexId(Attribute(*usb / "idProduct"));
        }
        const fs::path node = fs::canonical(dev / name, ignored);
        for (const auto& [target, link] : stable) {
            if (!node.empty() && target == node) {
                port.stableName = link.string();
            }
        }
        ports.push_back(port);
    }
    std::sort(ports.begin(), ports.end(),
              [](const PortInfo& a, const PortInfo& b) { return a.device < b.device; });
    return ports;
}

}  // namespace wifi
