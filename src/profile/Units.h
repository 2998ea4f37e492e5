#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "profile/FormFields.h"
#include "text/TextCodec.h"
#include "wording/Text.h"

namespace wifi {

// One unit's own values from a units file: its row's number (1 for the first
// row after the header) and what it gives each field, over the profile's.
struct UnitRow {
    int number = 0;
    std::vector<Setting> settings;
    // The row as given, field by field, for the unit's record.
    std::vector<std::pair<std::string, std::string>> values;
};

// A units file (CSV, UTF-8): a header of field names ("ip,ssid"), then one
// row per unit. Quoted cells ("a, b", "say ""hi""") are taken as RFC 4180
// has them. Nothing, and error set naming the row and the field, for an
// unknown field, a value the field cannot take, a row of the wrong length,
// or a row given twice: all before any module is touched.
std::optional<std::vector<UnitRow>> ParseUnits(const std::string& csv, const TextCodec& codec,
                                               Text& error);

// The rows a station hands out, each to one unit only: a row is taken by a
// unit, then either spent (the unit was saved and verified) or given back
// (it failed) for the next unit.
class UnitRows {
  public:
    UnitRows(std::vector<UnitRow> rows, std::set<int> spent)
        : rows_(std::move(rows)), spent_(std::move(spent)) {}
    // The lowest row neither spent nor taken; nothing when none is left.
    std::optional<UnitRow> Take();
    void Spend(int number);
    void GiveBack(int number) { taken_.erase(number); }
    std::size_t left() const;

  private:
    std::vector<UnitRow> rows_;
    std::set<int> spent_;
    std::set<int> taken_;
};

// The rows a station log records as spent: records with "ok": true and a
// "row". Lines that are not records are passed over.
std::set<int> SpentRows(const std::string& log);

}  // namespace wifi
