// The serial control on Asio over a real pseudo-terminal: the link settings
// and exact bytes, receive events of at most 1024 bytes delivered between
// handlers, the errors a user sees, a hang-up told once, and the reply clock.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <numeric>

#include "asioserial/AsioComm.h"
#include "asioserial/AsioReplyClock.h"
#include "serial/SerialLink.h"

namespace wifi {
namespace {

using std::chrono::milliseconds;

// What a failing access said, or empty when it did not fail.
std::string FailureOf(const std::function<void()>& access) {
    try {
        access();
    } catch (const CommError& e) {
        return e.what();
    }
    return {};
}

class AsioCommTest : public ::testing::Test {
  protected:
    void SetUp() override {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(master_, 0);
        ASSERT_TRUE(grantpt(master_) == 0 && unlockpt(master_) == 0);
        device_ = ptsname(master_);
    }
    void TearDown() override {
        if (master_ >= 0) {
            close(master_);
        }
    }
    void Write(const std::string& bytes) {
        ASSERT_EQ(write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    // Runs the pump until cond holds or the bound passes.
    bool RunUntil(const std::function<bool()>& cond, milliseconds bound = milliseconds(5000)) {
        asio::steady_timer limit(pump_.io());
        bool late = false;
        limit.expires_after(bound);
        limit.async_wait([&](const std::error_code& e) { late = !e; });
        pump_.RunUntil([&] { return cond() || late; });
        return cond();
    }
    std::function<std::string(int)> Named() {
        return [this](int n) { return n == 1 ? device_ : std::string(); };
    }

    EventPump pump_;
    int master_ = -1;
    std::string device_;
};

TEST_F(AsioCommTest, OpensAtTheLinkSettingsAndSendsExactBytes) {
    AsioComm comm(pump_, Named());
    OpenPort(comm, 0);
    ASSERT_TRUE(comm.GetPortOpen());
    termios line{};
    ASSERT_EQ(tcgetattr(master_, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), speed_t(B19200));
    EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), tcflag_t(0));

    SendCommand(
        comm, [](unsigned) {}, "AT+SZ_CONNECT=START\r\n", [](const Bytes&) { return true; });
    std::string got;
    for (int i = 0; i < 500 && got.size() < 21; ++i) {
        char buf[64];
        const ssize_t n = read(master_, buf, sizeof buf);
        if (n > 0) {
            got.append(buf, std::size_t(n));
        } else {
            usleep(2000);
        }
    }
    EXPECT_EQ(got, "AT+SZ_CONNECT=START\r\n");
    ClosePort(comm);
    EXPECT_FALSE(comm.GetPortOpen());
}

TEST_F(AsioCommTest, BytesWaitingBeforeTheOpenNeverArrive) {
    // The far side keeps the terminal open, so what it writes waits there.
    const int slave = open(device_.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    const std::string stale = "CONNECTED\r\nWeb_Password:old\r\n";
    Write(stale);
    for (int i = 0, waiting = 0; i < 500 && waiting != int(stale.size()); ++i) {
        ioctl(slave, FIONREAD, &waiting);
        usleep(1000);
    }
    AsioComm comm(pump_, Named());
    std::string received;
    comm.onReceive = [&] {
        const Bytes bytes = comm.GetInput();
        received.append(bytes.begin(), bytes.end());
    };
    OpenPort(comm, 0);
    Write("fresh\r\n");
    EXPECT_TRUE(RunUntil([&] { return received.size() >= 7; }));
    EXPECT_EQ(received, "fresh\r\n");
    close(slave);
}

TEST_F(AsioCommTest, ReceiveEventsCarryEverythingAvailableAtMost1024Bytes) {
    AsioComm comm(pump_, Named());
    OpenPort(comm, 0);
    std::vector<std::size_t> sizes;
    comm.onReceive = [&] {
        EXPECT_EQ(comm.GetCommEvent(), CMSComm::comEvReceive);
        sizes.push_back(comm.GetInput().size());
    };
    Write(std::string(3000, 'x'));
    EXPECT_TRUE(RunUntil(
        [&] { return std::accumulate(sizes.begin(), sizes.end(), std::size_t(0)) == 3000; }));
    for (std::size_t n : sizes) {
        EXPECT_TRUE(n > 0 && n <= 1024) << n;
    }
}

TEST_F(AsioCommTest, FailuresSayWhichPortAndWhy) {
    AsioComm none(pump_, [](int) { return std::string(); });
    EXPECT_NE(FailureOf([&] { OpenPort(none, -1); }).find("no port selected"), std::string::npos);

    const std::string missing = "/dev/ttyNO-SUCH-DEVICE";
    AsioComm gone(pump_, [&](int) { return missing; });
    const std::string why = FailureOf([&] { OpenPort(gone, 0); });
    EXPECT_NE(why.find(missing + ": no such device"), std::string::npos) << why;

    // Another copy of the tool has the port: said to be busy, though the
    // user could open the device (as root can, whatever its exclusive mode).
    AsioComm first(pump_, Named());
    AsioComm second(pump_, Named());
    OpenPort(first, 0);
    const std::string busy = FailureOf([&] { OpenPort(second, 0); });
    EXPECT_NE(busy.find(device_ + ": port busy"), std::string::npos) << busy;
    ClosePort(first);
    EXPECT_EQ(FailureOf([&] { OpenPort(second, 0); }), "") << "free again once closed";

    AsioComm closed(pump_, Named());
    EXPECT_NE(FailureOf([&] {
                  SendCommand(
                      closed, [](unsigned) {}, "x\r\n", [](const Bytes&) { return true; });
              }).find("closed"),
              std::string::npos);
    EXPECT_NE(FailureOf([&] { closed.SetSettings("19200,x,8,1"); }).find("19200,x,8,1"),
              std::string::npos);
}

// What came while the program slept before a send is read by that send,
// though no event was delivered: nothing waits unseen, and no event comes
// for bytes already taken.
TEST_F(AsioCommTest, AReadBeforeASendSeesWhatCameDuringThePause) {
    AsioComm comm(pump_, Named());
    OpenPort(comm, 0);
    int events = 0;
    comm.onReceive = [&] { ++events; };
    std::string judged;
    SendCommand(
        comm,
        [&](unsigned) {
            Write("OK\r\n");
            usleep(20000);
        },
        "AT+SZ_SSID=x\r\n",
        [&](const Bytes& arrived) {
            judged.append(arrived.begin(), arrived.end());
            return true;
        });
    // SendCommand pauses before the read; the reply to the step before came
    // within that pause.
    EXPECT_EQ(judged, "OK\r\n");
    Write("later\r\n");
    std::string later;
    comm.onReceive = [&] {
        ++events;
        const Bytes b = comm.GetInput();
        later.append(b.begin(), b.end());
    };
    EXPECT_TRUE(RunUntil([&] { return later == "later\r\n"; }));
    EXPECT_EQ(events, 1) << "one event, for the bytes nobody had taken";
}

TEST_F(AsioCommTest, AHangUpClosesThePortAndIsToldOnce) {
    AsioComm comm(pump_, Named());
    OpenPort(comm, 0);
    std::vector<CommError> lost;
    comm.onLost = [&](const CommError& e) { lost.push_back(e); };
    close(master_);  // the device goes away
    master_ = -1;
    EXPECT_TRUE(RunUntil([&] { return !lost.empty(); }));
    EXPECT_FALSE(comm.GetPortOpen());
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(lost[0].kind(), CommFailure::Unplugged);
    EXPECT_NE(std::string(lost[0].what()).find(device_ + ": the device was unplugged"),
              std::string::npos);
    RunUntil([] { return false; }, milliseconds(50));
    EXPECT_EQ(lost.size(), 1u);
}

// The dialog's clock: a start replaces the one before, a stop ends it, and
// its expiry never runs inside a handler.
TEST_F(AsioCommTest, TheReplyClockFiresOnceForTheLastStartOnly) {
    int fired = 0;
    AsioReplyClock clock(pump_, [&] { ++fired; });
    clock.Start(milliseconds(5));
    clock.Start(milliseconds(40));  // replaces the first
    const auto started = clock.Now();
    EXPECT_TRUE(RunUntil([&] { return fired > 0; }));
    EXPECT_GE(clock.Now() - started, milliseconds(40));
    RunUntil([] { return false; }, milliseconds(60));
    EXPECT_EQ(fired, 1);

    clock.Start(milliseconds(5));
    clock.Stop();
    RunUntil([] { return false; }, milliseconds(60));
    EXPECT_EQ(fired, 1) << "stopped";

    // Expired while a handler ran: held until the handler has returned.
    bool inHandler = false;
    bool firedInside = false;
    AsioReplyClock inner(pump_, [&] { firedInside = inHandler; });
    inner.Start(milliseconds(1));
    inHandler = true;
    usleep(20000);
    pump_.PollCompletions();
    inHandler = false;
    EXPECT_TRUE(RunUntil([&] { return !firedInside && fired == 1; }, milliseconds(100)));
    EXPECT_FALSE(firedInside);
}

}  // namespace
}  // namespace wifi
