#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <string>
#include <string_view>

#include "results/page_model.h"

namespace tessaro {

// The font of a report text: family, size in points and weight, set without hinting, so that a
// text's width grows in proportion to its size and the report view, which shows the page at
// any scale, keeps the proportions of the paper.
QFont ReportFont(const std::string& fontName, double points, bool bold);

// How far a text reaches across from where it starts: its advance, or the right edge of its ink
// where a glyph overhangs it.
double TextWidth(const QFontMetricsF& metrics, const QString& text);

// How much room a text takes on the printer, in page units (twips): measured at 1440 dots per
// inch, where a dot is a twip. The page layout sets a text smaller by it where it needs more
// room than it has.
TextExtent MeasurePrintedText(std::string_view text, const std::string& fontName, double points,
                              bool bold);

}  // namespace tessaro
