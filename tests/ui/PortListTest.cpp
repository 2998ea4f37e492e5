// The port list on its combo box: it draws the session's PortList, asks for
// a refresh once a second and when opened, and keeps the choice.
#include <QTest>

#include "qt/PortComboBox.h"

using namespace wifi;

class PortListTest : public QObject {
    Q_OBJECT
  private slots:
    void theBoxDrawsTheListAndAsksForRefreshes() {
        std::vector<PortInfo> system;
        PortList list(PortSystem::Other, {});
        int asked = 0;
        PortComboBox* box = nullptr;
        PortComboBox made(
            list,
            [&] {
                ++asked;
                if (list.Update(system)) {
                    box->Show();
                }
            },
            nullptr);
        box = &made;
        // Nothing plugged in: one placeholder, which cannot be chosen.
        QCOMPARE(made.count(), 1);
        QCOMPARE(made.itemText(0), QStringLiteral("未找到串口"));
        QVERIFY(made.Device().isEmpty());

        system = {{"/dev/ttyUSB0", "CP2102", "Silicon Labs", "0001", 0x10c4, 0xea60, {}},
                  {"/dev/ttyUSB1", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001, {}}};
        // Within a second, with no hand on the list.
        QTRY_COMPARE_WITH_TIMEOUT(made.count(), 2, 5000);
        QVERIFY(asked > 0);
        QCOMPARE(made.itemText(1), QStringLiteral("ttyUSB1 — FT232R (0403:6001)"));
        // The user's choice reaches the list; the box reads short.
        made.setCurrentIndex(1);
        QCOMPARE(list.Device(), std::string("/dev/ttyUSB1"));
        QCOMPARE(made.ClosedText(), QStringLiteral("ttyUSB1"));  // the narrow box: short
        QVERIFY(made.toolTip().startsWith(QStringLiteral("/dev/ttyUSB1\nFTDI\nA50285BI")));

        // A refresh keeps the chosen device where it now sits.
        system.erase(system.begin());
        made.Poll();
        QCOMPARE(made.count(), 1);
        QCOMPARE(made.Device(), QStringLiteral("/dev/ttyUSB1"));
        // An adapter found by its serial number under a new name is drawn chosen.
        system = {{"/dev/ttyUSB4", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001, {}}};
        made.Poll();
        QVERIFY(list.Choose("/dev/ttyUSB1", "A50285BI"));
        made.Show();
        QCOMPARE(made.Device(), QStringLiteral("/dev/ttyUSB4"));
    }
};

QTEST_MAIN(PortListTest)
#include "PortListTest.moc"
