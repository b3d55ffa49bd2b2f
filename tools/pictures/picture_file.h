#pragma once

#include <QImage>
#include <QString>

#include "tools/pictures/picture_catalogue.h"

namespace tessaro::pictures {

// Draws the picture of a catalogue entry at its size.
QImage RenderPicture(const PictureEntry& entry);

// Writes the picture into folder under the entry's name: a 24-bit BMP for ".bmp", a baseline JPEG
// of fixed quality for ".jpg". Both carry 96 dpi. Returns false when the file cannot be written.
bool WritePicture(const QImage& image, const PictureEntry& entry, const QString& folder);

}  // namespace tessaro::pictures
