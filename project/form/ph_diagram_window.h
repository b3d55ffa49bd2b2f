#pragma once

#include <QDialog>

class QPainter;
class QRectF;

namespace tessaro {

class PhDiagramView;
class ProjectForm;

// The log p-h diagram of the project form's operating point in a window of its own beside the
// form (not modal): Follow() draws the form's cycle again, as the form window does after every
// recalculation.
class PhDiagramWindow : public QDialog {
  public:
    PhDiagramWindow(const ProjectForm& form, QWidget* parent);

    void Follow();
    const PhDiagramView& View() const { return *view_; }

  private:
    const ProjectForm& form_;
    PhDiagramView* view_;
};

// Draws the diagram of the form's project, as the form shows it now, on a page of paper: the
// report's second page.
void DrawProjectDiagramPage(QPainter& painter, const QRectF& paper, const ProjectForm& form);

}  // namespace tessaro
