// The address widget as a user types into it.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "platform/IpAddressEdit.h"

using wifi::IpAddressEdit;
using Address = std::array<std::uint8_t, 4>;

class IpAddressEditTest : public QObject {
    Q_OBJECT

    IpAddressEdit* edit_ = nullptr;

    // Each key goes where the focus is at that moment, as a keyboard's do.
    static void Type(const QString& keys) {
        for (QChar c : keys) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
    }
    void TypeInto(int field, const QString& keys) {
        edit_->field(field)->setFocus();
        Type(keys);
    }

  private slots:
    void init() {
        edit_ = new IpAddressEdit;
        edit_->resize(200, 24);
        edit_->show();
        edit_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(edit_));
    }
    void cleanup() { delete edit_; }

    void startsBlank() {
        QVERIFY(edit_->isBlank());
        QCOMPARE(edit_->address(), (Address{0, 0, 0, 0}));
    }

    void dotsAndThirdDigitsMoveToTheNextField() {
        TypeInto(0, QStringLiteral("192.168.1.10"));
        QCOMPARE(edit_->address(), (Address{192, 168, 1, 10}));
        QCOMPARE(edit_->field(3)->text(), QStringLiteral("10"));
        QVERIFY(!edit_->isBlank());
    }

    void partlyFilledReadsZeroForEmptyFields() {
        TypeInto(1, QStringLiteral("7"));
        QVERIFY(!edit_->isBlank());
        QCOMPARE(edit_->address(), (Address{0, 7, 0, 0}));
    }

    void leadingZerosAndOversizedValues() {
        TypeInto(0, QStringLiteral("010"));
        QCOMPARE(edit_->address()[0], 10);
        QVERIFY(edit_->field(1)->hasFocus());
        Type(QStringLiteral("300"));
        QCOMPARE(edit_->field(1)->text(), QStringLiteral("255"));
        QCOMPARE(edit_->address()[1], 255);
    }

    void onlyDigitsAreTaken() {
        TypeInto(0, QStringLiteral("a-1b"));
        QCOMPARE(edit_->field(0)->text(), QStringLiteral("1"));
    }

    void userChangesNotifyCodeChangesDoNot() {
        QSignalSpy spy(edit_, &IpAddressEdit::fieldChanged);
        edit_->setAddress({10, 0, 0, 1});
        edit_->clear();
        QCOMPARE(spy.count(), 0);
        TypeInto(2, QStringLiteral("5"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
    }

    void clearingEveryFieldMakesItBlankAgain() {
        edit_->setAddress({1, 2, 3, 4});
        for (int i = 0; i < 4; ++i) {
            edit_->field(i)->setFocus();
            edit_->field(i)->selectAll();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        }
        QVERIFY(edit_->isBlank());
    }
};

QTEST_MAIN(IpAddressEditTest)
#include "IpAddressEditTest.moc"
