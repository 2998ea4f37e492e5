// The window in English, and which language the window speaks.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "qt/QtConfigWindow.h"
#include "qt/Translations.h"
#include "wording/Messages.h"

using namespace wifi;

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void theEnglishWindowFitsItsTemplate() {
        QVERIFY2(InstallTranslations(*qApp, Language::English), "the English texts are built in");
        QtConfigWindow window({QStringLiteral("/dev/null-port")});
        QCOMPARE(window.windowTitle(), QStringLiteral("Wi-Fi Module Configuration"));
        QCOMPARE(qobject_cast<QPushButton*>(window.Item(IDC_CONNECT))->text(),
                 QStringLiteral("Connect"));
        QCOMPARE(qobject_cast<QPushButton*>(window.Item(IDC_SUBMIT))->text(),
                 QStringLiteral("Submit"));
        QCOMPARE(qobject_cast<QLineEdit*>(window.Item(IDC_STATUS))->text(),
                 QStringLiteral("Not connected"));
        auto* parity = qobject_cast<QComboBox*>(window.Item(IDC_PARITY));
        QCOMPARE(parity->itemText(0), QStringLiteral("None"));
        // Module values stay as the module spells them.
        QCOMPARE(qobject_cast<QComboBox*>(window.Item(IDC_SECURITY))->itemText(3),
                 QStringLiteral("WPA"));
        // The window's English is the command line's, then what to do next.
        QCOMPARE(Shown(PortFailure(CommError("x", CommFailure::Busy, "/dev/ttyUSB0"))),
                 QStringLiteral("/dev/ttyUSB0: port busy: another program is using it. Close the "
                                "program that uses it, then try again."));

        // Every label shows whole in its place, or is cut short and says
        // the whole text in its tooltip; no Chinese is left.
        for (QWidget* w : window.Items()) {
            auto* label = qobject_cast<QLabel*>(w);
            if (!label || label->text().isEmpty()) {
                continue;
            }
            for (QChar c : label->text()) {
                QVERIFY2(c.unicode() < 0x2e80, qPrintable(label->text()));
            }
            const bool fits =
                label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
            QVERIFY2(fits, qPrintable(label->text()));
            if (label->text().endsWith(QChar(0x2026))) {
                QVERIFY2(!label->toolTip().isEmpty(), qPrintable(label->text()));
            }
        }
        // The UART labels start in one column and show whole; the frame
        // period is not called a time-out, and the encoding is named so.
        const auto labelled = [&](const QString& text) -> QLabel* {
            for (QLabel* label : window.findChildren<QLabel*>()) {
                if (label->text() == text) {
                    return label;
                }
            }
            return nullptr;
        };
        // Each label reaches as far as the control beside it: none is cut.
        QVERIFY(labelled(QStringLiteral("IP address:")));
        const QLabel* baud = labelled(QStringLiteral("Baud"));
        QVERIFY(baud);
        for (const char* text : {"Parity", "Data", "Stop", "Frame", "Period"}) {
            const QLabel* label = labelled(QString::fromLatin1(text));
            QVERIFY2(label, text);
            QCOMPARE(label->x(), baud->x());
        }
        const QLabel* encoding = labelled(QStringLiteral("Encoding"));
        QVERIFY(encoding);
        QVERIFY2(encoding->fontMetrics().horizontalAdvance(encoding->text()) <= encoding->width(),
                 "the encoding's label shows whole");
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
