#include "protocol/Dispatcher.h"

#include "protocol/Commands.h"

namespace wifi {

namespace {

std::string_view Trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

}  // namespace

bool IsReplyLine(std::string_view line, std::string_view word) {
    return Trimmed(line) == word;
}

bool IsRefusalLine(std::string_view line) {
    return line.substr(0, token::kError.size()) == token::kError;
}

void ProcessReceived(SessionState& session, ReceiveBranches& branches) {
    while (auto line = session.rxBuffer.TakeLine()) {
        switch (session.inFlight) {
            case InFlight::None: break;
            case InFlight::Query:
                if (IsRefusalLine(*line)) {
                    branches.ErrorBranch();
                    break;
                }
                // A report is a few hundred bytes; a module that never ends
                // one cannot grow it without bound.
                if (session.reportText.size() < ReceiveBuffer::kLimit) {
                    session.reportText.append(*line).append(cmd::kLineEnd);
                }
                if (line->starts_with(token::kReportEnd)) {
                    branches.ReportBranch();
                }
                break;
            case InFlight::Connect:
                if (IsReplyLine(*line, token::kConnected)) {
                    branches.ConnectedBranch();
                } else if (IsRefusalLine(*line)) {
                    branches.ErrorBranch();
                }
                break;
            case InFlight::Write:
                if (IsReplyLine(*line, token::kOk)) {
                    branches.AcknowledgementBranch();
                } else if (IsRefusalLine(*line)) {
                    branches.ErrorBranch();
                }
                break;
        }
    }
}

}  // namespace wifi
