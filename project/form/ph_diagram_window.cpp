#include "project/form/ph_diagram_window.h"

#include <QVBoxLayout>

#include "drawings/ph_diagram_drawing.h"
#include "drawings/ph_diagram_view.h"
#include "project/form/project_form.h"
#include "shell/shell_state.h"
#include "ui/screen_fit.h"
#include "ui/twips.h"
#include "variants/variant_run.h"

namespace tessaro {

PhDiagramWindow::PhDiagramWindow(const ProjectForm& form, QWidget* parent)
    : QDialog(parent), form_(form), view_(new PhDiagramView(this)) {
    setObjectName("PhDiagramWindow");
    setModal(false);
    setWindowTitle(ui::ToQString(form.Shell().captions.Program(113)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    const QRect area = ui::AvailableArea(parent != nullptr ? parent : this);
    resize(std::min(760, area.width() - 40), std::min(560, area.height() - 60));
    Follow();
}

void DrawProjectDiagramPage(QPainter& painter, const QRectF& paper, const ProjectForm& form) {
    const VariantFigures figures = ProjectFigures(form);
    DrawPhDiagramPage(painter, paper, CycleDiagram(form, figures),
                      DiagramTexts(form.Shell(), figures.refrigerant));
}

void PhDiagramWindow::Follow() {
    const VariantFigures figures = ProjectFigures(form_);
    view_->Show(CycleDiagram(form_, figures), DiagramTexts(form_.Shell(), figures.refrigerant));
}

}  // namespace tessaro
