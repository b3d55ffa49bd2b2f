#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "engine/app_state.h"
#include "ui/message_box.h"
#include "ui/qt_printer.h"

namespace tessaro {

class ProjectForm;

// The desktop program's run: the shared records, the message box, and the printer that the
// printer setup chooses and the report view and printout use. It opens the windows that one
// window opens from another.
class DesktopSession {
  public:
    explicit DesktopSession(WorkingDir dir);

    AppState& State() { return state_; }
    ui::QtMessageBox& Messages() { return messages_; }

    // Where the project form shows its focus hints: the main window's information line.
    void SetInfoLine(std::function<void(const std::string&)> infoLine) {
        infoLine_ = std::move(infoLine);
    }
    // The project form, modal over parent.
    void OpenProjectForm(QWidget* parent);
    // The comparison of variants of the saved project, modal over parent. The project is opened
    // as the form opens it, with every write held in memory; the comparison's own files go to
    // the working folder.
    void OpenComparison(QWidget* parent);
    // The report view over the project form, with its print settings and printout; with the
    // form's logic, the printout's second page is the log p-h diagram of its cycle.
    void ShowReportViewer(QWidget* parent, const ProjectForm* form = nullptr);
    // The system's printer setup: 1 when confirmed, 0 when cancelled.
    int PrinterSetup(QWidget* parent);

  private:
    AppState state_;
    ui::QtMessageBox messages_;
    ui::QtPrinter printer_;
    std::function<void(const std::string&)> infoLine_;
};

}  // namespace tessaro
