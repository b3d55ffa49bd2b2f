#pragma once

#include <QImage>

#include "tools/pictures/picture_catalogue.h"

namespace tessaro::pictures {

// The flag of a language choice, filling the image, with a thin grey frame so that white fields
// stand out from a white dialog.
void DrawFlagPicture(QImage& image, Motif motif);

}  // namespace tessaro::pictures
