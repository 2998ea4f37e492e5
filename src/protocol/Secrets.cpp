#include "protocol/Secrets.h"

#include "protocol/Commands.h"
#include "protocol/ReportParser.h"

namespace wifi {

std::size_t SecretStart(std::string_view line) {
    for (std::string_view prefix : {cmd::kSecurityKey, report::kKey, token::kReportEnd}) {
        if (line.starts_with(prefix)) {
            return prefix.size();
        }
    }
    return std::string_view::npos;
}

std::string MaskSecret(std::string_view line) {
    const std::size_t start = SecretStart(line);
    if (start == std::string_view::npos) {
        return std::string(line);
    }
    std::size_t end = line.size();
    while (end > start && (line[end - 1] == '\r' || line[end - 1] == '\n')) {
        --end;
    }
    std::string masked(line.substr(0, start));
    return masked.append("***").append(line.substr(end));
}

}  // namespace wifi
