#pragma once

#include <string_view>
#include <vector>

#include "results/page_model.h"
#include "ui/printer.h"

namespace tessaro {

struct ShellState;

// Carries out drawing steps of the page model on a printer: every text with its size and bold
// set first, then the current x and y, then the text; every line as it stands.
void PrintSteps(const std::vector<DrawStep>& steps, ui::Printer& printer);

// PrintReport: reads "ergEN1.DAT" again and prints it on one sheet with the page model of the
// report view (W and H from the printer, 2150 by 2900 when it reports none): the page frame down
// to 0.9 H, the records in size 10 with the headings bold (a text too large for its room smaller),
// no heading block (the title is printed only as the heading record of the file). Then the page
// and the document end.
// The printer keeps the font name the print settings gave it. A missing report file prints the
// frame alone. A second page, when given (the log p-h diagram of the project's cycle), is drawn
// after the report's own page, before the document ends.
void PrintReport(const ShellState& state, ui::Printer& printer, std::string_view title,
                 const ui::Printer::PageDrawing& secondPage = {});

}  // namespace tessaro
