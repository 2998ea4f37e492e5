#include "profile/Units.h"

#include <sstream>

#include "profile/Json.h"
#include "wording/Messages.h"

namespace wifi {

namespace {

// The cells of a CSV text's records, RFC 4180: a quoted cell may hold commas,
// line ends and doubled quotes. Line ends are CRLF or LF.
std::vector<std::vector<std::string>> Records(const std::string& csv, bool& badQuote) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string cell;
    bool quoted = false;
    bool any = false;  // the record has begun
    badQuote = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            any = true;
        } else if (c == ',') {
            record.push_back(cell);
            cell.clear();
            any = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') {
                ++i;
            }
            if (any || !cell.empty()) {
                record.push_back(cell);
                records.push_back(record);
            }
            record.clear();
            cell.clear();
            any = false;
        } else {
            cell += c;
            any = true;
        }
    }
    badQuote = quoted;
    if (any || !cell.empty()) {
        record.push_back(cell);
        records.push_back(record);
    }
    return records;
}

Text RowText(int row) {
    return Text(UI_TEXT("第 %1 行"), {Text::Number(row)});
}

}  // namespace

std::optional<std::vector<UnitRow>> ParseUnits(const std::string& csv, const TextCodec& codec,
                                               Text& error) {
    bool badQuote = false;
    std::string text = csv;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);  // a spreadsheet's byte order mark
    }
    const auto records = Records(text, badQuote);
    if (badQuote) {
        error = Text(UI_TEXT("单元文件：引号没有结束"));
        return std::nullopt;
    }
    if (records.size() < 2) {
        error = Text(UI_TEXT("单元文件：需要一行字段名和至少一行单元"));
        return std::nullopt;
    }
    std::vector<const Field*> fields;
    for (const std::string& name : records[0]) {
        const Field* field = FindField(name);
        if (!field || field->kind == FieldKind::Command) {
            error = Text(UI_TEXT("单元文件：未知的字段“%1”"), {Text::Literal(name)});
            return std::nullopt;
        }
        for (const Field* f : fields) {
            if (f == field) {
                error = Text(UI_TEXT("单元文件：字段“%1”出现两次"), {Text::Literal(name)});
                return std::nullopt;
            }
        }
        fields.push_back(field);
    }
    std::vector<UnitRow> rows;
    std::map<std::vector<std::string>, int> seen;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const int number = int(r);
        if (records[r].size() != fields.size()) {
            error =
                Both(RowText(number), Text(UI_TEXT("有 %1 个值，字段有 %2 个"),
                                           {Text::Number(static_cast<long long>(records[r].size())),
                                            Text::Number(static_cast<long long>(fields.size()))}));
            return std::nullopt;
        }
        if (const auto twice = seen.find(records[r]); twice != seen.end()) {
            error = Both(RowText(number),
                         Text(UI_TEXT("与第 %1 行相同"), {Text::Number(twice->second)}));
            return std::nullopt;
        }
        seen.emplace(records[r], number);
        UnitRow row;
        row.number = number;
        for (std::size_t c = 0; c < fields.size(); ++c) {
            const std::string& value = records[r][c];
            if (value.empty()) {
                continue;  // the profile's value for this unit
            }
            Text wrong;
            auto setting = SettingFromText(*fields[c], value, codec, wrong, ValueSource::Given);
            if (!setting) {
                error = Both(RowText(number), wrong);
                return std::nullopt;
            }
            row.settings.push_back(*setting);
            row.values.emplace_back(fields[c]->name, value);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<UnitRow> UnitRows::Take() {
    for (const UnitRow& row : rows_) {
        if (!spent_.count(row.number) && !taken_.count(row.number)) {
            taken_.insert(row.number);
            return row;
        }
    }
    return std::nullopt;
}

void UnitRows::Spend(int number) {
    taken_.erase(number);
    spent_.insert(number);
}

std::size_t UnitRows::left() const {
    std::size_t n = 0;
    for (const UnitRow& row : rows_) {
        n += spent_.count(row.number) ? 0 : 1;
    }
    return n;
}

std::set<int> SpentRows(const std::string& log) {
    std::set<int> spent;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        const Json record = Json::parse(line, nullptr, false);
        if (record.is_object() && record.value("ok", false) && record.contains("row") &&
            record["row"].is_number_integer()) {
            spent.insert(record["row"].get<int>());
        }
    }
    return spent;
}

}  // namespace wifi
