#include "drawings/ph_diagram_view.h"

#include <QPainter>

namespace tessaro {

PhDiagramView::PhDiagramView(QWidget* parent) : QWidget(parent) {
    setObjectName("PhDiagram");
    setMinimumSize(360, 260);
    setFocusPolicy(Qt::StrongFocus);
}

void PhDiagramView::Show(PhDiagram diagram, PhDiagramTexts texts,
                         std::optional<PhDiagram> overlay) {
    diagram_ = std::move(diagram);
    texts_ = std::move(texts);
    overlay_ = std::move(overlay);
    setAccessibleName(texts_.title + " - " + texts_.refrigerant);
    QStringList read;
    if (diagram_.cycle) {
        read << texts_.evaporating + " " + QString::number(diagram_.t0, 'f', 1) + " \u00B0C";
        read << texts_.condensing + " " + QString::number(diagram_.tc, 'f', 1) + " \u00B0C";
        read << "COP " + QString::number(diagram_.cop, 'f', 2);
        for (size_t i = 0; i < 4; ++i) {
            const PhState& s = diagram_.cycle->at(i);
            read << QString::number(i + 1) + ": " + QString::number(s.t, 'f', 1) + " \u00B0C, " +
                        QString::number(s.p, 'g', 3) + " bar, " + QString::number(s.h, 'f', 0) +
                        " kJ/kg";
        }
    } else {
        read << texts_.noCycle;
    }
    setAccessibleDescription(read.join("; "));
    update();
}

void PhDiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    layout_ = DrawPhDiagram(painter, QRectF(rect()).adjusted(8, 6, -8, -6), diagram_, texts_,
                            overlay_ ? &*overlay_ : nullptr);
}

}  // namespace tessaro
