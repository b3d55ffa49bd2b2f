#pragma once

#include <QImage>

#include "tools/pictures/picture_catalogue.h"

namespace tessaro::pictures {

// A command button: the symbol of motif in a square at the left, then a plain light area that
// the window's caption label covers.
void DrawButtonPicture(QImage& image, Motif motif);

// The symbol alone, drawn into a 100 x 100 box.
void DrawButtonSymbol(QPainter& painter, Motif motif);

}  // namespace tessaro::pictures
