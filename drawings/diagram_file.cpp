#include "drawings/diagram_file.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace tessaro {

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

void Paint(QPaintDevice& device, const PhDiagram& diagram, const PhDiagramTexts& texts) {
    QPainter painter(&device);
    painter.fillRect(QRect(0, 0, kWidth, kHeight), Qt::white);
    QFont font("DejaVu Sans");
    font.setPixelSize(15);
    painter.setFont(font);
    DrawPhDiagram(painter, QRectF(12, 10, kWidth - 24, kHeight - 20), diagram, texts);
}

}  // namespace

bool WriteDiagramFile(const std::filesystem::path& path, const PhDiagram& diagram,
                      const PhDiagramTexts& texts, std::string& error) {
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    if (path.extension() == ".svg" || path.extension() == ".SVG") {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(kWidth, kHeight));
        svg.setViewBox(QRect(0, 0, kWidth, kHeight));
        svg.setTitle(texts.title);
        Paint(svg, diagram, texts);
    } else {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        Paint(image, diagram, texts);
        if (!image.save(&file, "PNG")) {
            error = "the picture could not be encoded";
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        error = file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace tessaro
