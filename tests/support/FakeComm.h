#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "serial/CMSComm.h"

namespace wifi {

// A communications control in memory. It records every property access in
// order ("CommPort=1", "PortOpen?", "Input?" ...), keeps what was written, and
// delivers received bytes in whatever chunks a test chooses, raising the
// receive event for each chunk as the real control does.
class FakeComm : public CMSComm {
  public:
    explicit FakeComm(int portCount = 16) : portCount_(portCount) {}

    void SetCommPort(short port) override;
    void SetInputMode(long mode) override;
    void SetInBufferSize(short size) override;
    void SetOutBufferSize(short size) override;
    void SetSettings(const std::string& settings) override;
    void SetPortOpen(bool open) override;
    bool GetPortOpen() override;
    void SetRThreshold(short threshold) override;
    void SetInputLen(short length) override;
    Bytes GetInput() override;
    void SetOutput(const Bytes& bytes) override;
    short GetCommEvent() override;
    void SetInBufferCount(short count) override;

    // The receive event; the dialog binds its OnCommEvent here.
    std::function<void()> onComm;

    // Bytes that wait in the port without raising an event (they were there
    // before the port was opened, or arrived during a pause).
    void QueueInput(const std::string& bytes);
    // One receive event carrying these bytes.
    void Deliver(const std::string& bytes);
    // The same bytes, one receive event per chunk of at most chunkSize bytes.
    void DeliverInChunks(const std::string& bytes, std::size_t chunkSize);
    // An event of another kind (a line-state change, say): no data.
    void DeliverOtherEvent(short event);

    // Whether accesses() keeps a record (a long run may not want one).
    void RecordAccesses(bool record) { record_ = record; }

    // Makes the named property's next accesses throw CommError(description);
    // "PortOpen=1" names one access of it.
    void FailOn(const std::string& property, const std::string& description);
    // The failures asked for are over: the device is back.
    void Recover() { failures_.clear(); }

    const std::vector<std::string>& accesses() const { return accesses_; }
    void ClearAccesses() { accesses_.clear(); }
    // Everything written to the port, and the same split after each "\r\n".
    const std::string& written() const { return written_; }
    std::vector<std::string> WrittenLines() const;
    short commPort() const { return commPort_; }

  private:
    void Access(const std::string& property, const std::string& what);
    // Access(property, "=" + value), built by appending: GCC 12 at -O3 warns
    // falsely of overlapping copies in a literal + string.
    void Set(const char* property, const std::string& value);

    int portCount_;
    bool record_ = true;
    short commPort_ = 0;
    short inBufferSize_ = 1024;
    bool open_ = false;
    short event_ = 0;
    std::string pending_;
    std::string written_;
    std::vector<std::string> accesses_;
    std::map<std::string, std::string> failures_;
};

}  // namespace wifi
