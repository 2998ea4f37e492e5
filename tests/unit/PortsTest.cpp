// The port list as each system has it, and the choice in it, from what a
// system reports.
#include <gtest/gtest.h>

#include "ports/PortInfo.h"

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

TEST(PortEntries, WindowsKeepsComOneToSixteenAndAddsWhatLiesBeyond) {
    const Devices ports =
        PortEntries(PortSystem::Windows, {Port("COM3"), Port("COM23"), Port("COM17")}, {"COM40"});
    ASSERT_EQ(ports.size(), 16u + 3u);
    EXPECT_EQ(ports.front(), "COM1");
    EXPECT_EQ(ports[15], "COM16");
    EXPECT_EQ(Devices(ports.begin() + 16, ports.end()), (Devices{"COM17", "COM23", "COM40"}));
    EXPECT_EQ(std::count(ports.begin(), ports.end(), "COM3"), 1);
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

}  // namespace
}  // namespace wifi
