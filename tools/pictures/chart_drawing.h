#pragma once

#include <QPainter>
#include <QRectF>

namespace tessaro::pictures {

// A pressure-enthalpy chart with the saturation dome and one refrigeration cycle (compression,
// condensation, expansion, evaporation), filling area.
void DrawPressureEnthalpyChart(QPainter& painter, const QRectF& area);

}  // namespace tessaro::pictures
