#pragma once

#include <string>
#include <vector>

#include "results/page_model.h"

namespace tessaro {

// The line position of the first report record, as a fraction of H.
inline constexpr double kFirstRecordY = 0.145;
// The printed size of the report's text, in points; the report view shows it scaled with the
// page image.
inline constexpr double kReportTextSize = 10;

// Lays the records of the report file out on the page, from y = 0.145 down, each by the first of
// these rules that applies (lengths in characters):
// - more than 150 characters: a rule from 0.08 W to 0.94 W at y; y grows by 0.005;
// - exactly 150 characters: skipped;
// - holding the heading marker "&$$": everything up to and including the marker is dropped, bold
//   is switched on, and the rest goes on through the rules below;
// - holding the separator "§$&": the text before it at the label column 0.09 W, the text after it
//   at the value column 0.55 W; y grows by 0.02;
// - fewer than 5 characters: skipped, y unchanged;
// - any other: the text at the label column; y grows by 0.02.
// Printed texts lose their leading spaces. Text size is 10 points on the screen and the printer
// alike, bold switched off again after every record. A label stays within its column (up to
// 0.02 W before the value column), a value and a line of text within the frame (0.01 W inside
// its right edge), and every text above the next line (0.018 H); the page drawing sets a text
// smaller where it needs more room. Returns the final line position y.
double LayoutReportRecords(const std::vector<std::string>& records, PageDrawing& page);

}  // namespace tessaro
