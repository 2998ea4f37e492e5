// The core alone: the report parser, a whole session fed one byte per receive
// event, and a flood of bytes without any token.
#include <benchmark/benchmark.h>

#include <string>

#include "form/ConfigDlg.h"
#include "form/ControlIds.h"
#include "form/ListContents.h"
#include "form/MemoryControls.h"
#include "protocol/ReportParser.h"
#include "serial/FakeComm.h"

namespace {

using namespace wifi;

const std::string kReport =
    "AT+SZ_CHECKCONFIG=ALL\r\nNetworkType:STA\r\nSSID:Bench-AP\r\nSecurity:WEP128\r\n"
    "Key_Mode:ASCII\r\nKey_Index:3\r\nKEY:secret\r\nDHCP:DISENABLE\r\nIP_address:192.168.1.10\r\n"
    "Subnet_mask:255.255.255.0\r\nGateway_address:192.168.1.1\r\nDNS_server:8.8.8.8\r\n"
    "SC_Mode:Server\r\nServer_IP:10.0.0.2\r\nPort:8080\r\nBaudrate:115200\r\n"
    "Uartdata_Check:EVEN\r\nUartdata_Bit:9\r\nUartdata_Stopbit:2\r\nUartdata_Long:512\r\n"
    "Uartdata_Timeout:100\r\nWeb_Password:admin\r\n";

// The dialog wired to in-memory controls and a fake port; pauses cost nothing.
struct Rig {
    MemoryControls controls{WindowsComPorts()};
    FakeComm comm;
    CConfigDlg dlg{controls, comm, [](unsigned) {}};
    Rig() {
        comm.RecordAccesses(false);
        controls.notify = [this](int id, Notification code) { dlg.Dispatch(id, code); };
        comm.onComm = [this] { dlg.OnCommEvent(); };
        dlg.OnInitDialog();
        controls.UserSelect(IDC_COMPORT, 0);
        controls.UserClick(IDC_CONNECT);
    }
    void OneBytePerEvent(const std::string& bytes) { comm.DeliverInChunks(bytes, 1); }
};

void BM_ParseReport(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseReportValues(kReport));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kReport.size()));
}
BENCHMARK(BM_ParseReport);

// Report, connected reply, submit and 22 acknowledgements, one byte an event.
void BM_SessionOneBytePerEvent(benchmark::State& state) {
    std::string acks;
    for (int i = 0; i < 22; ++i) {
        acks += "OK\r\n";
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        Rig rig;
        rig.OneBytePerEvent(kReport);
        rig.OneBytePerEvent("CONNECTED\r\n");
        rig.controls.UserClick(IDC_SUBMIT);
        rig.OneBytePerEvent(acks);
        if (rig.controls.messages().size() != 1) {
            state.SkipWithError("the write sequence did not complete");
        }
        bytes += kReport.size() + 11 + acks.size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_SessionOneBytePerEvent);

// Bytes without any token, one an event: the cost of a byte must not grow with
// how many came before it.
void BM_FloodOneBytePerEvent(benchmark::State& state) {
    const std::string flood(static_cast<std::size_t>(state.range(0)), '~');
    for (auto _ : state) {
        state.PauseTiming();
        Rig rig;
        rig.OneBytePerEvent(kReport);
        rig.OneBytePerEvent("CONNECTED\r\n");
        state.ResumeTiming();
        rig.OneBytePerEvent(flood);
    }
    // Seconds per byte, shown with an SI prefix ("201n" is 201 ns).
    state.counters["time_per_byte"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(flood.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FloodOneBytePerEvent)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
