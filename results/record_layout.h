#pragma once

#include <string>
#include <vector>

#include "results/page_model.h"

namespace tessaro {

// The line position of the first report record, as a fraction of H.
inline constexpr double kFirstRecordY = 0.145;

// Lays the records of the report file out on the page, from y = 0.145 down, each by the first of
// these rules that applies (lengths in characters):
// - more than 150 characters: a rule from 0.08 W to 0.94 W at y; y grows by 0.005;
// - exactly 150 characters: skipped;
// - holding the heading marker "&$$": everything up to and including the marker is dropped (on
//   the printer, bold is switched on) and the rest goes on through the rules below;
// - holding the separator "§$&": the text before it at the label column 0.09 W, the text after it
//   at the value column 0.55 W; y grows by 0.02;
// - fewer than 5 characters: skipped, y unchanged;
// - any other: the text at the label column; y grows by 0.02.
// Printed texts lose their leading spaces. Text size is 8 on the screen and 10 on the printer,
// where bold is switched off again after every record. Returns the final line position y.
double LayoutReportRecords(const std::vector<std::string>& records, ReportVariant variant,
                           PageDrawing& page);

}  // namespace tessaro
