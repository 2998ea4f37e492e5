// The serial control on QSerialPort over a real pseudo-terminal: the link
// settings, receive events of at most 1024 bytes, the errors a user sees, and
// a hang-up noticed once.
#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

#include "qtserial/SerialComm.h"
#include "serial/CommError.h"
#include "serial/SerialLink.h"

using namespace wifi;

class SerialCommTest : public QObject {
    Q_OBJECT

    int master_ = -1;
    QString device_;

    // What a failing access said, or empty when it did not fail.
    static QString FailureOf(const std::function<void()>& access) {
        try {
            access();
        } catch (const CommError& e) {
            return QString::fromLocal8Bit(e.what());
        }
        return QString();
    }

  private slots:
    void init() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(master_ >= 0);
        QVERIFY(grantpt(master_) == 0 && unlockpt(master_) == 0);
        device_ = QString::fromLocal8Bit(ptsname(master_));
    }
    void cleanup() {
        if (master_ >= 0) {
            close(master_);
        }
    }

    void opensAtTheLinkSettingsAndSendsExactBytes() {
        SerialComm comm([this](int n) { return n == 1 ? device_ : QString(); });
        OpenPort(comm, 0);
        QVERIFY(comm.GetPortOpen());
        SendCommand(
            comm, [](unsigned) {}, "AT+SZ_CONNECT=START\r\n", [](const Bytes&) { return true; });
        QByteArray got;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                char buf[64];
                const ssize_t n = read(master_, buf, sizeof buf);
                if (n > 0) {
                    got.append(buf, n);
                }
                return got.size() >= 21;
            }(),
            5000);
        QCOMPARE(got, QByteArray("AT+SZ_CONNECT=START\r\n"));
        ClosePort(comm);
        QVERIFY(!comm.GetPortOpen());
    }

    void bytesWaitingBeforeTheOpenNeverArrive() {
        // The far side keeps the terminal open, so what it writes waits there.
        const int slave = open(device_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        QVERIFY(slave >= 0);
        const QByteArray stale("CONNECTED\r\nWeb_Password:old\r\n");
        QCOMPARE(write(master_, stale.constData(), stale.size()), ssize_t(stale.size()));
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                int waiting = 0;
                return ioctl(slave, FIONREAD, &waiting) == 0 && waiting == stale.size();
            }(),
            5000);

        SerialComm comm([this](int n) { return n == 1 ? device_ : QString(); });
        QByteArray received;
        connect(&comm, &SerialComm::commEvent, this, [&] {
            const Bytes bytes = comm.GetInput();
            received.append(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        });
        OpenPort(comm, 0);
        QCOMPARE(write(master_, "fresh\r\n", 7), ssize_t(7));
        QTRY_COMPARE_WITH_TIMEOUT(received, QByteArray("fresh\r\n"), 5000);
        close(slave);
    }

    void receiveEventsCarryEverythingAvailableAtMost1024Bytes() {
        SerialComm comm([this](int n) { return n == 1 ? device_ : QString(); });
        OpenPort(comm, 0);
        QList<qsizetype> sizes;
        connect(&comm, &SerialComm::commEvent, this, [&] {
            QCOMPARE(comm.GetCommEvent(), CMSComm::comEvReceive);
            sizes << qsizetype(comm.GetInput().size());
        });
        const QByteArray burst(3000, 'x');
        QCOMPARE(write(master_, burst.constData(), burst.size()), ssize_t(burst.size()));
        QTRY_COMPARE_WITH_TIMEOUT(std::accumulate(sizes.begin(), sizes.end(), qsizetype(0)),
                                  qsizetype(3000), 5000);
        for (qsizetype n : sizes) {
            QVERIFY(n > 0 && n <= 1024);
        }
    }

    void failuresSayWhichPortAndWhy() {
        SerialComm none([](int) { return QString(); });
        QVERIFY(
            FailureOf([&] { OpenPort(none, -1); }).contains(QStringLiteral("no port selected")));

        const QString missing = QStringLiteral("/dev/ttyNO-SUCH-DEVICE");
        SerialComm gone([&](int) { return missing; });
        const QString why = FailureOf([&] { OpenPort(gone, 0); });
        QVERIFY2(why.contains(missing) && why.contains(QStringLiteral("no such device")),
                 qPrintable(why));

        SerialComm first([this](int) { return device_; });
        SerialComm second([this](int) { return device_; });
        OpenPort(first, 0);
        const QString busy = FailureOf([&] { OpenPort(second, 0); });
        QVERIFY2(busy.contains(device_) && busy.contains(QStringLiteral("busy")), qPrintable(busy));

        SerialComm closed([this](int) { return device_; });
        QVERIFY(FailureOf([&] {
                    SendCommand(
                        closed, [](unsigned) {}, "x\r\n", [](const Bytes&) { return true; });
                }).contains(QStringLiteral("closed")));
    }

    // What came while the program slept before a send is read by that send,
    // though the event loop has not run: nothing waits unseen.
    void aReadBeforeASendSeesWhatTheSystemHolds() {
        SerialComm comm([this](int n) { return n == 1 ? device_ : QString(); });
        OpenPort(comm, 0);
        QSignalSpy events(&comm, &SerialComm::commEvent);
        QCOMPARE(write(master_, "OK\r\n", 4), ssize_t(4));
        QString judged;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                SendCommand(
                    comm, [](unsigned) { usleep(2000); }, "AT+SZ_SSID=x\r\n",
                    [&](const Bytes& arrived) {
                        judged += QString::fromLatin1(reinterpret_cast<const char*>(arrived.data()),
                                                      qsizetype(arrived.size()));
                        return true;
                    });
                return judged == QStringLiteral("OK\r\n");
            }(),
            2000);
        QCOMPARE(events.count(), 0);
        QVERIFY2(comm.GetPortOpen(), "no bytes to fetch is no error");
    }

    void aHangUpClosesThePortAndIsToldOnce() {
        // Told as an unplugging, with the system's own text as the detail.
        SerialComm comm([this](int n) { return n == 1 ? device_ : QString(); });
        OpenPort(comm, 0);
        QSignalSpy lost(&comm, &SerialComm::portLost);
        close(master_);  // the device goes away
        master_ = -1;
        QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 5000);
        QVERIFY(!comm.GetPortOpen());
        const QString told = lost.first().first().toString();
        QVERIFY2(told.contains(device_) && told.contains(QStringLiteral("unplugged")),
                 qPrintable(told));
        QCoreApplication::processEvents();
        QCOMPARE(lost.count(), 1);
    }
};

QTEST_GUILESS_MAIN(SerialCommTest)
#include "SerialCommTest.moc"
