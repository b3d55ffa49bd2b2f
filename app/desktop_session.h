#pragma once

#include <QWidget>

#include "engine/app_state.h"
#include "ui/message_box.h"
#include "ui/qt_printer.h"

namespace tessaro {

// The desktop program's run: the shared records, the message box, and the printer that the
// printer setup chooses and the report view and printout use. It opens the windows that one
// window opens from another.
class DesktopSession {
  public:
    explicit DesktopSession(WorkingDir dir);

    AppState& State() { return state_; }
    MessageBox& Messages() { return messages_; }

    // The project form, modal over parent.
    void OpenProjectForm(QWidget* parent);
    // The report view over the project form, with its print settings and printout.
    void ShowReportViewer(QWidget* parent);
    // The system's printer setup: 1 when confirmed, 0 when cancelled.
    int PrinterSetup(QWidget* parent);

  private:
    AppState state_;
    ui::QtMessageBox messages_;
    ui::QtPrinter printer_;
};

}  // namespace tessaro
