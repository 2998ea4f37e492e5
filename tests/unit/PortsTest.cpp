// The port list as each system has it, and the choice in it, from what a
// system reports.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ports/PortInfo.h"
#include "ports/SystemPorts.h"

namespace wifi {
namespace {

using Devices = std::vector<std::string>;

PortInfo Port(const char* device) {
    PortInfo p;
    p.device = device;
    return p;
}

PortInfo Usb(const char* device, const char* description, const char* manufacturer,
             const char* serial, std::uint16_t vid, std::uint16_t pid) {
    PortInfo p{device, description, manufacturer, serial, vid, pid, {}};
    return p;
}

TEST(PortEntries, WindowsListsWhatExistsByNumberThenANamedPort) {
    const Devices ports = PortEntries(
        PortSystem::Windows, {Port("COM3"), Port("COM23"), Port("COM17"), Port("COM3")}, {"COM40"});
    EXPECT_EQ(ports, (Devices{"COM3", "COM17", "COM23", "COM40"}));
}

TEST(PortEntries, MacOsListsTheCallOutDevicesOnly) {
    EXPECT_EQ(PortEntries(PortSystem::MacOS,
                          {Port("/dev/tty.usbserial-A50285BI"), Port("/dev/cu.usbserial-A50285BI"),
                           Port("/dev/cu.Bluetooth-Incoming-Port")},
                          {}),
              (Devices{"/dev/cu.Bluetooth-Incoming-Port", "/dev/cu.usbserial-A50285BI"}));
}

TEST(PortEntries, ElsewhereTheReportedDevicesInAStableOrderThenTheNamedOnes) {
    EXPECT_EQ(PortEntries(PortSystem::Other,
                          {Port("/dev/ttyUSB1"), Port("/dev/ttyS0"), Port("/dev/ttyUSB0")},
                          {"/tmp/wifi-module", "/dev/ttyUSB0"}),
              (Devices{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/tmp/wifi-module"}));
    EXPECT_TRUE(PortEntries(PortSystem::Other, {}, {}).empty());
}

TEST(PortEntries, AnEntryNamesWhatTheDeviceIsAndItsUsbIds) {
    const PortInfo ch340 = Usb("/dev/ttyUSB0", "CH340 USB-Serial", "QinHeng", "", 0x1a86, 0x7523);
    EXPECT_EQ(PortEntryText(ch340), "ttyUSB0 — CH340 USB-Serial (1a86:7523)");
    const PortInfo ftdi = Usb("COM3", "", "FTDI", "A50285BI", 0x0403, 0x6001);
    EXPECT_EQ(PortEntryText(ftdi), "COM3 — FTDI (0403:6001)");
    EXPECT_EQ(PortEntryText(Port("/dev/ttyS0")), "ttyS0");
    EXPECT_EQ(UsbId(0x00a), "000a");
    PortInfo named = ftdi;
    named.device = "/dev/ttyUSB1";
    named.stableName = "/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0";
    EXPECT_EQ(
        PortToolTip(named),
        "/dev/ttyUSB1\n/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0\nFTDI\nA50285BI");
}

TEST(PortList, FollowsTheSystemKeepsTheChoiceAndFindsAnAdapterByItsSerialNumber) {
    PortList list(PortSystem::Other, {});
    EXPECT_FALSE(list.Update({}));
    EXPECT_TRUE(list.devices().empty());
    EXPECT_TRUE(list.Update({Usb("/dev/ttyUSB0", "CP2102", "Silicon Labs", "0001", 0x10c4, 0xea60),
                             Usb("/dev/ttyUSB1", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001)}));
    EXPECT_TRUE(list.Choose("/dev/ttyUSB1"));
    EXPECT_EQ(list.SerialNumber(), "A50285BI");
    EXPECT_FALSE(list.Update(list.reported())) << "nothing changed";
    EXPECT_EQ(list.Device(), "/dev/ttyUSB1");

    // Replugged, the FTDI adapter comes back as ttyUSB0; the remembered
    // serial number finds it under its new name.
    EXPECT_TRUE(list.Update({Usb("/dev/ttyUSB0", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001)}));
    EXPECT_EQ(list.Device(), "") << "the chosen device went away";
    EXPECT_TRUE(list.Choose("/dev/ttyUSB1", "A50285BI"));
    EXPECT_EQ(list.Device(), "/dev/ttyUSB0");
    EXPECT_FALSE(list.Choose("/dev/ttyACM9"));
}

TEST(PortList, AStableNameNamesItsDevice) {
    PortInfo ftdi = Usb("/dev/ttyUSB3", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001);
    ftdi.stableName = "/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0";
    PortList list(PortSystem::Other, {ftdi.stableName});
    list.Update({ftdi});
    EXPECT_EQ(list.devices(), Devices{"/dev/ttyUSB3"}) << "one entry, not two";
    EXPECT_TRUE(list.Choose(ftdi.stableName));
    EXPECT_EQ(list.Device(), "/dev/ttyUSB3");
}

#ifndef _WIN32
// Linux's sysfs, as a tree of folders, files and links in a temporary
// folder: a USB adapter behind its interface, a CDC-ACM modem, a UART with a
// chip and one without, and a virtual terminal.
class SysfsTree : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("wifi-sysfs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root_);
        const auto usb = Dir("sys/devices/pci0000:00/usb1/1-1");
        File(usb / "idVendor", "1a86\n");
        File(usb / "idProduct", "7523\n");
        File(usb / "product", "USB Serial\n");
        File(usb / "manufacturer", "QinHeng Electronics\n");
        File(usb / "serial", "A50285BI\n");
        Dir("sys/devices/pci0000:00/usb1/1-1/1-1:1.0/ttyUSB0");
        Dir("sys/bus/usb-serial/drivers/ch341-uart");
        Link("sys/devices/pci0000:00/usb1/1-1/1-1:1.0/ttyUSB0/driver",
             "../../../../../../bus/usb-serial/drivers/ch341-uart");
        Tty("ttyUSB0", "../../devices/pci0000:00/usb1/1-1/1-1:1.0/ttyUSB0");

        const auto acm = Dir("sys/devices/pci0000:00/usb1/1-2");
        File(acm / "idVendor", "2341\n");
        File(acm / "idProduct", "0043\n");
        Dir("sys/devices/pci0000:00/usb1/1-2/1-2:1.0");
        Tty("ttyACM0", "../../devices/pci0000:00/usb1/1-2/1-2:1.0");

        Dir("sys/bus/platform/drivers/serial8250");
        for (const char* uart : {"ttyS0", "ttyS1"}) {
            Dir(std::string("sys/devices/platform/serial8250/") + uart);
            Link(std::string("sys/devices/platform/serial8250/") + uart + "/driver",
                 "../../../../bus/platform/drivers/serial8250");
            Tty(uart, std::string("../../devices/platform/serial8250/") + uart);
        }
        File(Root("sys/class/tty/ttyS0/type"), "4\n");  // a 16550A
        File(Root("sys/class/tty/ttyS1/type"), "0\n");  // no chip
        Dir("sys/class/tty/tty1");                      // no device behind it

        Dir("dev/serial/by-id");
        for (const char* node : {"ttyUSB0", "ttyACM0", "ttyS0", "ttyS1", "tty1"}) {
            File(Root("dev") / node, "");
        }
        Link("dev/serial/by-id/usb-1a86_USB_Serial_A50285BI-if00-port0", "../../ttyUSB0");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::filesystem::path Root(const std::filesystem::path& p) const { return root_ / p; }
    std::filesystem::path Dir(const std::filesystem::path& p) {
        std::filesystem::create_directories(Root(p));
        return Root(p);
    }
    void File(const std::filesystem::path& at, const std::string& text) {
        std::ofstream(at) << text;
    }
    void Link(const std::filesystem::path& at, const std::string& to) {
        std::filesystem::create_directories(Root(at).parent_path());
        std::filesystem::create_symlink(to, Root(at));
    }
    void Tty(const std::string& name, const std::string& device) {
        Dir("sys/class/tty/" + name);
        Link("sys/class/tty/" + name + "/device", "../" + device);
    }

    std::filesystem::path root_;
};

TEST_F(SysfsTree, ListsTheSerialPortsWithWhatTheirUsbDevicesSay) {
    const auto ports = SysfsPorts(Root("sys/class/tty"), Root("dev"));
    ASSERT_EQ(ports.size(), 3u) << "no chipless UART, no virtual terminal";
    const auto dev = [&](const char* name) { return Root("dev").string() + "/" + name; };
    EXPECT_EQ(ports[0].device, dev("ttyACM0"));
    EXPECT_EQ(ports[0].vid, 0x2341);
    EXPECT_EQ(ports[0].pid, 0x0043);
    EXPECT_EQ(ports[0].description, "") << "the modem names no product";
    EXPECT_EQ(ports[0].stableName, "");

    EXPECT_EQ(ports[1].device, dev("ttyS0"));
    EXPECT_EQ(ports[1].vid, std::nullopt);
    EXPECT_EQ(ports[1].serialNumber, "");

    EXPECT_EQ(ports[2].device, dev("ttyUSB0"));
    EXPECT_EQ(ports[2].description, "USB Serial");
    EXPECT_EQ(ports[2].manufacturer, "QinHeng Electronics");
    EXPECT_EQ(ports[2].serialNumber, "A50285BI");
    EXPECT_EQ(ports[2].vid, 0x1a86);
    EXPECT_EQ(ports[2].pid, 0x7523);
    EXPECT_EQ(ports[2].stableName,
              Root("dev/serial/by-id/usb-1a86_USB_Serial_A50285BI-if00-port0").string());
    EXPECT_EQ(PortEntryText(ports[2]), "ttyUSB0 — USB Serial (1a86:7523)");
}

TEST_F(SysfsTree, AMissingTreeListsNothing) {
    EXPECT_TRUE(SysfsPorts(Root("nowhere"), Root("dev")).empty());
    std::filesystem::remove_all(Root("dev/serial"));
    EXPECT_EQ(SysfsPorts(Root("sys/class/tty"), Root("dev")).size(), 3u) << "no by-id folder";
}
#endif

}  // namespace
}  // namespace wifi
