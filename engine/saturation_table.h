#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/app_state.h"
#include "engine/engine_state.h"

namespace tessaro {

// What a lookup reads of a saturation table: the whole lines of its first 1 MiB. The shipped tables
// hold about 300 rows in under 20 KB; rows beyond the limit are not read.
inline constexpr std::size_t kSaturationTableReadLimit = 1 << 20;

// The table lookup of the engine. Reads the saturation table of state.engine.CurrentRefrigerant
// (file: state.settings.refrigerantPathPrefix followed by the table's file name, relative to the
// working folder; the file name is matched in any letter case, inside the folder that the prefix
// names if it names one) afresh, applies its reading rules to every row and, for keyColumn 1
// or 2, exchanges c1 with c2 (bubble pressure) or c3 (dew pressure) so that field 1 holds the key.
// It then fills state.engine.bracket: lower = the last row whose field 1 is below key, upper = the
// first row whose field 1 is at or above it; bracket.key := key.
//
// keyColumn: 0 = temperature in K, 1 = bubble pressure in bar, 2 = dew pressure in bar.
// A key below the first row brackets with the first two rows, a key above the last row with the
// last two rows, so that Interpolate extrapolates linearly; a key equal to the first row's field 1
// sets upper to that row and keeps lower.
//
// state.settings.HelpContext is set to 0 before and after the scan.
//
// Returns false when the refrigerant is not in the table, the file cannot be read, keyColumn is
// not 0..2 or the file holds no row: the bracket is left as it was. A malformed line also gives
// false, at that line: the rows before it have been scanned and what they stored stays stored.
bool LookupSaturation(AppState& state, double key, int keyColumn);

// Linear interpolation in the bracket for the key of the last lookup (column 1..7, field 1 being
// the key field): L[column] + (U[column] - L[column]) * (key - L[1]) / (U[1] - L[1]). A key equal
// to U[1] gives U[column] exactly. The result is not finite when U[1] = L[1] or column is out of
// range; callers treat that as a failing step.
double Interpolate(const SaturationBracket& bracket, int column);

// Every row of the saturation table of refrigerant, in file order with the reading rules applied,
// or nothing when the name is unknown, the file cannot be read or a line is malformed.
std::optional<std::vector<SaturationRow>> ReadSaturationRows(const AppState& state,
                                                             std::string_view refrigerant);

}  // namespace tessaro
