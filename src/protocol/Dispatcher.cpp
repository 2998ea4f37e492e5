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
    return IsReplyLine(line, token::kError);
}

void ProcessReceived(SessionState& session, ReceiveBranches& branches) {
    while (auto line = session.rxBuffer.TakeLine()) {
        const std::string& text = line->text;
        const bool ok = IsReplyLine(text, token::kOk);
        const bool refusal = IsRefusalLine(text);
        if (ok || refusal || IsReplyLine(text, token::kConnected)) {
            branches.ReplyWordHeard();
        }
        const InFlight awaiting = line->begunBefore ? InFlight::None : session.inFlight;
        switch (awaiting) {
            case InFlight::None:
                if (ok || refusal) {
                    branches.UnexpectedReplyBranch();
                }
                break;
            case InFlight::Query:
                if (refusal) {
                    branches.ErrorBranch();
                    break;
                }
                // A report is a few hundred bytes; a module that never ends
                // one cannot grow it without bound.
                if (session.reportText.size() < ReceiveBuffer::kLimit) {
                    session.reportText.append(text).append(cmd::kLineEnd);
                }
                if (text.starts_with(token::kReportEnd)) {
                    branches.ReportBranch();
                }
                break;
            case InFlight::Connect:
                if (IsReplyLine(text, token::kConnected)) {
                    branches.ConnectedBranch();
                } else if (refusal) {
                    branches.ErrorBranch();
                }
                break;
            case InFlight::Write:
                if (ok) {
                    branches.AcknowledgementBranch();
                } else if (refusal) {
                    branches.ErrorBranch();
                }
                break;
        }
    }
}

}  // namespace wifi
