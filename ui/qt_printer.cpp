#include "ui/qt_printer.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinterInfo>

namespace tessaro::ui {

namespace {

constexpr double kTwipsPerPoint = 20;

}  // namespace

QtPrinter::QtPrinter(std::filesystem::path pdfFile, Destination destination)
    : printer_(QPrinter::HighResolution), pdfFile_(std::move(pdfFile)) {
    printer_.setFullPage(true);
    printer_.setDocName("Tessaro");
    if (destination == Destination::PdfFile || QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(QString::fromStdString(pdfFile_.string()));
    }
}

QtPrinter::~QtPrinter() {
    if (painter_)
        painter_->end();
}

std::filesystem::path QtPrinter::DocumentFile() const {
    if (printer_.outputFormat() != QPrinter::PdfFormat)
        return {};
    return printer_.outputFileName().toStdString();
}

double QtPrinter::PageWidth() const {
    return printer_.pageLayout().fullRect(QPageLayout::Point).width() * kTwipsPerPoint;
}

double QtPrinter::PageHeight() const {
    return printer_.pageLayout().fullRect(QPageLayout::Point).height() * kTwipsPerPoint;
}

std::vector<std::string> QtPrinter::FontNames() const {
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families())
        names.push_back(family.toStdString());
    return names;
}

void QtPrinter::SetFontName(const std::string& name) {
    font_.setFamily(QString::fromStdString(name));
    if (painter_)
        painter_->setFont(font_);
}

std::string QtPrinter::FontName() const {
    return QFontInfo(font_).family().toStdString();
}

void QtPrinter::SetFontSize(double points) {
    if (points > 0)
        font_.setPointSizeF(points);
    if (painter_)
        painter_->setFont(font_);
}

void QtPrinter::SetBold(bool bold) {
    font_.setBold(bold);
    if (painter_)
        painter_->setFont(font_);
}

void QtPrinter::Print(const std::string& text) {
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    // The current y is the top of the line; Qt draws on the baseline.
    const QFontMetricsF metrics(font_, &printer_);
    const QPointF at = Device(x_, y_);
    painter->drawText(QPointF(at.x(), at.y() + metrics.ascent()), QString::fromStdString(text));
}

void QtPrinter::Line(double x1, double y1, double x2, double y2) {
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    painter->drawLine(Device(x1, y1), Device(x2, y2));
}

void QtPrinter::EndPage() {
    pageEnded_ = true;
}

void QtPrinter::DrawPage(const PageDrawing& draw) {
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    painter->save();
    draw(*painter, QRectF(printer_.paperRect(QPrinter::DevicePixel))
                       .translated(-printer_.pageRect(QPrinter::DevicePixel).topLeft()));
    painter->restore();
}

void QtPrinter::EndDoc() {
    if (painter_)
        painter_->end();
    painter_.reset();
    pageEnded_ = false;
}

QPainter* QtPrinter::Painter() {
    if (!painter_) {
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(&printer_))
            return nullptr;
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setFont(font_);
        QPen pen(Qt::black);
        pen.setWidthF(printer_.resolution() / 150.0);
        painter->setPen(pen);
        painter_ = std::move(painter);
    } else if (pageEnded_) {
        printer_.newPage();
    }
    pageEnded_ = false;
    return painter_.get();
}

QPointF QtPrinter::Device(double x, double y) const {
    const double scale = printer_.resolution() / 1440.0;
    return {x * scale, y * scale};
}

}  // namespace tessaro::ui
