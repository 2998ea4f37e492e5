// The real window against the module simulator over a pseudo-terminal.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>
#include <tuple>

#include "SimProcess.h"
#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/EnablingGroups.h"
#include "protocol/WriteSequence.h"
#include "qt/IpAddressEdit.h"
#include "qt/QtConfigWindow.h"
#include "qt/TrafficWindow.h"
#include "qt/Translations.h"

using namespace wifi;

namespace {

constexpr int kWaitMs = 10000;

// The command lines the simulator received, from its log, in order.
QStringList Received(const QString& logPath) {
    QStringList lines;
    std::istringstream log(e2e::ReadFile(logPath.toStdString()));
    for (std::string entry; std::getline(log, entry);) {
        const auto at = entry.find(" recv \"");
        if (at != std::string::npos) {
            lines << QString::fromStdString(entry.substr(at + 7, entry.size() - at - 7 - 5));
        }
    }
    return lines;
}

// Answers every message box as a user would, remembering what it said.
class MessageWatcher : public QObject {
  public:
    QStringList seen;
    QStringList more;  // each box's line below: the next step, the system's words
    MessageWatcher() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->text();
                more << box->informativeText();
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start(5);
    }

  private:
    QTimer timer_;
};

}  // namespace

class GuiEndToEndTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;  // a fresh module for every test
    std::unique_ptr<e2e::SimProcess> sim_;
    std::unique_ptr<QtConfigWindow> window_;
    std::unique_ptr<MessageWatcher> messages_;

    std::string PathOf(const char* name) const { return Path(name).toStdString(); }
    QString Path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }

    void Start(std::vector<std::string> simArgs = {},
               int timeoutSeconds = QtConfigWindow::kDefaultTimeoutSeconds) {
        simArgs.insert(simArgs.end(),
                       {"--state", Path("module.txt").toStdString(), "--log",
                        Path("traffic.log").toStdString(), "--link", Path("module").toStdString()});
        sim_ = std::make_unique<e2e::SimProcess>(simArgs);
        QVERIFY(!sim_->path().empty());
        window_ = std::make_unique<QtConfigWindow>(QStringList{Path("module")}, timeoutSeconds);
        window_->show();
        messages_ = std::make_unique<MessageWatcher>();
    }

    QString Status() { return Edit(IDC_STATUS)->text(); }
    QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(window_->Item(id)); }
    QComboBox* Combo(int id) { return qobject_cast<QComboBox*>(window_->Item(id)); }
    IpAddressEdit* Address(int id) { return qobject_cast<IpAddressEdit*>(window_->Item(id)); }
    void Click(int id) { qobject_cast<QAbstractButton*>(window_->Item(id))->click(); }
    // The label that is the DHCP box's caption.
    QWidget* DhcpCaption() {
        const auto& t = ConfigDialogTemplate();
        for (std::size_t i = 0; i < t.items.size(); ++i) {
            if (CheckBoxOfLabel(t, i) == IDC_DHCP) {
                return window_->Items()[qsizetype(i)];
            }
        }
        return nullptr;
    }
    // A user's choice in a list.
    void Choose(int id, int index) {
        Combo(id)->setCurrentIndex(index);
        emit Combo(id)->activated(index);
    }
    void Connect() {
        Click(IDC_CONNECT);
        QTRY_COMPARE_WITH_TIMEOUT(Status(), QStringLiteral("已连接"), kWaitMs);
    }
    // Submits as a user would: no report carries the protocol, so TCP is
    // picked first if nobody has picked one.
    void Submit() {
        if (Combo(IDC_PROTOCOL)->currentIndex() < 0) {
            Choose(IDC_PROTOCOL, 0);
        }
        Click(IDC_SUBMIT);
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        // No port, position or encoding remembered from an earlier test.
        QSettings(QStringLiteral("wifi-config"), QStringLiteral("wifi-config-gui")).clear();
    }
    void cleanup() {
        window_.reset();
        messages_.reset();
        sim_.reset();
        dir_.reset();
    }

    // help2man, package scripts and a user on a server ask without a display.
    void helpAndVersionNeedNoDisplay() {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        const auto version = e2e::Run(WIFI_CONFIG_GUI, {"--version"});
        const auto help = e2e::Run(WIFI_CONFIG_GUI, {"--help"});
        qputenv("QT_QPA_PLATFORM", platform);
        if (!display.isEmpty()) {
            qputenv("DISPLAY", display);
        }
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.starts_with("wifi-config-gui "), version.out.c_str());
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.find("--timeout") != std::string::npos, help.out.c_str());
    }

    void connectFillsTheFormFromTheReport() {
        Start();
        const QString caption = window_->windowTitle();
        Connect();
        // The connection at a glance.
        QCOMPARE(window_->windowTitle(),
                 caption + QStringLiteral(" — ") + Path("module") + QStringLiteral(" 19200 8N1"));
        QCOMPARE(Edit(IDC_SSID)->text(), QStringLiteral("SimNet"));
        QCOMPARE(Combo(IDC_SECURITY)->currentText(), QStringLiteral("WPA"));
        QCOMPARE(Combo(IDC_KEYFORMAT)->currentText(), QStringLiteral("ASCII"));
        QCOMPARE(Combo(IDC_NETTYPE)->currentText(), QStringLiteral("STA模式"));
        QCOMPARE(Combo(IDC_BAUDRATE)->currentText(), QStringLiteral("115200"));
        QCOMPARE(Combo(IDC_CSMODE)->currentText(), QStringLiteral("客户端"));
        QVERIFY(qobject_cast<QCheckBox*>(window_->Item(IDC_DHCP))->isChecked());
        QCOMPARE(Address(IDC_IPADDR)->address(), (wifi::Address{192, 168, 1, 100}));
        QCOMPARE(Edit(IDC_SERVERPORT)->text(), QStringLiteral("8899"));
        // The addresses DHCP assigns are kept, shown and off while it is on.
        for (int id : ModuleGroup) {
            const bool assigned =
                std::find(DhcpAddresses.begin(), DhcpAddresses.end(), id) != DhcpAddresses.end();
            QCOMPARE(window_->Item(id)->isEnabled(), !assigned);
        }
        QVERIFY(!window_->Item(IDC_COMPORT)->isEnabled());
        QCOMPARE(qobject_cast<QPushButton*>(window_->Item(IDC_CONNECT))->text(),
                 QStringLiteral("断开"));
    }

    void editingAndSubmittingWritesEveryParameter() {
        Start();
        Connect();
        Edit(IDC_SSID)->setFocus();
        Edit(IDC_SSID)->selectAll();
        QTest::keyClicks(Edit(IDC_SSID), QStringLiteral("Line 9"));
        Choose(IDC_SECURITY, 2);
        Choose(IDC_KEYINDEX, 3);
        // The caption beside the box ticks it off: the addresses open.
        QTest::mouseClick(DhcpCaption(), Qt::LeftButton);
        QVERIFY(!qobject_cast<QCheckBox*>(window_->Item(IDC_DHCP))->isChecked());
        QVERIFY(Address(IDC_GATEWAY)->isEnabled());
        Address(IDC_GATEWAY)->field(3)->selectAll();
        QTest::keyClicks(Address(IDC_GATEWAY)->field(3), QStringLiteral("254"));
        Choose(IDC_BAUDRATE, 3);
        Submit();
        QTRY_VERIFY_WITH_TIMEOUT(messages_->seen.contains(QStringLiteral("参数已保存!")), kWaitMs);
        QCOMPARE(messages_->seen.size(), 1);

        const std::string saved = e2e::ReadFile(PathOf("module.txt"));
        for (const char* line : {"SSID:Line 9\n", "Security:WEP128\n", "Key_Index:4\n",
                                 "Gateway_address:192.168.1.254\n", "Baudrate:9600\n"}) {
            QVERIFY2(saved.find(line) != std::string::npos, line);
        }
        // The module got the sequence in its order.
        const QStringList received = Received(Path("traffic.log"));
        const auto from = received.indexOf(QStringLiteral("AT+SZ_CONFIGURE=START"));
        QVERIFY(from >= 0);
        // The sequence, then the read-back that alone makes it a success.
        QCOMPARE(received.size() - from, qsizetype(1 + kStepCount + 2));
        for (unsigned k = 1; k <= kStepCount; ++k) {
            const QString prefix = QString::fromLatin1(WriteSteps()[k - 1].data(),
                                                       qsizetype(WriteSteps()[k - 1].size()));
            QVERIFY2(received[from + k].startsWith(prefix), qPrintable(received[from + k]));
        }
        QCOMPARE(received[from + kStepCount + 1], QStringLiteral("AT+SZ_CHECKCONFIG=ALL"));
        QCOMPARE(received[from + kStepCount + 2], QStringLiteral("AT+SZ_CONNECT=START"));
        QVERIFY2(window_->progressText().contains(QStringLiteral("读回校验一致")),
                 qPrintable(window_->progressText()));

        // A reconnect shows what was written.
        Click(IDC_CONNECT);
        QCOMPARE(Status(), QStringLiteral("未连接"));
        Edit(IDC_SSID)->setText(QString());
        Connect();
        QCOMPARE(Edit(IDC_SSID)->text(), QStringLiteral("Line 9"));
        QCOMPARE(Combo(IDC_KEYINDEX)->currentText(), QStringLiteral("4"));
    }

    void aRefusalShowsInTheWindowAndNothingMoreIsWritten() {
        // The module says at length why: more than the line holds.
        Start({"--reply-error", "AT+SZ_DHCP=", "--refusal",
               "ERROR: DHCP cannot be enabled while a static lease is pinned to this station; "
               "release the lease in the access point's client table first, then retry"});
        Connect();
        Submit();
        QTRY_VERIFY_WITH_TIMEOUT(window_->progressText().contains(QStringLiteral("拒绝")), kWaitMs);
        const QString progress = window_->progressText();
        QVERIFY2(progress.contains(QStringLiteral("DHCP")) &&
                     progress.contains(QStringLiteral("client table")),
                 qPrintable(progress));
        QCOMPARE(Received(Path("traffic.log")).last(), QStringLiteral("AT+SZ_DHCP=ENABLE"));
        QVERIFY(messages_->seen.isEmpty());
        // Too long for the line: its start shows, and a click shows it all.
        const QString more = QStringLiteral("…（点击查看全文）");
        QVERIFY2(window_->progress()->text().endsWith(more),
                 qPrintable(window_->progress()->text()));
        QVERIFY(progress.startsWith(window_->progress()->text().chopped(more.size())));
        QTest::mouseClick(window_->progress(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
        QCOMPARE(messages_->seen.last(), progress);
    }

    void aListWithoutAValueStopsTheSequenceAndSaysWhich() {
        std::ofstream(PathOf("module.txt")) << "Security:WPA3\n";  // no entry of the list
        Start();
        Connect();
        QCOMPARE(Combo(IDC_SECURITY)->currentIndex(), -1);
        Submit();
        // Named before anything is sent, the list given the focus.
        QVERIFY2(window_->progressText().contains(QStringLiteral("安全模式")),
                 qPrintable(window_->progressText()));
        QVERIFY2(window_->progressText().contains(QStringLiteral("未发送")),
                 qPrintable(window_->progressText()));
        QCOMPARE(QApplication::focusWidget(), window_->Item(IDC_SECURITY));
        QCOMPARE(Received(Path("traffic.log")).last(), QStringLiteral("AT+SZ_CONNECT=START"));
        QVERIFY(messages_->seen.isEmpty());
    }

    void aHangUpMidSequenceClosesThePortAndTellsTheUserOnce() {
        Start({"--hangup-after", "8"});
        Connect();
        Submit();
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
        // The device is said to be gone, what to do next below it, the
        // system's own words last; the progress line says what it did to
        // the write.
        const QString told = messages_->seen.first();
        QVERIFY2(told.contains(Path("module")) && told.contains(QStringLiteral("设备被拔出")),
                 qPrintable(told));
        QVERIFY2(messages_->more.first().startsWith(QStringLiteral("请插好设备，然后重新连接。\n")),
                 qPrintable(messages_->more.first()));
        QVERIFY2(window_->progressText().startsWith(QStringLiteral("连接已断开，参数未保存")),
                 qPrintable(window_->progressText()));
        QCOMPARE(Status(), QStringLiteral("未连接"));
        QVERIFY(!window_->comm().GetPortOpen());
        QVERIFY(window_->Item(IDC_COMPORT)->isEnabled());
        QVERIFY(!window_->Item(IDC_SSID)->isEnabled());
        QCoreApplication::processEvents();
        QCOMPARE(messages_->seen.size(), qsizetype(1));
    }

    // Locked while writing: a double click sends one configure command, and a
    // refused save never shows as saved.
    void aSequenceLocksTheFormAndADoubleClickSendsOneSequence() {
        Start({"--pace", "19200", "--reply-error", "AT+SZ_SAVE_CONFIG="});
        Connect();
        Submit();
        Submit();
        QVERIFY(!window_->Item(IDC_SUBMIT)->isEnabled());
        for (int id : ModuleGroup) {
            QVERIFY(!window_->Item(id)->isEnabled());
        }
        QVERIFY(window_->Item(IDC_CONNECT)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(window_->progressText().contains(QStringLiteral("拒绝")), kWaitMs);
        QVERIFY2(window_->progressText().contains(QStringLiteral("保存参数")) &&
                     window_->progressText().contains(QStringLiteral("参数未保存")),
                 qPrintable(window_->progressText()));
        QVERIFY(!messages_->seen.contains(QStringLiteral("参数已保存!")));
        QCOMPARE(Received(Path("traffic.log")).count(QStringLiteral("AT+SZ_CONFIGURE=START")), 1);
        QVERIFY(window_->Item(IDC_SUBMIT)->isEnabled());
        QVERIFY(window_->Item(IDC_SSID)->isEnabled());
    }

    // No silent waits: the connection is given up, or the write stopped.
    void aModuleThatStopsAnsweringIsToldWithThePhaseAndThePort() {
        Start({"--no-reply", "AT+SZ_CHECKCONFIG="}, 1);
        Click(IDC_CONNECT);
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
        QVERIFY2(messages_->seen.first().contains(Path("module")) &&
                     messages_->seen.first().contains(QStringLiteral("读取配置")),
                 qPrintable(messages_->seen.first()));
        QVERIFY(!window_->comm().GetPortOpen());
        QCOMPARE(Status(), QStringLiteral("未连接"));
        QVERIFY(window_->Item(IDC_COMPORT)->isEnabled());
    }

    // A line flooded as fast as the terminal takes it: the window ends its
    // wait at six time-outs and says the module kept sending, not that the
    // device went away.
    void aFloodedLineEndsTheWaitInTime() {
        // It answers nothing: no reply can settle the wait.
        Start({"--flood", "--no-reply", "AT"}, 1);
        Click(IDC_CONNECT);
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), 13000);
        QVERIFY2(messages_->seen.first().contains(QStringLiteral("一直在发送")),
                 qPrintable(messages_->seen.first()));
        QVERIFY(!window_->comm().GetPortOpen());
    }

    void aWriteWithoutAnAnswerStopsWithThePortOpen() {
        Start({"--no-reply", "AT+SZ_BAUDRATE="}, 1);
        Connect();
        Submit();
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
        QVERIFY2(messages_->seen.first().contains(QStringLiteral("波特率")),
                 qPrintable(messages_->seen.first()));
        const QString progress = window_->progressText();
        QVERIFY2(progress.contains(QStringLiteral("已确认至第 14 步")) &&
                     progress.contains(QStringLiteral("参数未保存")),
                 qPrintable(progress));
        QCOMPARE(window_->progress()->text(), progress);  // it fits: shown whole
        QVERIFY(window_->comm().GetPortOpen());
        QVERIFY(window_->Item(IDC_SUBMIT)->isEnabled());
        QCOMPARE(Status(), QStringLiteral("已连接"));
    }

    // A module that restarts after its save is read back on its port opened
    // anew: saved and verified, and no word of an unplugged device.
    void aModuleThatRestartsAfterItsSaveIsReadBack() {
        // Paced, it hangs up while the read-back's report is on its way.
        Start({"--restart-after-save", "0", "--pace", "19200"});
        Connect();
        Submit();
        QTRY_VERIFY_WITH_TIMEOUT(messages_->seen.contains(QStringLiteral("参数已保存!")), kWaitMs);
        QCOMPARE(messages_->seen.size(), 1);
        const std::string log = e2e::ReadFile(PathOf("traffic.log"));
        const auto restart = log.find(" restart ");
        QVERIFY2(restart != std::string::npos, "the module restarted");
        QVERIFY2(log.find("AT+SZ_CHECKCONFIG=ALL", restart) != std::string::npos,
                 "and was queried on its new port");
        QVERIFY2(window_->progressText().contains(QStringLiteral("读回校验一致")),
                 qPrintable(window_->progressText()));
        QCOMPARE(Status(), QStringLiteral("已连接"));
    }

    // A second submit after a save runs whole, whether the module wants a new
    // connect request first or not.
    void aSecondSubmitWritesTheNewEditWhole() {
        for (const bool needsConnect : {false, true}) {
            cleanup();
            init();
            Start(needsConnect ? std::vector<std::string>{"--configure-needs-connect"}
                               : std::vector<std::string>{});
            Connect();
            Submit();
            QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
            Edit(IDC_SSID)->setFocus();
            Edit(IDC_SSID)->selectAll();
            QTest::keyClicks(Edit(IDC_SSID), QStringLiteral("Second"));
            Submit();
            QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(2), kWaitMs);
            QCOMPARE(messages_->seen.last(), QStringLiteral("参数已保存!"));
            QVERIFY(e2e::ReadFile(PathOf("module.txt")).find("SSID:Second\n") != std::string::npos);
        }
    }

    // An edit after a save is not in the module: the line says so, in
    // either language. Each window is drawn for the README.
    void anEditAfterASaveSaysModifiedNotWritten() {
        for (const auto& [language, said, name] :
             {std::tuple{Language::Chinese, "已修改，尚未写入", "zh"},
              std::tuple{Language::English, "Modified, not written", "en"}}) {
            cleanup();
            init();
            InstallTranslations(*qApp, language);
            Start();
            Click(IDC_CONNECT);
            QTRY_VERIFY_WITH_TIMEOUT(window_->dlg().IsConnected(), kWaitMs);
            Submit();
            QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
            QVERIFY(!window_->progressText().contains(QString::fromUtf8(said)));
            Edit(IDC_SSID)->setFocus();
            QTest::keyClick(Edit(IDC_SSID), Qt::Key_End);
            QTest::keyClicks(Edit(IDC_SSID), QStringLiteral(" 2"));
            QCOMPARE(window_->progressText(), QString::fromUtf8(said));
            window_->grab().save(QStringLiteral(WIFI_SCREENSHOT_DIR "/window-modified-") +
                                 QString::fromLatin1(name) + QStringLiteral(".png"));
        }
        InstallTranslations(*qApp, Language::Chinese);
    }

    // Closing with edits not yet written asks once; with none it just closes.
    void closingWithUnsavedEditsAsksOnce() {
        Start();
        Connect();
        window_->reject();
        QVERIFY(!window_->isVisible());
        window_->show();
        Edit(IDC_KEY)->setText(QStringLiteral("changed"));
        window_->reject();  // the watcher answers the question with neither yes nor no
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
        QVERIFY2(messages_->seen.first().contains(QStringLiteral("还没有写入模块")),
                 qPrintable(messages_->seen.first()));
        QVERIFY(window_->isVisible());
    }

    // Read again: the port closed and opened, the module's values over the
    // form's; with unsaved edits the user is asked, and a No keeps them.
    void readAgainReconnectsAndAsksFirstAboutUnsavedEdits() {
        Start();
        Connect();
        const auto queries = [this] {
            return Received(Path("traffic.log"))
                .filter(QStringLiteral("AT+SZ_CHECKCONFIG=ALL"))
                .size();
        };
        QCOMPARE(queries(), qsizetype(1));
        window_->findChild<QAction*>(QStringLiteral("readAgain"))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(queries(), qsizetype(2), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(Status(), QStringLiteral("已连接"), kWaitMs);
        QVERIFY(messages_->seen.isEmpty());

        Edit(IDC_SSID)->setText(QStringLiteral("edited"));
        window_->OnReadAgain();  // the watcher answers neither yes nor no
        QCOMPARE(messages_->seen.size(), qsizetype(1));
        QVERIFY2(messages_->seen.first().contains(QStringLiteral("重新读取")),
                 qPrintable(messages_->seen.first()));
        QCOMPARE(Edit(IDC_SSID)->text(), QStringLiteral("edited"));
        QCOMPARE(queries(), qsizetype(2));
    }

    // A GBK network name is shown as such and goes back byte for byte; typed
    // text goes out in the chosen encoding.
    void chineseTextsKeepTheirBytes() {
        const std::string gbkSsid = "\xB2\xE2\xCA\xD4\xCD\xF8\xC2\xE7";  // 测试网络
        std::ofstream(PathOf("module.txt"), std::ios::binary)
            << "SSID:" << gbkSsid << "\nKEY:\xC3\xDC\xC2\xEB\n";
        Start();
        QCOMPARE(window_->encoding()->currentText(), QStringLiteral("UTF-8"));
        Connect();
        QCOMPARE(Edit(IDC_SSID)->text(), QStringLiteral("测试网络"));
        QCOMPARE(Edit(IDC_KEY)->text(), QStringLiteral("密码"));
        QCOMPARE(window_->encoding()->currentText(), QStringLiteral("GBK"));
        QVERIFY2(window_->progressText().contains(QStringLiteral("GBK")),
                 qPrintable(window_->progressText()));

        Submit();  // untouched
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
        QVERIFY(e2e::ReadFile(PathOf("module.txt")).find("SSID:" + gbkSsid + "\n") !=
                std::string::npos);

        Edit(IDC_SSID)->setText(QStringLiteral("办公室网络"));
        Submit();
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(2), kWaitMs);
        QVERIFY(e2e::ReadFile(PathOf("module.txt"))
                    .find("SSID:\xB0\xEC\xB9\xAB\xCA\xD2\xCD\xF8\xC2\xE7\n") != std::string::npos);

        window_->encoding()->setCurrentIndex(
            window_->encoding()->findText(QStringLiteral("UTF-8")));
        // The untouched GBK key is no UTF-8: shown as it goes, with a word.
        QVERIFY(Edit(IDC_KEY)->text().contains(QChar(0xFFFD)));
        QVERIFY2(window_->progressText().contains(QStringLiteral("密钥")),
                 qPrintable(window_->progressText()));
        Edit(IDC_SSID)->setText(QStringLiteral("办公室网络"));
        Submit();
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(3), kWaitMs);
        const std::string saved = e2e::ReadFile(PathOf("module.txt"));
        QVERIFY(saved.find("SSID:办公室网络\n") != std::string::npos);
        QVERIFY2(saved.find("KEY:\xC3\xDC\xC2\xEB\n") != std::string::npos,
                 "the untouched key keeps its GBK bytes");
    }

    void profilesTravelBetweenTheWindowAndTheCommandLine() {
        Start();
        Connect();
        Edit(IDC_SSID)->setText(QStringLiteral("窗口配置"));
        Choose(IDC_BAUDRATE, 3);  // 9600
        Choose(IDC_PROTOCOL, 1);  // UDP
        QVERIFY(!window_->ExportProfile(Path("window.json")));

        // What the window exported, the command line writes into another module.
        e2e::SimProcess other({"--state", PathOf("other.txt"), "--link", PathOf("other"), "--log",
                               PathOf("other.log")});
        auto r = e2e::Run(WIFI_CONFIG,
                          {"write", "--port", PathOf("other"), "--from", PathOf("window.json")});
        QVERIFY2(r.status == 0, r.err.c_str());
        const std::string written = e2e::ReadFile(PathOf("other.txt"));
        QVERIFY2(written.find("SSID:窗口配置\n") != std::string::npos, written.c_str());
        QVERIFY(written.find("Baudrate:9600\n") != std::string::npos);
        QVERIFY(e2e::ReadFile(PathOf("other.log")).find("AT+SZ_TCPUDP_MODEL=UDP") !=
                std::string::npos);

        // What the command line read, the window imports as typed edits,
        // sending nothing.
        std::ofstream(PathOf("other.json"))
            << e2e::Run(WIFI_CONFIG, {"read", "--port", PathOf("other")}).out;
        Edit(IDC_SSID)->setText(QStringLiteral("changed"));
        Choose(IDC_BAUDRATE, 7);
        const qsizetype sent = Received(Path("traffic.log")).size();
        QVERIFY(!window_->ImportProfile(Path("other.json")));
        QCOMPARE(Edit(IDC_SSID)->text(), QStringLiteral("窗口配置"));
        QCOMPARE(window_->progressText(), QStringLiteral("已导入配置，尚未写入模块：请提交参数"));
        QCOMPARE(Combo(IDC_BAUDRATE)->currentText(), QStringLiteral("9600"));
        QCOMPARE(Received(Path("traffic.log")).size(), sent);

        // A value no field takes is refused, naming it, and changes nothing.
        std::ofstream(PathOf("bad.json")) << R"({"ssid": "x", "baudRate": "123"})";
        const auto refused = window_->ImportProfile(Path("bad.json"));
        QVERIFY(refused);
        // In the window's language throughout, the field by its label.
        const QString error = Shown(*refused);
        QVERIFY2(error.contains(QStringLiteral("波特率：“123”不是 ")), qPrintable(error));
        QVERIFY2(error.endsWith(QStringLiteral("请改正文件，然后重新导入。")), qPrintable(error));
        QVERIFY2(!error.contains(QStringLiteral("not")), qPrintable(error));
        QCOMPARE(Edit(IDC_SSID)->text(), QStringLiteral("窗口配置"));
    }

    void theTrafficViewShowsEveryLineWithSecretsMasked() {
        Start();
        Connect();
        TrafficWindow* traffic = window_->traffic();
        const QString port = Path("module");
        QString text = traffic->Text();
        QVERIFY2(text.contains(port + QStringLiteral(" > AT+SZ_CHECKCONFIG=ALL\\r\\n")),
                 qPrintable(text));
        QVERIFY(text.contains(port + QStringLiteral(" < SSID:SimNet\\r\\n")));
        QVERIFY(text.contains(QStringLiteral(" < KEY:***\\r\\n")));
        QVERIFY(text.contains(QStringLiteral(" < Web_Password:***\\r\\n")));
        QVERIFY(!text.contains(QStringLiteral("sim-password")));
        QVERIFY(text.contains(QStringLiteral(" < CONNECTED\\r\\n")));

        // Full dates: the log outlives a day's work.
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        QVERIFY2(text.startsWith(today + QLatin1Char(' ')), qPrintable(text.left(40)));

        traffic->show();
        Edit(IDC_KEY)->setText(QStringLiteral("new-secret"));
        Edit(IDC_SSID)->setText(QStringLiteral("办公室"));
        Submit();
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
        QVERIFY(traffic->Text().contains(QStringLiteral(" > AT+SZ_SECURITY_KEY=***\\r\\n")));
        // Texts in the form's encoding, bytes on request.
        QVERIFY(traffic->Text().contains(QStringLiteral(" > AT+SZ_SSID=办公室\\r\\n")));
        traffic->hex()->setChecked(true);
        QVERIFY(traffic->Text().contains(
            QStringLiteral(" > AT+SZ_SSID=\\xE5\\x8A\\x9E\\xE5\\x85\\xAC\\xE5\\xAE\\xA4\\r\\n")));
        traffic->hex()->setChecked(false);
        // The view follows new lines, and leaves alone a user who scrolled up.
        QScrollBar* bar = traffic->view()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        bar->setValue(0);
        const int lines = traffic->view()->blockCount();
        Submit();
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(2), kWaitMs);
        QVERIFY(traffic->view()->blockCount() > lines);
        QCOMPARE(bar->value(), 0);
        QVERIFY(!traffic->Text().contains(QStringLiteral("new-secret")));

        traffic->unmask()->setChecked(true);
        QVERIFY(traffic->Text().contains(QStringLiteral("AT+SZ_SECURITY_KEY=new-secret\\r\\n")));
        // What is saved is what the view shows, a line each.
        QCOMPARE(QString::fromStdString(window_->session().TrafficText(true, false)),
                 traffic->Text() + QLatin1Char('\n'));
    }

    // Replies balance: a module that answers every command twice never gets
    // "参数已保存!", whatever it did with the save.
    void aModuleThatAnswersTwiceIsNeverToldItSaved() {
        for (const char* late : {"0", "60"}) {
            cleanup();
            init();
            Start({"--double-ok", late, "--reply-error", "AT+SZ_SAVE_CONFIG="});
            Connect();
            Submit();
            QTRY_VERIFY_WITH_TIMEOUT(window_->Item(IDC_SUBMIT)->isEnabled(), kWaitMs);
            const QString progress = window_->progressText();
            QVERIFY2(progress.contains(QStringLiteral("参数未保存")) ||
                         progress.contains(QStringLiteral("保存未确认")),
                     qPrintable(progress));
            QTest::qWait(300);  // and nothing more comes of it
            QVERIFY(!messages_->seen.contains(QStringLiteral("参数已保存!")));
        }
    }

    // Known values only: the next module's form holds nothing of the last
    // one's, and what its report cannot show is named before anything is sent.
    void aModulesUnknownValuesAreShownAsUnknownNeverAsTheLastOnes() {
        Start();
        Connect();
        QCOMPARE(Edit(IDC_SSID)->text(), QStringLiteral("SimNet"));
        Click(IDC_CONNECT);
        e2e::SimProcess other({"--link", PathOf("module"), "--omit", "SSID", "--omit", "KEY",
                               "--report", "DHCP=ON", "--log", PathOf("other.log")});
        Connect();
        QCOMPARE(Edit(IDC_SSID)->text(), QString());
        QCOMPARE(Edit(IDC_KEY)->text(), QString());
        QVERIFY2(window_->progressText().contains(QStringLiteral("DHCP")),
                 qPrintable(window_->progressText()));
        QCOMPARE(Combo(IDC_PROTOCOL)->currentIndex(), -1);  // no report carries it
        // An exported profile gives no value for what nobody knows.
        QVERIFY(!window_->ExportProfile(Path("unknown.json")));
        const std::string profile = e2e::ReadFile(PathOf("unknown.json"));
        for (const char* member :
             {R"("ssid": null)", R"("key": null)", R"("dhcp": null)", R"("protocol": null)"}) {
            QVERIFY2(profile.find(member) != std::string::npos, profile.c_str());
        }
        Submit();
        QCOMPARE(QApplication::focusWidget(), window_->Item(IDC_SSID));
        QVERIFY2(window_->progressText().contains(QStringLiteral("网络名称")),
                 qPrintable(window_->progressText()));
        QVERIFY(e2e::ReadFile(PathOf("other.log")).find("CONFIGURE") == std::string::npos);
    }

    // What is typed is what is sent: an address typed key by key, and an
    // edited text the encoding cannot carry is refused, not sent as U+FFFD.
    void whatIsTypedIsWhatIsSent() {
        std::ofstream(PathOf("module.txt"), std::ios::binary)
            << "SSID:\xB2\xE2\xCA\xD4\xCD\xF8\xC2\xE7\n";  // 测试网络 in GBK
        Start();
        Connect();
        window_->encoding()->setCurrentIndex(
            window_->encoding()->findText(QStringLiteral("UTF-8")));
        QVERIFY(Edit(IDC_SSID)->text().contains(QChar::ReplacementCharacter));
        Edit(IDC_SSID)->setText(Edit(IDC_SSID)->text() + QStringLiteral("2"));
        Submit();
        QVERIFY2(window_->progressText().contains(QStringLiteral("网络名称")),
                 qPrintable(window_->progressText()));
        QCOMPARE(QApplication::focusWidget(), window_->Item(IDC_SSID));
        QVERIFY(Received(Path("traffic.log")).count(QStringLiteral("AT+SZ_CONFIGURE=START")) == 0);

        Edit(IDC_SSID)->setText(QStringLiteral("Typed"));
        qobject_cast<QCheckBox*>(window_->Item(IDC_DHCP))->click();  // DHCP off
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        Address(IDC_IPADDR)->field(0)->setFocus();
        Address(IDC_IPADDR)->field(0)->selectAll();
        for (QChar c : QStringLiteral("192.168.100.1")) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
        Submit();
        QTRY_VERIFY_WITH_TIMEOUT(messages_->seen.contains(QStringLiteral("参数已保存!")), kWaitMs);
        QVERIFY(Received(Path("traffic.log"))
                    .contains(QStringLiteral("AT+SZ_IP_DEFAULT=192.168.100.1")));
    }

    void noPortSelectedGivesAClearMessage() {
        Start();
        Combo(IDC_COMPORT)->setCurrentIndex(-1);
        Click(IDC_CONNECT);
        QTRY_COMPARE_WITH_TIMEOUT(messages_->seen.size(), qsizetype(1), kWaitMs);
        QVERIFY2(messages_->seen.first().contains(QStringLiteral("未选择串口")),
                 qPrintable(messages_->seen.first()));
        QVERIFY(window_->Item(IDC_COMPORT)->isEnabled());
        QCOMPARE(Status(), QStringLiteral("未连接"));
    }
};

QTEST_MAIN(GuiEndToEndTest)
#include "GuiEndToEndTest.moc"
