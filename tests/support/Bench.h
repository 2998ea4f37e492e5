#pragma once

// What tests, benchmarks and fuzz targets share: a dialog wired to in-memory
// controls and a fake serial control, as the window wires the real ones
// (notifications go to the message map, receive events to OnCommEvent, every
// pause is recorded instead of slept), a module's report, and the port list.

#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeComm.h"
#include "form/ConfigDlg.h"
#include "form/ControlIds.h"
#include "form/Fields.h"
#include "form/ListContents.h"
#include "form/MemoryControls.h"

namespace wifi::testing {

// The port list as the module's Windows users always had it: COM1 to COM16.
inline const std::vector<std::string>& WindowsComPorts() {
    static const std::vector<std::string> ports = [] {
        std::vector<std::string> p;
        for (int i = 1; i <= 16; ++i) {
            p.push_back("COM" + std::to_string(i));
        }
        return p;
    }();
    return ports;
}

// A module's report as it arrives, echo of the query first, lines in the
// module's own order, "Web_Password:" last.
inline const std::string kReport =
    "AT+SZ_CHECKCONFIG=ALL\r\n"
    "NetworkType:STA\r\n"
    "SSID:Bench-AP\r\n"
    "Security:WEP128\r\n"
    "Key_Mode:ASCII\r\n"
    "Key_Index:3\r\n"
    "KEY:secret\r\n"
    "DHCP:DISENABLE\r\n"
    "IP_address:192.168.1.10\r\n"
    "Subnet_mask:255.255.255.0\r\n"
    "Gateway_address:192.168.1.1\r\n"
    "DNS_server:8.8.8.8\r\n"
    "SC_Mode:Server\r\n"
    "Server_IP:10.0.0.2\r\n"
    "Port:8080\r\n"
    "Baudrate:115200\r\n"
    "Uartdata_Check:EVEN\r\n"
    "Uartdata_Bit:9\r\n"
    "Uartdata_Stopbit:2\r\n"
    "Uartdata_Long:512\r\n"
    "Uartdata_Timeout:100\r\n"
    "Web_Password:admin\r\n";

// The lines the write sequence sends for kReport, in order.
inline const std::vector<std::string> kReportWriteLines = {
    "AT+SZ_SSID=Bench-AP\r\n",
    "AT+SZ_NETWORKTYPE=STA\r\n",
    "AT+SZ_SECURITY=WEP128\r\n",
    "AT+SZ_WEPINDEX=2A\r\n",
    "AT+SZ_SECURITY_KEY=secret\r\n",
    "AT+SZ_DHCP=DISABLE\r\n",
    "AT+SZ_IP_DEFAULT=192.168.1.10\r\n",
    "AT+SZ_MASK_DEFAULT=255.255.255.0\r\n",
    "AT+SZ_GATE_DEFAULT=192.168.1.1\r\n",
    "AT+SZ_DNS_DEFAULT=8.8.8.8\r\n",
    "AT+SZ_TCPUDP_MODEL=TCP\r\n",
    "AT+SZ_S_C_MODEL=SERVER\r\n",
    "AT+SZ_TCP_SERVER_IP=10.0.0.2\r\n",
    "AT+SZ_S_C_PORT=8080\r\n",
    "AT+SZ_BAUDRATE=115200\r\n",
    "AT+SZ_UARTDATA_CHECK=EVEN\r\n",
    "AT+SZ_UARTDATA_BIT=9\r\n",
    "AT+SZ_UARTDATA_STOPBIT=2\r\n",
    "AT+SZ_DATELENGTH=512\r\n",
    "AT+SZ_DATETIMEOUT=100\r\n",
    "AT+SZ_SAVE_CONFIG=SAVE\r\n",
};

// The session's events as short words, in order: "report", "connected",
// "step 3 sent", "step 3 skipped security", "refused 5", "refused query",
// "refused connect", "submit refused busy", "rejected ssid", "timed out 5",
// "timed out query", "incomplete query", "out of step after 4", "completed".
struct EventLog : SessionEvents {
    std::vector<std::string> log;
    std::vector<UnknownValue> unknown;  // as the last report left them
    void ReportParsed(const std::vector<UnknownValue>& u) override {
        unknown = u;
        log.push_back("report");
    }
    int connecting = 0;  // connections asked for
    void Connecting() override { ++connecting; }
    void Connected() override { log.push_back("connected"); }
    void StepPerformed(unsigned step, const StepCommand& c) override {
        log.push_back("step " + std::to_string(step) + (c.line ? " sent" : " skipped ") +
                      (c.line ? "" : std::string(FieldOfStep(step, c.source).name)));
    }
    static std::string What(const Exchange& e) {
        return e.command == InFlight::Query     ? std::string("query")
               : e.command == InFlight::Connect ? std::string("connect")
                                                : std::to_string(e.step);
    }
    Exchange last;  // what the last refusal or time-out concerned
    void Refused(const Exchange& e) override {
        last = e;
        log.push_back("refused " + What(e));
    }
    void SubmitRefused(SubmitRefusal why) override {
        log.push_back(why == SubmitRefusal::Busy ? "submit refused busy"
                                                 : "submit refused not connected");
    }
    void ValueRejected(unsigned step, unsigned source, RuleBreak, bool underDhcp) override {
        log.push_back("rejected " + std::string(FieldOfStep(step, source).name) +
                      (underDhcp ? " under dhcp" : ""));
    }
    void TimedOut(const Exchange& e, bool incomplete) override {
        last = e;
        log.push_back((incomplete ? "incomplete " : "timed out ") + What(e));
    }
    void OutOfStep(const Exchange& lastSent) override {
        last = lastSent;
        log.push_back("out of step after " + std::to_string(lastSent.step));
    }
    void Completed() override { log.push_back("completed"); }
    // "verified", "differs ssid", "not verified cannot tell ssid", "not
    // verified no answer" ...
    ReadBack readBack;
    void ReadBackDone(const ReadBack& r) override {
        readBack = r;
        static const char* const why[] = {"", "refused", "no answer", "port gone", "cannot tell"};
        // Appended, not added: GCC 12 at -O3 warns falsely of overlapping
        // copies in a literal + string.
        std::string line;
        if (r.result == ReadBackResult::Verified) {
            line.append("verified");
        } else if (r.result == ReadBackResult::Differs) {
            line.append("differs");
        } else {
            line.append("not verified ").append(why[static_cast<int>(r.why)]);
        }
        for (const ReadBackField& f : r.fields) {
            line.append(" ").append(f.field->name);
        }
        log.push_back(line);
    }
    void Disconnected(const Exchange&) override { log.push_back("disconnected"); }
};

struct Bench {
    MemoryControls controls{WindowsComPorts()};
    FakeComm comm;
    FakeClock clock;
    std::vector<unsigned> pauses;
    // Runs during every pause, as bytes arrive while the program sleeps.
    std::function<void()> whilePaused;
    CConfigDlg dlg{controls, comm,
                   [this](unsigned ms) {
                       pauses.push_back(ms);
                       clock.Pass(std::chrono::milliseconds(ms));
                       if (whilePaused) {
                           whilePaused();
                       }
                   },
                   clock};

    Bench() {
        controls.notify = [this](int id, Notification code) { dlg.Dispatch(id, code); };
        comm.onComm = [this] { dlg.OnCommEvent(); };
        clock.onExpire = [this] { dlg.OnTimer(); };
        dlg.OnInitDialog();
        // Most cases are about the write itself; the read-back after the
        // save has cases of its own, which turn it on.
        dlg.SetVerify(false);
    }

    // Time passes with nothing arriving: quiet waits end, replies fall due.
    void Wait(int ms) { clock.Elapse(std::chrono::milliseconds(ms)); }

    // Picks COM1 and presses connect.
    void Open() {
        controls.UserSelect(IDC_COMPORT, 0);
        controls.UserClick(IDC_CONNECT);
    }

    // Open, report, "CONNECTED": the form is ready to edit. No report carries
    // the protocol; the user picks TCP unless told otherwise (-1: no pick).
    void Connect(const std::string& report = kReport, int protocol = 0) {
        Open();
        comm.Deliver(report);
        comm.Deliver("CONNECTED\r\n");
        if (protocol >= 0 && controls.GetCurSel(IDC_PROTOCOL) < 0) {
            controls.UserSelect(IDC_PROTOCOL, protocol);
        }
    }

    // Presses submit; when the configure command waits for a quiet line, that
    // time passes, and no more.
    void Submit() {
        const auto sent = comm.written().size();
        controls.UserClick(IDC_SUBMIT);
        const auto armed = clock.Armed();
        if (comm.written().size() == sent && armed &&
            *armed <= std::chrono::milliseconds(kQuietBound)) {
            clock.Elapse(*armed);
        }
    }

    // Answers "OK" n times, as the module acknowledges; after the save's,
    // the line stays quiet long enough for it to count.
    void Acknowledge(int n) {
        for (int i = 0; i < n; ++i) {
            comm.Deliver("OK\r\n");
        }
        if (dlg.session().inFlight == InFlight::None) {
            Wait(kQuietBound);
        }
    }

    // Longer than any quiet wait.
    static constexpr int kQuietBound = 1000;

    std::vector<std::string> Sent() const { return comm.WrittenLines(); }
    std::string Text(int id) const { return controls.GetText(id); }
    bool Enabled(int id) const { return controls.IsWindowEnabled(id); }
};

}  // namespace wifi::testing
