#include "ui/printer_setup.h"

#include <QPrintDialog>

#include "ui/qt_printer.h"

namespace tessaro::ui {

int ShowPrinterSetup(QtPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer.Device(), parent);
    dialog.setObjectName("CommonDialog1");
    dialog.setWindowTitle("Varnholt Printer Setup");
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

}  // namespace tessaro::ui
