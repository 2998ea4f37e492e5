#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wifi {

// The systems whose serial ports are listed differently.
enum class PortSystem { Windows, MacOS, Other };
PortSystem ThisSystem();

// What the system reports of one serial port. The texts are empty and the
// ids unset where the system does not know them (a built-in UART).
struct PortInfo {
    std::string device;  // "COM3" on Windows, a path elsewhere
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
    std::optional<std::uint16_t> vid;
    std::optional<std::uint16_t> pid;
    // A name that stays when the adapter is plugged in elsewhere
    // (/dev/serial/by-id/...); empty where the system has none.
    std::string stableName;

    bool operator==(const PortInfo&) const = default;
};

// What tells a front end the serial ports the system has now.
using PortSource = std::function<std::vector<PortInfo>()>;

// The ports the system reports that a user would pick from: on macOS the
// call-out devices (/dev/cu.*) only, not their /dev/tty.* twins; in a stable
// order (COM17 after COM9).
std::vector<PortInfo> ListedPorts(PortSystem system, const std::vector<PortInfo>& reported);

// The port list's devices:
// - Windows: "COM1" to "COM16", as the module's users always had them, then
//   any port the system reports beyond them (a USB adapter on COM17);
// - elsewhere: the listed ports;
// then the devices named on the command line that are not among them.
std::vector<std::string> PortEntries(PortSystem system, const std::vector<PortInfo>& reported,
                                     const std::vector<std::string>& named);

// The reported information of a device (found by its device or its stable
// name), or the device name alone.
PortInfo InfoOf(const std::string& device, const std::vector<PortInfo>& reported);

// What users call the port: a path's last part ("ttyUSB0"), "COM3".
std::string ShortName(const std::string& device);
// "ttyUSB0 — CH340 USB-Serial (1a86:7523)": the short name, what the device
// is, and its USB ids; the short name alone when the system knows nothing
// more.
std::string PortEntryText(const PortInfo& info);
// The device's whole path, its stable name, manufacturer and serial number,
// a line each, where known.
std::string PortToolTip(const PortInfo& info);
// "1a86": four lower-case hex digits.
std::string UsbId(std::uint16_t id);

// The port list of a window, following the system while the port is closed:
// the devices, and which one is chosen.
class PortList {
  public:
    PortList(PortSystem system, std::vector<std::string> named)
        : system_(system), named_(std::move(named)) {}

    // Takes what the system reports now; true when the entries changed. The
    // chosen device stays chosen while it is listed.
    bool Update(std::vector<PortInfo> reported);

    const std::vector<std::string>& devices() const { return devices_; }
    const std::vector<PortInfo>& reported() const { return reported_; }
    PortInfo InfoAt(std::size_t index) const { return InfoOf(devices_.at(index), reported_); }

    // The chosen device's index; -1 for none.
    int chosen() const { return chosen_; }
    void Choose(int index) { chosen_ = index >= 0 && index < int(devices_.size()) ? index : -1; }
    // Chooses a device: the one whose adapter has this serial number (it may
    // come back under another name), else the device itself, found by its
    // name or stable name. False when neither is listed.
    bool Choose(const std::string& device, const std::string& serialNumber = {});
    // The chosen device; empty for none.
    std::string Device() const {
        return chosen_ < 0 ? std::string() : devices_[std::size_t(chosen_)];
    }
    // The serial number of the chosen device's adapter; empty when unknown.
    std::string SerialNumber() const { return InfoOf(Device(), reported_).serialNumber; }

  private:
    PortSystem system_;
    std::vector<std::string> named_;
    std::vector<PortInfo> reported_;
    std::vector<std::string> devices_;
    int chosen_ = -1;
};

}  // namespace wifi
