// The address widget as a user types into it.
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "qt/IpAddressEdit.h"

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

    // A "." typed right after a third digit moved the cursor on is the one
    // the user meant for that move: it is not a second one.
    void anAddressTypedKeyByKeyIsTheAddress() {
        for (const auto& [typed, expected] :
             {std::pair{QStringLiteral("192.168.100.1"), Address{192, 168, 100, 1}},
              std::pair{QStringLiteral("255.255.0.0"), Address{255, 255, 0, 0}},
              std::pair{QStringLiteral("10.0.0.254"), Address{10, 0, 0, 254}}}) {
            edit_->clear();
            TypeInto(0, typed);
            QCOMPARE(edit_->address(), expected);
            // Over an address the module reported, each field selected as the
            // cursor reaches it.
            edit_->setAddress({192, 168, 1, 100});
            edit_->field(0)->setFocus();
            edit_->field(0)->selectAll();
            Type(typed);
            QCOMPARE(edit_->address(), expected);
        }
    }

    void aPastedAddressFillsAllFourFields() {
        QApplication::clipboard()->setText(QStringLiteral("172.16.5.40"));
        edit_->field(0)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit_->address(), (Address{172, 16, 5, 40}));
        QApplication::clipboard()->setText(QStringLiteral(" 10.1.2.3\n"));
        edit_->field(2)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit_->address(), (Address{10, 1, 2, 3}));  // wherever the cursor is
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
