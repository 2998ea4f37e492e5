// The read-back after a save: the module's new report against the form that
// was written, field by field, so that success is what the module holds, not
// what it acknowledged.
#include "form/ReadBack.h"

#include "protocol/Address.h"
#include "protocol/ReportParser.h"

namespace wifi {

namespace {

std::optional<std::string> ListState(std::string_view report, const Field& field) {
    const auto value = ReportValue(report, field.reportKey);
    if (!value || !field.reportTokens) {
        return std::nullopt;
    }
    const int index = ListIndexOfToken(*field.reportTokens, *value);
    return index < 0 ? std::nullopt : std::optional(std::to_string(index));
}

}  // namespace

std::vector<std::optional<std::string>> ReportedFormState(std::string_view report) {
    std::vector<std::optional<std::string>> state;
    for (const Field& field : FormFields()) {
        std::optional<std::string> value;
        if (!field.reportKey.empty()) {
            switch (field.kind) {
                case FieldKind::List:
                case FieldKind::KeyIndex: value = ListState(report, field); break;
                case FieldKind::Text: value = ReportValue(report, field.reportKey); break;
                case FieldKind::Flag: {
                    const auto flag = ReportValue(report, field.reportKey);
                    if (flag == report::kDhcpEnable || flag == report::kDhcpDisable) {
                        // The character, not a literal: GCC 12 warns falsely of
                        // an overlapping copy in an optional's assignment.
                        value.emplace(1, flag == report::kDhcpEnable ? '1' : '0');
                    }
                    break;
                }
                case FieldKind::Address:
                    if (const auto text = ReportValue(report, field.reportKey)) {
                        if (const auto address = ScanDottedAddress(*text)) {
                            value = FormatDottedAddress(*address);
                        }
                    }
                    break;
                case FieldKind::Command: break;
            }
        }
        state.push_back(value);
    }
    return state;
}

std::vector<ReadBackField> CompareReadBack(const std::vector<std::string>& wrote,
                                           std::string_view report) {
    const auto has = ReportedFormState(report);
    std::vector<ReadBackField> differing;
    const auto fields = FormFields();
    for (std::size_t i = 0; i < fields.size() && i < wrote.size(); ++i) {
        const Field& field = fields[i];
        if (field.reportKey.empty() || has[i] == wrote[i]) {
            continue;
        }
        differing.push_back({&field, wrote[i], has[i],
                             has[i] ? std::nullopt : ReportValue(report, field.reportKey)});
    }
    return differing;
}

}  // namespace wifi
