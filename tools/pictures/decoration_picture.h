#pragma once

#include <QImage>

#include "tools/pictures/picture_catalogue.h"

namespace tessaro::pictures {

// A refrigeration part on a plain card, as shown in the row of parts of the welcome dialog.
void DrawComponentPicture(QImage& image, Motif motif);

// A decoration picture: a part, the pressure-enthalpy chart or the ice cube on a soft tile.
void DrawDecorationPicture(QImage& image, Motif motif);

}  // namespace tessaro::pictures
