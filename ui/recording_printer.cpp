#include "ui/recording_printer.h"

#include <QPainter>
#include <algorithm>

#include <algorithm>

namespace tessaro::ui {

RecordingPrinter::RecordingPrinter(double pageWidth, double pageHeight,
                                   std::vector<std::string> fonts)
    : width_(pageWidth), height_(pageHeight), fonts_(std::move(fonts)) {
    if (!fonts_.empty())
        fontName_ = fonts_.front();
}

void RecordingPrinter::SetFontName(const std::string& name) {
    const bool known = std::find(fonts_.begin(), fonts_.end(), name) != fonts_.end();
    fontName_ = known || fonts_.empty() ? name : fonts_.front();
}

void RecordingPrinter::Print(const std::string& text) {
    Record({.kind = Call::Kind::Text, .x = x_, .y = y_, .text = text});
}

void RecordingPrinter::Line(double x1, double y1, double x2, double y2) {
    Record({.kind = Call::Kind::Line, .x = x1, .y = y1, .x2 = x2, .y2 = y2});
}

void RecordingPrinter::EndPage() {
    Record({.kind = Call::Kind::EndPage});
}

void RecordingPrinter::EndDoc() {
    Record({.kind = Call::Kind::EndDoc});
    ended_ = true;
}

void RecordingPrinter::DrawPage(const PageDrawing& draw) {
    Record({.kind = Call::Kind::Drawing});
    const QSize size(std::max(1, int(width_ / 15)), std::max(1, int(height_ / 15)));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    drawings_.push_back(std::move(picture));
}

void RecordingPrinter::Record(Call call) {
    call.fontName = fontName_;
    call.fontSize = fontSize_;
    call.bold = bold_;
    call.afterEndDoc = ended_;
    calls_.push_back(std::move(call));
}

}  // namespace tessaro::ui
