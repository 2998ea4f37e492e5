#include "protocol/Secrets.h"

#include <algorithm>

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
    return masked.append(kMaskedSecret).append(line.substr(end));
}

std::string MaskSecrets(std::string_view text) {
    std::string masked;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        const auto start = std::min(line.find_first_not_of(" \t"), line.size());
        masked.append(line.substr(0, start)).append(MaskSecret(line.substr(start)));
        if (end == std::string_view::npos) {
            break;
        }
        masked.push_back(text[end]);
        text.remove_prefix(end + 1);
    }
    return masked;
}

}  // namespace wifi
