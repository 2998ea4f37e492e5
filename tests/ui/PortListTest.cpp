// The port list as each system has it, from a fake source of port
// information.
#include <QTest>

#include "platform/PortComboBox.h"
#include "platform/PortList.h"

using namespace wifi;

namespace {
SerialPortInfo Port(const char* device) {
    return {QString::fromLatin1(device), {}, {}, {}, {}, {}};
}
}  // namespace

class PortListTest : public QObject {
    Q_OBJECT
  private slots:
    void windowsKeepsComOneToSixteenAndAddsWhatLiesBeyond() {
        const QStringList ports =
            PortEntries(PortSystem::Windows, {Port("COM3"), Port("COM23"), Port("COM17")},
                        {QStringLiteral("COM40")});
        QCOMPARE(ports.size(), 16 + 3);
        QCOMPARE(ports.first(), QStringLiteral("COM1"));
        QCOMPARE(ports[15], QStringLiteral("COM16"));
        QCOMPARE(ports.mid(16), (QStringList{"COM17", "COM23", "COM40"}));
        QCOMPARE(ports.count(QStringLiteral("COM3")), 1);
    }

    void macOsListsTheCallOutDevicesOnly() {
        const QStringList ports =
            PortEntries(PortSystem::MacOS,
                        {Port("/dev/tty.usbserial-A50285BI"), Port("/dev/cu.usbserial-A50285BI"),
                         Port("/dev/cu.Bluetooth-Incoming-Port")},
                        {});
        QCOMPARE(ports,
                 (QStringList{"/dev/cu.Bluetooth-Incoming-Port", "/dev/cu.usbserial-A50285BI"}));
    }

    void elsewhereTheReportedDevicesInAStableOrderThenTheNamedOnes() {
        const QStringList ports = PortEntries(
            PortSystem::Other, {Port("/dev/ttyUSB1"), Port("/dev/ttyS0"), Port("/dev/ttyUSB0")},
            {QStringLiteral("/tmp/wifi-module"), QStringLiteral("/dev/ttyUSB0")});
        QCOMPARE(ports,
                 (QStringList{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/tmp/wifi-module"}));
        QVERIFY(PortEntries(PortSystem::Other, {}, {}).isEmpty());
    }

    void anEntryNamesWhatTheDeviceIsAndItsUsbIds() {
        SerialPortInfo ch340{"/dev/ttyUSB0", "CH340 USB-Serial", "QinHeng", "", 0x1a86, 0x7523};
        QCOMPARE(PortEntryText(ch340), QStringLiteral("ttyUSB0 — CH340 USB-Serial (1a86:7523)"));
        SerialPortInfo ftdi{"COM3", "", "FTDI", "A50285BI", 0x0403, 0x6001};
        QCOMPARE(PortEntryText(ftdi), QStringLiteral("COM3 — FTDI (0403:6001)"));
        QCOMPARE(PortEntryText(Port("/dev/ttyS0")), QStringLiteral("ttyS0"));
        QCOMPARE(UsbId(0x00a), QStringLiteral("000a"));
    }

    void theListFollowsTheSystemAndFindsAnAdapterByItsSerialNumber() {
        std::vector<SerialPortInfo> system;
        PortComboBox box({}, nullptr, [&] { return system; });
        // Nothing plugged in: one placeholder, which cannot be chosen.
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.itemText(0), QStringLiteral("未找到串口"));
        QVERIFY(box.Device().isEmpty());
        QVERIFY(!box.Choose(QString()));

        system = {{"/dev/ttyUSB0", "CP2102", "Silicon Labs", "0001", 0x10c4, 0xea60},
                  {"/dev/ttyUSB1", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001}};
        // Within a second, with no hand on the list.
        QTRY_COMPARE_WITH_TIMEOUT(box.count(), 2, 5000);
        QCOMPARE(box.itemText(1), QStringLiteral("ttyUSB1 — FT232R (0403:6001)"));
        QVERIFY(box.Choose(QStringLiteral("/dev/ttyUSB1")));
        QCOMPARE(box.Device(), QStringLiteral("/dev/ttyUSB1"));
        QVERIFY(box.toolTip().startsWith(QStringLiteral("/dev/ttyUSB1\nFTDI\nA50285BI")));
        QCOMPARE(box.SerialNumber(), QStringLiteral("A50285BI"));

        // Replugged, the FTDI adapter comes back as ttyUSB0; the remembered
        // serial number finds it under its new name.
        system = {{"/dev/ttyUSB0", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001}};
        box.Refresh();
        QVERIFY2(box.Device().isEmpty(), "the chosen device went away");
        QVERIFY(box.Choose(QStringLiteral("/dev/ttyUSB1"), QStringLiteral("A50285BI")));
        QCOMPARE(box.Device(), QStringLiteral("/dev/ttyUSB0"));

        // While the port is open the list stays as it is.
        box.setEnabled(false);
        system.clear();
        box.Poll();
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.Device(), QStringLiteral("/dev/ttyUSB0"));
    }
};

QTEST_MAIN(PortListTest)
#include "PortListTest.moc"
