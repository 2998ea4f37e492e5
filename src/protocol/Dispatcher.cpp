#include "protocol/Dispatcher.h"

#include <algorithm>
#include <cctype>

#include "protocol/Commands.h"
#include "protocol/ReportParser.h"

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

bool IsWriteRefusalLine(std::string_view line) {
    line = Trimmed(line);
    if (line.starts_with('+')) {
        line.remove_prefix(1);
    }
    const std::string_view word = token::kError;
    return line.size() >= word.size() &&
           std::equal(word.begin(), word.end(), line.begin(), [](char a, char b) {
               return a == std::toupper(static_cast<unsigned char>(b));
           });
}

namespace {

// A report is a few hundred bytes; a module that precedes it with endless
// chatter cannot grow it without bound, and the newest lines are the report.
void AppendToReport(std::string& report, const std::string& line) {
    report.append(line).append(cmd::kLineEnd);
    // Trimmed a quarter past the bound, not at every line: chatter at full
    // speed must not cost a 64 KiB move per line.
    if (report.size() <= ReceiveBuffer::kLimit + ReceiveBuffer::kLimit / 4) {
        return;
    }
    const auto from = report.size() - ReceiveBuffer::kLimit;
    const auto lineStart = report.find(cmd::kLineEnd, from);
    report.erase(0,
                 lineStart == std::string::npos ? report.size() : lineStart + cmd::kLineEnd.size());
}

}  // namespace

void ProcessReceived(SessionState& session, ReceiveBranches& branches) {
    while (auto line = session.rxBuffer.TakeLine()) {
        const std::string& text = line->text;
        const bool ok = IsReplyLine(text, token::kOk);
        const bool refusal = IsRefusalLine(text);
        if (ok || refusal || IsReplyLine(text, token::kConnected)) {
            branches.ReplyWordHeard();
        }
        const InFlight awaiting = line->begunBefore ? InFlight::None : session.inFlight;
        // The report ended, and the module has not connected yet: a key line
        // that comes now is still the report's.
        if (session.reportOpen && awaiting != InFlight::Query && IsReportKeyLine(text)) {
            AppendToReport(session.reportText, text);
            session.reportGrew = true;
            continue;
        }
        switch (awaiting) {
            case InFlight::None:
                if (ok || refusal) {
                    branches.UnexpectedReplyBranch();
                }
                break;
            case InFlight::Query:
                if (refusal) {
                    branches.ErrorBranch(text);
                    break;
                }
                AppendToReport(session.reportText, text);
                session.lastLine = text;
                if (text.starts_with(token::kReportEnd)) {
                    session.reportOpen = true;
                    session.reportGrew = false;
                    branches.ReportBranch();
                }
                break;
            case InFlight::Connect:
                if (IsReplyLine(text, token::kConnected)) {
                    branches.ConnectedBranch();
                } else if (refusal) {
                    branches.ErrorBranch(text);
                } else {
                    session.lastLine = text;
                }
                break;
            case InFlight::Write:
                if (ok) {
                    branches.AcknowledgementBranch();
                } else if (IsWriteRefusalLine(text)) {
                    branches.ErrorBranch(text);
                } else {
                    session.lastLine = text;
                }
                break;
        }
    }
}

}  // namespace wifi
