#pragma once

#include <QWidget>
#include <optional>

#include "drawings/ph_diagram_drawing.h"

namespace tessaro {

// A widget that shows a log p-h diagram, with a second one laid over it where given. Its
// accessible description reads the legend and the four states out.
class PhDiagramView : public QWidget {
  public:
    explicit PhDiagramView(QWidget* parent = nullptr);

    void Show(PhDiagram diagram, PhDiagramTexts texts,
              std::optional<PhDiagram> overlay = std::nullopt);
    const PhDiagram& Diagram() const { return diagram_; }
    const PhDiagramLayout& Layout() const { return layout_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PhDiagram diagram_;
    PhDiagramTexts texts_;
    std::optional<PhDiagram> overlay_;
    PhDiagramLayout layout_;
};

}  // namespace tessaro
