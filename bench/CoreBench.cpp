// The core alone: the report parser, a whole session fed one byte per receive
// event, and a flood of bytes without any token.
#include <benchmark/benchmark.h>

#include <string>

#include "Bench.h"
#include "protocol/ReportParser.h"

namespace {

using namespace wifi;
using wifi::testing::kReport;

// The dialog wired to in-memory controls and a fake port, the port open;
// nothing is recorded that a long run would pile up.
struct Rig : wifi::testing::Bench {
    Rig() {
        comm.RecordAccesses(false);
        Open();
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

// Report, connected reply, submit and 22 acknowledgements, one byte an event,
// and the quiet waits before the configure command and after the save.
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
        rig.controls.UserSelect(IDC_PROTOCOL, 0);
        rig.Submit();
        rig.OneBytePerEvent(acks);
        rig.Wait(wifi::testing::Bench::kQuietBound);
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
