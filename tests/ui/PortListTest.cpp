// The port list as each system has it, from a fake source of port
// information.
#include <QTest>

#include "platform/PortList.h"

using namespace wifi;

class PortListTest : public QObject {
    Q_OBJECT
  private slots:
    void windowsKeepsComOneToSixteenAndAddsWhatLiesBeyond() {
        const QStringList ports = PortEntries(
            PortSystem::Windows, {{"COM3"}, {"COM23"}, {"COM17"}}, {QStringLiteral("COM40")});
        QCOMPARE(ports.size(), 16 + 3);
        QCOMPARE(ports.first(), QStringLiteral("COM1"));
        QCOMPARE(ports[15], QStringLiteral("COM16"));
        QCOMPARE(ports.mid(16), (QStringList{"COM17", "COM23", "COM40"}));
        QCOMPARE(ports.count(QStringLiteral("COM3")), 1);
    }

    void macOsListsTheCallOutDevicesOnly() {
        const QStringList ports =
            PortEntries(PortSystem::MacOS,
                        {{"/dev/tty.usbserial-A50285BI"}, {"/dev/cu.usbserial-A50285BI"},
                         {"/dev/cu.Bluetooth-Incoming-Port"}},
                        {});
        QCOMPARE(ports, (QStringList{"/dev/cu.Bluetooth-Incoming-Port",
                                     "/dev/cu.usbserial-A50285BI"}));
    }

    void elsewhereTheReportedDevicesInAStableOrderThenTheNamedOnes() {
        const QStringList ports =
            PortEntries(PortSystem::Other, {{"/dev/ttyUSB1"}, {"/dev/ttyS0"}, {"/dev/ttyUSB0"}},
                        {QStringLiteral("/tmp/wifi-module"), QStringLiteral("/dev/ttyUSB0")});
        QCOMPARE(ports, (QStringList{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1",
                                     "/tmp/wifi-module"}));
        QVERIFY(PortEntries(PortSystem::Other, {}, {}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(PortListTest)
#include "PortListTest.moc"
