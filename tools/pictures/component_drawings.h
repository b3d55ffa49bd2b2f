#pragma once

// Line drawings of refrigeration parts. Each draws into a 100 x 100 box at the origin on a
// transparent ground; map the box onto the target with InUnitBox (line_art.h).

#include <QPainter>

#include "tools/pictures/picture_catalogue.h"

namespace tessaro::pictures {

void DrawHermeticCompressor(QPainter& painter);
void DrawSemiHermeticCompressor(QPainter& painter);

void DrawExpansionValve(QPainter& painter);
void DrawSolenoidValve(QPainter& painter);
void DrawShutOffValve(QPainter& painter);
void DrawPressureSwitch(QPainter& painter);

void DrawReceiver(QPainter& painter);
void DrawOilSeparator(QPainter& painter);
void DrawFilterDrier(QPainter& painter);
void DrawSightGlass(QPainter& painter);

void DrawEvaporator(QPainter& painter);
void DrawAirCooledCondenser(QPainter& painter);
void DrawWaterCooledCondenser(QPainter& painter);
void DrawPlateHeatExchanger(QPainter& painter);

// The drawing of a refrigeration part motif; returns false for a motif that is no part.
bool DrawComponent(QPainter& painter, Motif motif);

}  // namespace tessaro::pictures
