#pragma once

#include <QString>
#include <string>

#include "serial/CMSComm.h"

namespace cli {

// Line ends, control bytes and bytes beyond ASCII as escapes (\r, \n, \xB2):
// what crossed the line, exactly, in plain ASCII.
std::string VisibleBytes(const std::string& bytes);

// Passes every access through to the real control and prints each line sent
// and received, with the port and the time, on standard error.
class TracingComm : public wifi::CMSComm {
  public:
    TracingComm(wifi::CMSComm& inner, QString port) : inner_(inner), port_(std::move(port)) {}

    void SetCommPort(short port) override { inner_.SetCommPort(port); }
    void SetInputMode(long mode) override { inner_.SetInputMode(mode); }
    void SetInBufferSize(short size) override { inner_.SetInBufferSize(size); }
    void SetOutBufferSize(short size) override { inner_.SetOutBufferSize(size); }
    void SetSettings(const std::string& settings) override { inner_.SetSettings(settings); }
    void SetPortOpen(bool open) override { inner_.SetPortOpen(open); }
    bool GetPortOpen() override { return inner_.GetPortOpen(); }
    void SetRThreshold(short threshold) override { inner_.SetRThreshold(threshold); }
    void SetInputLen(short length) override { inner_.SetInputLen(length); }
    short GetCommEvent() override { return inner_.GetCommEvent(); }
    void SetInBufferCount(short count) override { inner_.SetInBufferCount(count); }
    wifi::Bytes GetInput() override;
    void SetOutput(const wifi::Bytes& bytes) override;

  private:
    void Print(const char* direction, const std::string& line);

    wifi::CMSComm& inner_;
    QString port_;
    std::string partial_;  // received bytes not yet ended by "\r\n"
    bool opened_ = false;
};

}  // namespace cli
