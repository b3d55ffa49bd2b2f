#pragma once

#include <QImage>

#include "tools/pictures/picture_catalogue.h"

namespace tessaro::pictures {

// A panel background: a soft vertical gradient in the tint of motif with a few faint broad
// waves, light enough that black text on it stays easy to read.
void DrawBackgroundPicture(QImage& image, Motif motif);

}  // namespace tessaro::pictures
