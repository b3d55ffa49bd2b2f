#pragma once

#include <cstddef>
#include <string_view>

#include "engine/engine_state.h"
#include "engine/refrigerant_registry.h"

namespace tessaro {

// Reads the rows of a saturation table's text one after the other, independent of the locale.
//
// A line holds seven numbers separated by a comma or by blanks (spaces or tabs), with blanks
// allowed around a comma; a point is the decimal separator. Lines end with LF, CR LF or CR; blank
// lines are skipped and not counted. A line with fewer or more than seven numbers, an empty field,
// text, or a number beyond the range of a double is malformed, and so is a line whose reading rules
// give a value that is not finite (a specific volume of 0).
class SaturationRowReader {
  public:
    SaturationRowReader(std::string_view text, ReadingRules rules) : text_(text), rules_(rules) {}

    // Reads the next row and applies the reading rules to it. Returns false at the end of the text
    // and at a malformed line; Failed() tells the two apart. After a failure nothing more is read.
    bool Next(SaturationRow& row);

    bool Failed() const { return failed_; }

    // The number of rows read so far (the line counter of the ammonia sign rule).
    int RowCount() const { return rowCount_; }

  private:
    bool ParseLine(SaturationRow& row);
    bool ApplyReadingRules(SaturationRow& row) const;

    std::string_view text_;
    std::size_t pos_ = 0;
    ReadingRules rules_;
    int rowCount_ = 0;
    bool failed_ = false;
};

}  // namespace tessaro
