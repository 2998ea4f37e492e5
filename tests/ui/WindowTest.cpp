// The window against its template, its state after start, and what reaches
// the dialog from the user and from code.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QToolButton>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/EnablingGroups.h"
#include "form/ListContents.h"
#include "qt/IpAddressEdit.h"
#include "qt/QtConfigWindow.h"
#include "qt/QtTextConverter.h"
#include "qt/SettingsStore.h"
#include "qt/Translations.h"
#include "wording/Messages.h"

using namespace wifi;

namespace {

bool IsKind(QWidget* w, ItemKind kind) {
    switch (kind) {
        case ItemKind::GroupBox: return qobject_cast<QGroupBox*>(w);
        case ItemKind::Label:
            return qobject_cast<QLabel*>(w) &&
                   !qobject_cast<QLabel*>(w)->pixmap().toImage().width();
        case ItemKind::DropList: return qobject_cast<QComboBox*>(w);
        case ItemKind::Edit: return qobject_cast<QLineEdit*>(w);
        case ItemKind::CheckBox: return qobject_cast<QCheckBox*>(w);
        case ItemKind::PushButton: return qobject_cast<QPushButton*>(w);
        case ItemKind::IpAddress: return qobject_cast<IpAddressEdit*>(w);
        case ItemKind::CommControl: return w && w->isHidden();
        case ItemKind::Picture:
            return qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->pixmap().isNull();
    }
    return false;
}

QString TextOf(QWidget* w) {
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QPushButton*>(w))
        return b->text();
    return QString();
}

// A control's id; 0 for the encoding list, -1 for the menu button, which
// the template does not hold.
int IdOf(QtConfigWindow& window, QWidget* w) {
    if (w == window.menuButton()) {
        return -1;
    }
    for (const auto& item : ConfigDialogTemplate().items) {
        QWidget* control = window.Item(item.id);
        if (control && (control == w || control->isAncestorOf(w))) {
            return item.id;
        }
    }
    return 0;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QtConfigWindow> window_;

    QComboBox* Combo(int id) { return qobject_cast<QComboBox*>(window_->Item(id)); }
    QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(window_->Item(id)); }
    IpAddressEdit* Address(int id) { return qobject_cast<IpAddressEdit*>(window_->Item(id)); }

    void Show() {
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    // The ids focus visits from IDC_COMPORT on, one Tab at a time, until it
    // comes back.
    QList<int> TabCycle() {
        window_->Item(IDC_COMPORT)->setFocus();
        QList<int> ids{IDC_COMPORT};
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const int id = IdOf(*window_, QApplication::focusWidget());
            if (id == IDC_COMPORT) {
                break;
            }
            ids << id;
        }
        return ids;
    }

  private slots:
    void init() { window_ = std::make_unique<QtConfigWindow>(QStringList{"/dev/null-port"}); }
    void cleanup() { window_.reset(); }

    void captionSizeAndFont() {
        const auto& t = ConfigDialogTemplate();
        QCOMPARE(window_->windowTitle(), QString::fromUtf8(t.caption.data()));
        QCOMPARE(window_->size(), window_->units().ToPixels(t.width, t.height));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(QFontInfo(window_->font()).family().size() > 0);
        QCOMPARE(window_->font().pointSize(), 10);
    }

    void everyItemAtItsPlaceWithItsKindAndText() {
        const auto& items = ConfigDialogTemplate().items;
        QCOMPARE(window_->Items().size(), qsizetype(items.size()));
        for (std::size_t i = 0; i < items.size(); ++i) {
            const DialogItem& item = items[i];
            QWidget* w = window_->Items()[qsizetype(i)];
            const QString where = QStringLiteral("item %1 (id %2)").arg(i + 1).arg(item.id);
            QVERIFY2(IsKind(w, item.kind), qPrintable(where));
            if (item.id != IDC_STATIC) {
                QCOMPARE(window_->Item(item.id), w);
            }
            QCOMPARE(TextOf(w), QString::fromUtf8(item.text.data(), qsizetype(item.text.size())));
            const QRect expected =
                window_->units().ToPixels(item.x, item.y, item.width, item.height);
            QCOMPARE(w->pos(), expected.topLeft());
            if (item.kind == ItemKind::Picture) {
                QCOMPARE(w->size(), QSize(549, 73));  // the bitmap's own size
            } else if (item.kind == ItemKind::DropList) {
                QCOMPARE(w->width(), expected.width());
                QVERIFY2(w->height() <= expected.height(), qPrintable(where));
            } else {
                QCOMPARE(w->size(), expected.size());
            }
            // Frames and captions let clicks through, but a check box's
            // caption takes them: it toggles the box.
            const bool framing =
                item.kind == ItemKind::GroupBox ||
                (item.kind == ItemKind::Label && !CheckBoxOfLabel(ConfigDialogTemplate(), i));
            QCOMPARE(w->testAttribute(Qt::WA_TransparentForMouseEvents),
                     framing || item.kind == ItemKind::Picture);
        }
    }

    // On any screen the window fits, and what does not fit scrolls: run
    // again at 200 % (QT_SCALE_FACTOR=2), where the form is taller than the
    // screen's 400 logical pixels.
    void theWindowFitsTheScreenAndScrollsTheRest() {
        const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY(window_->height() <= available.height());
        QVERIFY(window_->width() <= available.width());
        auto* scroll = window_->findChild<QScrollArea*>();
        QVERIFY(scroll);
        QCOMPARE(
            scroll->widget()->size(),
            window_->units().ToPixels(ConfigDialogTemplate().width, ConfigDialogTemplate().height));
        // The submit button, last of the form, can be scrolled to.
        Show();
        scroll->ensureWidgetVisible(window_->Item(IDC_SUBMIT));
        const QRect submit(window_->Item(IDC_SUBMIT)->mapTo(scroll->viewport(), QPoint()),
                           window_->Item(IDC_SUBMIT)->size());
        QVERIFY(scroll->viewport()->rect().contains(submit));
        // The size rule itself: a form taller than the screen takes its height
        // and a scroll bar's width.
        QCOMPARE(FittedSize(QSize(593, 611), QSize(944, 472), 16), QSize(609, 472));
        QCOMPARE(FittedSize(QSize(593, 611), QSize(1904, 1032), 16), QSize(593, 611));
        QCOMPARE(FittedSize(QSize(593, 611), QSize(500, 472), 16), QSize(500, 472));
    }

    // The five addresses read alike: the dialog's font, however narrow.
    void everyAddressUsesTheDialogFont() {
        for (const DialogItem& item : ConfigDialogTemplate().items) {
            if (item.kind == ItemKind::IpAddress) {
                auto* address = qobject_cast<IpAddressEdit*>(window_->Item(item.id));
                QVERIFY(address);
                QCOMPARE(address->field(0)->font().pointSizeF(), window_->font().pointSizeF());
            }
        }
    }

    // Every feature beyond the form is in one menu, opened by a visible
    // button, a right click, and Shift+F10 or the Menu key in any field.
    void theMenuOpensFromItsButtonAndTheKeyboardEverywhere() {
        QCOMPARE(window_->menuButton()->text(), QStringLiteral("菜单"));
        QStringList names;
        for (QAction* action : window_->menu()->actions()) {
            names << (action->menu() ? action->menu()->title() : action->objectName());
        }
        QCOMPARE(names, (QStringList{"exportProfile", "importProfile", "readAgain", "showTraffic",
                                     "readBack", QString(), QStringLiteral("语言")}));
        // Reading back after a save is on unless turned off, and the window's
        // session follows the item.
        auto* readBack = window_->findChild<QAction*>(QStringLiteral("readBack"));
        QVERIFY(readBack->isCheckable());
        QVERIFY(readBack->isChecked());
        QVERIFY(window_->dlg().verify());
        readBack->trigger();
        QVERIFY(!window_->dlg().verify());
        readBack->trigger();
        QVERIFY(window_->dlg().verify());
        QCOMPARE(window_->findChild<QAction*>(QStringLiteral("readAgain"))->shortcut(),
                 QKeySequence(Qt::Key_F5));
        QCOMPARE(window_->menuButton()->menu(), window_->menu());
        Show();
        window_->dlg().SetModuleGroupEnabled(true);
        for (QWidget* field : {static_cast<QWidget*>(Edit(IDC_SSID)),
                               static_cast<QWidget*>(Address(IDC_IPADDR)->field(2)),
                               static_cast<QWidget*>(Combo(IDC_BAUDRATE))}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier);
            QTRY_VERIFY(window_->menu()->isVisible());
            window_->menu()->close();
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                      field->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(field, &menuKey);
            QTRY_VERIFY(window_->menu()->isVisible());
            window_->menu()->close();
        }
    }

    void listsHoldTheirEntries() {
        for (const auto& list : ParameterLists()) {
            QComboBox* box = Combo(list.id);
            QCOMPARE(box->count(), qsizetype(list.entries.size()));
            for (std::size_t i = 0; i < list.entries.size(); ++i) {
                QCOMPARE(box->itemText(int(i)).toStdString(), std::string(list.entries[i]));
            }
        }
        // The entry is the short name; its data, the device the port opens.
        const int port = Combo(IDC_COMPORT)->findData(QStringLiteral("/dev/null-port"));
        QVERIFY(port >= 0);
        QCOMPARE(Combo(IDC_COMPORT)->itemText(port), QStringLiteral("null-port"));
    }

    void initialState() {
        QCOMPARE(Edit(IDC_STATUS)->text(), QStringLiteral("未连接"));
        QCOMPARE(Combo(IDC_BAUDRATE)->currentText(), QStringLiteral("19200"));
        QCOMPARE(Combo(IDC_PARITY)->currentText(), QStringLiteral("无校验"));
        QCOMPARE(Combo(IDC_DATABITS)->currentText(), QStringLiteral("8"));
        QCOMPARE(Combo(IDC_STOPBITS)->currentText(), QStringLiteral("1"));
        QCOMPARE(Combo(IDC_PROTOCOL)->currentText(), QStringLiteral("TCP"));
        for (int id : {IDC_SECURITY, IDC_KEYFORMAT, IDC_KEYINDEX, IDC_CSMODE, IDC_NETTYPE}) {
            QCOMPARE(Combo(id)->currentIndex(), -1);
        }
        QCOMPARE(Combo(IDC_COMPORT)->currentData().toString(), QStringLiteral("/dev/null-port"));
        for (int id : StartGroup) {
            QVERIFY2(!window_->Item(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        for (int id : {IDC_COMPORT, IDC_CONNECT}) {
            QVERIFY(window_->Item(id)->isEnabled());
        }
        QVERIFY2(!window_->Item(IDC_SUBMIT)->isEnabled(), "nothing to submit yet");
        QVERIFY(!qobject_cast<QPushButton*>(window_->Item(IDC_CONNECT))->isDefault());
    }

    void tabOrderFollowsTheTemplate() {
        Show();
        // At start only the port list, the connect button, the encoding
        // choice below it and the menu button can take focus.
        QCOMPARE(TabCycle(), (QList<int>{IDC_COMPORT, IDC_CONNECT, 0, -1}));
        window_->dlg().SetModuleGroupEnabled(true);
        window_->controls().EnableWindow(IDC_SUBMIT, true);
        QList<int> expected;
        for (int id : TabOrder(ConfigDialogTemplate())) {
            if (id == IDC_SUBMIT) {
                expected << -1;  // the menu button, before submit, which stays last
            }
            if (id != IDC_MSCOMM && id != IDC_STATUS) {  // invisible; disabled for good
                expected << id;
            }
            if (id == IDC_CONNECT) {
                expected << 0;  // the encoding, in the connection's group
            }
        }
        QCOMPARE(TabCycle(), expected);
    }

    void userChangesReachTheSnapshotCodeChangesDoNot() {
        Show();
        window_->dlg().SetModuleGroupEnabled(true);
        const ConfigSnapshot before = window_->dlg().snapshot();
        window_->controls().SetCurSel(IDC_NETTYPE, 1);
        window_->controls().SetAddress(IDC_GATEWAY, {10, 0, 0, 1});
        QCOMPARE(window_->dlg().snapshot(), before);

        Combo(IDC_NETTYPE)->setFocus();
        QTest::keyClick(Combo(IDC_NETTYPE), Qt::Key_Up);  // to the first entry
        QCOMPARE(window_->dlg().snapshot().netType, 0);

        Address(IDC_GATEWAY)->field(3)->setFocus();
        Address(IDC_GATEWAY)->field(3)->selectAll();
        QTest::keyClicks(Address(IDC_GATEWAY)->field(3), QStringLiteral("254"));
        QCOMPARE(window_->dlg().snapshot().gatewayText, std::string("10.0.0.254"));

        qobject_cast<QCheckBox*>(window_->Item(IDC_DHCP))->click();
        QCOMPARE(window_->dlg().m_nDhcp, 1);
    }

    // Every failure the window shows is in its language, naming the port;
    // the system's text is a detail of its own, and Qt's buttons are
    // translated too.
    void messagesAreInTheWindowsLanguage() {
        const std::string port = "/dev/ttyUSB9";
        for (CommFailure kind :
             {CommFailure::NoSuchDevice, CommFailure::Busy, CommFailure::PermissionDenied,
              CommFailure::Unplugged, CommFailure::PortClosed, CommFailure::Other}) {
            const QString text = Shown(PortFailure(CommError("english", kind, port, "detail")));
            QVERIFY2(text.contains(QString::fromStdString(port)), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("串口")), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("english")), qPrintable(text));
        }
        QVERIFY(Shown(PortFailure(CommError("", CommFailure::PermissionDenied, port)))
                    .contains(QStringLiteral("dialout")));
        QVERIFY(Shown(PortFailure(CommError("", CommFailure::NoPortSelected)))
                    .contains(QStringLiteral("未选择串口")));
        QCOMPARE(Shown(RuleBreakText(RuleBreak::TooLong)), QStringLiteral("超过 32 字节"));
        QCOMPARE(Shown(StepText(15)), QStringLiteral("第 15 步（波特率）"));

        QVERIFY2(InstallTranslations(*qApp, Language::Chinese), "Qt's translations are installed");
        QMessageBox box(QMessageBox::Information, QString(), QString(), QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    }

    // Within the template's rectangles the longest entries show whole.
    void longEntriesShowWhole() {
        Show();
        QComboBox* baud = Combo(IDC_BAUDRATE);
        baud->setCurrentIndex(7);
        QStyleOptionComboBox option;
        option.initFrom(baud);
        option.rect = baud->rect();
        const QRect field = baud->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, baud);
        QVERIFY2(field.width() >= baud->fontMetrics().horizontalAdvance(QStringLiteral("115200")),
                 qPrintable(QString::number(field.width())));

        IpAddressEdit* server = Address(IDC_SERVERIP);
        for (int i = 0; i < 4; ++i) {
            QLineEdit* f = server->field(i);
            QVERIFY2(f->contentsRect().width() - 4 >=
                         f->fontMetrics().horizontalAdvance(QStringLiteral("255")),
                     qPrintable(QString::number(f->contentsRect().width())));
        }

        QComboBox* ports = Combo(IDC_COMPORT);
        QCOMPARE(ports->toolTip(), QStringLiteral("/dev/null-port"));
        QVERIFY(ports->view()->minimumWidth() >
                ports->fontMetrics().horizontalAdvance(ports->currentText()));
    }

    void remembersThePortByItsAdapterAndWhatTheUserChose() {
        Preferences before;
        before.port = "/dev/ttyUSB1";
        before.portSerial = "A50285BI";
        before.encoding = TextEncoding::Utf8;
        SettingsStore store;
        before.Save(store);
        // The FTDI adapter is back, as ttyUSB0 this time.
        const std::vector<PortInfo> system = {
            {"/dev/ttyUSB0", "FT232R", "FTDI", "A50285BI", 0x0403, 0x6001, {}},
            {"/dev/ttyUSB3", "CP2102", "Silicon Labs", "0001", 0x10c4, 0xea60, {}}};
        window_ = std::make_unique<QtConfigWindow>(QStringList{}, 10, nullptr,
                                                   [&system] { return system; });
        // The system is asked once the window is drawn.
        Show();
        auto* ports = Combo(IDC_COMPORT);
        QTRY_COMPARE(ports->currentData().toString(), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(ports->currentData().toString(), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(ports->currentText(), QStringLiteral("ttyUSB0 — FT232R (0403:6001)"));

        ports->setCurrentIndex(ports->findData(QStringLiteral("/dev/ttyUSB3")));
        if (GbkAvailable()) {
            window_->encoding()->setCurrentIndex(window_->encoding()->findText("GBK"));
        }
        window_->done(0);
        const Preferences after = Preferences::Load(SettingsStore());
        QCOMPARE(after.port, std::string("/dev/ttyUSB3"));
        QCOMPARE(after.portSerial, std::string("0001"));
        QVERIFY(after.position.has_value());
        QCOMPARE(int(after.encoding.value()),
                 int(GbkAvailable() ? TextEncoding::Gbk : TextEncoding::Utf8));

        // A port named on the command line wins over the remembered one.
        window_ = std::make_unique<QtConfigWindow>(QStringList{"/tmp/named"}, 10, nullptr,
                                                   [&system] { return system; });
        QCOMPARE(Combo(IDC_COMPORT)->currentData().toString(), QStringLiteral("/tmp/named"));
    }

    void enterInAnEditLeavesTheWindowOpenEscapeClosesIt() {
        Show();
        window_->dlg().SetModuleGroupEnabled(true);
        Edit(IDC_SSID)->setFocus();
        QTest::keyClicks(Edit(IDC_SSID), QStringLiteral("net"));
        QTest::keyClick(Edit(IDC_SSID), Qt::Key_Return);
        QTest::keyClick(Edit(IDC_SSID), Qt::Key_Enter);
        QVERIFY(window_->isVisible());
        QCOMPARE(Edit(IDC_SSID)->text(), QStringLiteral("net"));
        QTest::keyClick(Edit(IDC_SSID), Qt::Key_Escape);
        QVERIFY(!window_->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
