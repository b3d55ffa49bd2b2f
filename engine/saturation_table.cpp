#include "engine/saturation_table.h"

#include <cstddef>
#include <limits>
#include <string>
#include <utility>

#include "engine/refrigerant_registry.h"
#include "engine/saturation_row_reader.h"

namespace tessaro {

namespace {

struct TableText {
    std::string text;
    ReadingRules rules;
};

// The whole lines of the first kSaturationTableReadLimit bytes of a table file.
std::optional<std::string> ReadTableLines(const WorkingDir& dir, const std::string& name) {
    std::optional<std::string> text = dir.ReadBytes(name, kSaturationTableReadLimit + 1);
    if (text && text->size() > kSaturationTableReadLimit) {
        const std::size_t lineEnd = text->find_last_of("\r\n", kSaturationTableReadLimit - 1);
        text->resize(lineEnd == std::string::npos ? 0 : lineEnd + 1);
    }
    return text;
}

// Reads the file at path, relative to the working folder. The file name is matched in any letter
// case; when the path prefix names a folder, inside that folder (a folder of its own, so that the
// file name still cannot reach beyond it).
std::optional<std::string> ReadTableFile(const WorkingDir& dir, const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ReadTableLines(dir, path);
    return ReadTableLines(WorkingDir(dir.Path() / path.substr(0, slash + 1)),
                          path.substr(slash + 1));
}

std::optional<TableText> ReadTableText(const AppState& state, std::string_view refrigerant) {
    const RefrigerantEntry* entry = FindRefrigerant(refrigerant);
    if (entry == nullptr)
        return std::nullopt;
    std::optional<std::string> text =
        ReadTableFile(state.dir, state.settings.refrigerantPathPrefix + std::string(entry->file));
    if (!text)
        return std::nullopt;
    return TableText{std::move(*text), entry->rules};
}

void MoveKeyIntoFieldOne(SaturationRow& row, int keyColumn) {
    if (keyColumn == 1)
        std::swap(row[0], row[1]);
    if (keyColumn == 2)
        std::swap(row[0], row[2]);
}

// Scans every row; the rows seen first, second, last but one and last are kept for a key outside
// the table.
bool ScanRows(const TableText& table, double key, int keyColumn, SaturationBracket& bracket) {
    SaturationRowReader reader(table.text, table.rules);
    SaturationRow row{}, first{}, second{}, beforeLast{}, last{};
    while (reader.Next(row)) {
        MoveKeyIntoFieldOne(row, keyColumn);
        if (!bracket.found && row[0] < key) {
            bracket.lower = row;
        } else if (!bracket.found) {
            bracket.upper = row;
            bracket.found = true;
        }
        if (reader.RowCount() == 1)
            first = row;
        if (reader.RowCount() == 2)
            second = row;
        beforeLast = last;
        last = row;
    }
    if (reader.RowCount() > 0)
        bracket.key = key;
    if (reader.Failed() || reader.RowCount() == 0)
        return false;
    if (reader.RowCount() >= 2 && key < first[0]) {
        bracket.lower = first;
        bracket.upper = second;
    } else if (reader.RowCount() >= 2 && !bracket.found) {
        bracket.lower = beforeLast;
        bracket.upper = last;
    }
    return true;
}

}  // namespace

bool LookupSaturation(AppState& state, double key, int keyColumn) {
    SaturationBracket& bracket = state.engine.bracket;
    bracket.found = false;
    state.settings.HelpContext = 0;
    bool ok = false;
    if (keyColumn >= 0 && keyColumn <= 2) {
        std::optional<TableText> table = ReadTableText(state, state.engine.CurrentRefrigerant);
        if (table)
            ok = ScanRows(*table, key, keyColumn, bracket);
    }
    bracket.found = false;
    state.settings.HelpContext = 0;
    return ok;
}

double Interpolate(const SaturationBracket& bracket, int column) {
    if (column < 1 || column > 7)
        return std::numeric_limits<double>::quiet_NaN();
    const double low = bracket.lower[column - 1];
    const double high = bracket.upper[column - 1];
    if (bracket.key == bracket.upper[0])
        return high;
    return low +
           (high - low) * (bracket.key - bracket.lower[0]) / (bracket.upper[0] - bracket.lower[0]);
}

std::optional<std::vector<SaturationRow>> ReadSaturationRows(const AppState& state,
                                                             std::string_view refrigerant) {
    std::optional<TableText> table = ReadTableText(state, refrigerant);
    if (!table)
        return std::nullopt;
    SaturationRowReader reader(table->text, table->rules);
    std::vector<SaturationRow> rows;
    SaturationRow row{};
    while (reader.Next(row))
        rows.push_back(row);
    if (reader.Failed())
        return std::nullopt;
    return rows;
}

}  // namespace tessaro
