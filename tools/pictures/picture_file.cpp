#include "tools/pictures/picture_file.h"

#include <QDir>
#include <QImageWriter>

#include "tools/pictures/background_picture.h"
#include "tools/pictures/button_picture.h"
#include "tools/pictures/decoration_picture.h"
#include "tools/pictures/flag_picture.h"
#include "tools/pictures/start_picture.h"

namespace tessaro::pictures {

namespace {

constexpr int kJpegQuality = 88;
constexpr int kDotsPerMetre = 3780;  // 96 dpi

}  // namespace

QImage RenderPicture(const PictureEntry& entry) {
    QImage image(entry.width, entry.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    switch (entry.kind) {
        case PictureKind::Button:
            DrawButtonPicture(image, entry.motif);
            break;
        case PictureKind::Flag:
            DrawFlagPicture(image, entry.motif);
            break;
        case PictureKind::Component:
            DrawComponentPicture(image, entry.motif);
            break;
        case PictureKind::Decoration:
            DrawDecorationPicture(image, entry.motif);
            break;
        case PictureKind::StartPicture:
            DrawStartPicture(image, entry.motif);
            break;
        case PictureKind::Background:
            DrawBackgroundPicture(image, entry.motif);
            break;
    }
    return image;
}

bool WritePicture(const QImage& image, const PictureEntry& entry, const QString& folder) {
    const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
    const bool jpeg = name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
    QImageWriter writer(QDir(folder).filePath(name), jpeg ? "jpeg" : "bmp");
    if (jpeg) {
        writer.setQuality(kJpegQuality);
        writer.setOptimizedWrite(false);
        writer.setProgressiveScanWrite(false);
    }
    return writer.write(image);
}

}  // namespace tessaro::pictures
