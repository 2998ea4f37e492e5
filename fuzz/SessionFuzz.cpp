// A whole session driven by arbitrary input, read as a script of one-byte
// operations with their operands (see the seeds' maker, make-seeds): presses
// of connect and submit, a user's edits, and arbitrary bytes from the module
// in arbitrary chunks, with the report, "CONNECTED", "OK" and "ERROR" among
// them. After every event: the receive buffer and the report are within
// their bounds, the write step within 0 to 22, no command line holds a line
// end inside it, no parameter is written unless a submit came first in that
// connection, no configure command goes out while another command awaits its
// reply, and the completion comes only after the save went out and the line
// stayed quiet: when time passes, never on a byte that arrives.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "Bench.h"
#include "form/EnablingGroups.h"
#include "protocol/Commands.h"
#include "protocol/WriteSequence.h"
#include "serial/CommError.h"

namespace {

using namespace wifi;

// A failed check says which before the run stops.
void Require(bool condition, int line) {
    if (!condition) {
        std::fprintf(stderr, "check failed: SessionFuzz.cpp:%d\n", line);
        std::abort();
    }
}
#define Check(condition) Require((condition), __LINE__)

using wifi::testing::kReport;
const std::string kTokens[] = {kReport, "CONNECTED\r\n", "OK\r\n", "ERROR\r\n", "\r\n", ""};

bool IsParameterCommand(const std::string& line) {
    for (const auto prefix : WriteSteps()) {
        if (line.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

// The input, byte by byte; zeros once it is used up.
class Script {
  public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    unsigned Byte() { return at_ < size_ ? data_[at_++] : 0u; }
    std::string Bytes(std::size_t n) {
        n = std::min(n, size_ - at_);
        std::string out(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return out;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct Session : wifi::testing::Bench {
    std::size_t checked = 0;  // bytes of comm.written() already checked
    bool submittedThisConnection = false;
    // The state before the operation being checked.
    InFlight inFlightBefore = InFlight::None;
    std::uint32_t stepBefore = 0;
    std::size_t messagesBefore = 0;
    std::string lastLine;     // the last command line written
    bool timePassed = false;  // the operation let time pass

    Session() { comm.RecordAccesses(false); }

    void BeforeOperation() {
        inFlightBefore = dlg.session().inFlight;
        stepBefore = dlg.session().writeStep;
        messagesBefore = controls.messages().size();
        timePassed = false;
    }

    void CheckInvariants() {
        Check(dlg.session().rxBuffer.size() <= ReceiveBuffer::kLimit + 1);
        Check(dlg.session().reportText.size() <= 2 * ReceiveBuffer::kLimit + 2);
        Check(dlg.session().writeStep <= kCompletionStep);
        const std::string& written = comm.written();
        for (std::size_t end; (end = written.find("\r\n", checked)) != std::string::npos;) {
            const std::string line = written.substr(checked, end - checked);
            Check(line.find_first_of("\r\n") == std::string::npos);
            // No write command without a submit in this connection.
            Check(!IsParameterCommand(line) || submittedThisConnection);
            // No second configure command while a sequence's command awaits
            // its reply. (One may follow the answer to a connect request: a
            // second submit after a save asks the module to connect first.)
            Check(line != cmd::kConfigure || inFlightBefore != InFlight::Write);
            lastLine = line;
            checked = end + 2;
        }
        Check(written.find_first_of("\r\n", checked) == std::string::npos ||
              written.substr(checked) == "\r");
        // Success only once the save was acknowledged and the line stayed
        // quiet: when time passed with nothing in flight.
        if (controls.messages().size() != messagesBefore) {
            Check(controls.messages().size() == messagesBefore + 1);
            Check(timePassed && inFlightBefore == InFlight::None && stepBefore == kCompletionStep);
            Check(lastLine == std::string(cmd::kSaveConfig) + std::string(cmd::kSaveValue));
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Script in(data, size);
    Session s;
    s.controls.UserSelect(IDC_COMPORT, static_cast<int>(in.Byte() % 2));
    while (in.more()) {
        s.BeforeOperation();
        try {
            switch (in.Byte() % 9) {
                case 0: {  // connect or close
                    const bool opening = !s.comm.GetPortOpen();
                    s.controls.UserClick(IDC_CONNECT);
                    if (opening && s.comm.GetPortOpen()) {
                        s.submittedThisConnection = false;
                    }
                    break;
                }
                case 1:  // submit
                    s.submittedThisConnection = s.submittedThisConnection || s.comm.GetPortOpen();
                    s.controls.UserClick(IDC_SUBMIT);
                    break;
                case 2: {  // arbitrary bytes in chunks: chunk size, length, bytes
                    const std::size_t chunk = 1 + in.Byte() % 64;
                    s.comm.DeliverInChunks(in.Bytes(in.Byte()), chunk);
                    break;
                }
                case 3:
                case 4: {  // a reply token, split: which, where (of 255)
                    const std::string& token = kTokens[in.Byte() % std::size(kTokens)];
                    const std::size_t cut = token.size() * in.Byte() / 255;
                    s.comm.Deliver(token.substr(0, cut));
                    s.comm.Deliver(token.substr(cut));
                    break;
                }
                case 5: {  // a list choice: control, entry
                    const int id = ModuleGroup[in.Byte() % ModuleGroup.size()];
                    s.controls.UserSelect(id, static_cast<int>(in.Byte() % 10) - 1);
                    break;
                }
                case 6: {  // typing, line ends included: control, length, text
                    const int id = ModuleGroup[in.Byte() % ModuleGroup.size()];
                    s.controls.UserType(id, in.Bytes(in.Byte() % 48));
                    break;
                }
                case 7: {  // an address field: control, field, value
                    const int id = ModuleGroup[6 + in.Byte() % 4];
                    const int field = static_cast<int>(in.Byte() % 4);
                    s.controls.UserSetAddressField(id, field, static_cast<int>(in.Byte()) * 2 - 10);
                    break;
                }
                case 8:  // time passes: milliseconds, in eights
                    s.timePassed = true;
                    s.Wait(static_cast<int>(in.Byte()) * 8);
                    break;
            }
        } catch (const CommError&) {
            // A closed port refuses to send, as the real one does.
        }
        s.CheckInvariants();
    }
    return 0;
}
