#include "ui/pictures.h"

#include <QImageReader>
#include <QLabel>
#include <QWidget>

#include "shell/working_dir.h"

namespace tessaro::ui {

QPixmap LoadPicture(const WorkingDir& dir, std::string_view name) {
    if (name.empty())
        return {};
    const std::filesystem::path path = dir.Resolve(name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {};
    // The content decides the format, so a JPEG named .bmp still shows.
    QImageReader reader(QString::fromStdString(path.string()));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

void SetPicture(QLabel& box, const WorkingDir& dir, std::string_view name) {
    const QPixmap picture = LoadPicture(dir, name);
    if (picture.isNull())
        box.clear();
    else
        box.setPixmap(picture);
}

void SetBackground(QWidget& panel, const QPixmap& picture) {
    if (picture.isNull() || panel.size().isEmpty())
        return;
    QPalette palette = panel.palette();
    palette.setBrush(QPalette::Window,
                     QBrush(picture.scaled(panel.size(), Qt::KeepAspectRatioByExpanding,
                                           Qt::SmoothTransformation)));
    panel.setPalette(palette);
    panel.setAutoFillBackground(true);
}

}  // namespace tessaro::ui
