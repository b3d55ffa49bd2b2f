#pragma once

#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "engine/ph_diagram.h"

class QPainter;

namespace tessaro {

// The texts of the diagram in the current language.
struct PhDiagramTexts {
    QString title;         // "log p-h diagram", the refrigerant's name is put after it
    QString pressureAxis;  // "Pressure p (bar)"
    QString enthalpyAxis;  // "Enthalpy h (kJ/kg)"
    QString evaporating;   // "Evaporating temperature"
    QString condensing;    // "Condensing temperature"
    QString noCycle;       // shown where there is no cycle to draw
    QString refrigerant;   // the refrigerant's name
    QString overlayName;   // the name of the drawing laid over the first, if any
    char decimalSeparator = '.';
};

// The diagram as a printed page: the paper's area with a margin of a tenth of its shorter side,
// the texts at a size that reads as 10 points on A4.
void DrawPhDiagramPage(QPainter& painter, const QRectF& paper, const PhDiagram& diagram,
                       const PhDiagramTexts& texts);

struct ShellState;

// The diagram's texts from the caption tables of the current language, for a cycle of that
// refrigerant, with the user's decimal separator.
PhDiagramTexts DiagramTexts(const ShellState& state, const std::string& refrigerant);

// Where the drawing put things, for the tests: the plot area and the rectangle of every text.
struct PhDiagramLayout {
    QRectF plot;
    std::vector<QRectF> texts;
};

// Draws the diagram into rect, vector and antialiased: the title, the axes with their ticks and
// titles (pressure logarithmic), the dome, the isotherms with their temperatures, the cycle with
// its four states numbered and labelled with temperature and pressure, and a legend with the
// evaporating and condensing temperatures and the COP. overlay, when given, is drawn over it
// dashed (a variant) and named in the legend. Texts never overlap: an isotherm's temperature
// that would is left out, a state's label moves to a free side. Black, grey and one dark red
// and one dark blue, told apart in grey-scale print by line width and dashes.
PhDiagramLayout DrawPhDiagram(QPainter& painter, const QRectF& rect, const PhDiagram& diagram,
                              const PhDiagramTexts& texts, const PhDiagram* overlay = nullptr);

}  // namespace tessaro
