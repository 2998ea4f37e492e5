// The port list on its combo box, from a fake source of port information:
// it follows the system while the port is closed and finds an adapter again.
#include <QTest>

#include "qt/PortComboBox.h"

using namespace wifi;

class PortListTest : public QObject {
    Q_OBJECT
  private slots:
    void theListFollowsTheSystemAndFindsAnAdapterByItsSerialNumber() {
        std::vector<PortInfo> system;
        PortComboBox box({}, nullptr, [&] { return system; });
        // Nothing plugged in: one placeholder, which cannot be chosen.
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.itemText(0), QStringLiteral("未找到串口"));
        QVERIFY(box.Device().isEmpty());
        QVERIFY(!box.Choose(QString()));

        system = {{"/dev/ttyUSB0", "CP2102", "Silicon Labs", "0001", 0x10c4, 0xea60, {}},
                  {"/dev/ttyUSB1", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001, {}}};
        // Within a second, with no hand on the list.
        QTRY_COMPARE_WITH_TIMEOUT(box.count(), 2, 5000);
        QCOMPARE(box.itemText(1), QStringLiteral("ttyUSB1 — FT232R (0403:6001)"));
        QVERIFY(box.Choose(QStringLiteral("/dev/ttyUSB1")));
        QCOMPARE(box.Device(), QStringLiteral("/dev/ttyUSB1"));
        QCOMPARE(box.ClosedText(), QStringLiteral("ttyUSB1"));  // the narrow box: short
        QVERIFY(box.toolTip().startsWith(QStringLiteral("/dev/ttyUSB1\nFTDI\nA50285BI")));
        QCOMPARE(box.SerialNumber(), QStringLiteral("A50285BI"));

        // Replugged, the FTDI adapter comes back as ttyUSB0; the remembered
        // serial number finds it under its new name.
        system = {{"/dev/ttyUSB0", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001, {}}};
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
