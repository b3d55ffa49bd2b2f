#pragma once

class QWidget;

namespace tessaro::ui {

class QtPrinter;

// The system's printer setup dialog, titled "Varnholt Printer Setup": the printer the user picks
// there, with its paper, becomes the printer of the report view and the printout. Returns 1 when
// the user confirmed it and 0 when the user cancelled it.
int ShowPrinterSetup(QtPrinter& printer, QWidget* parent);

}  // namespace tessaro::ui
