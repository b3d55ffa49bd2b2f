#pragma once

#include <QFont>
#include <QPrinter>
#include <filesystem>
#include <memory>

#include "ui/printer.h"

class QPainter;

namespace tessaro::ui {

// The system's printer through Qt. When the system has no printer at all (common on Linux
// desktops) the page goes into a PDF file instead, as vector text that can be selected and
// searched. The painter starts with the first text or line and ends with EndDoc.
class QtPrinter : public Printer {
  public:
    enum class Destination { SystemPrinter, PdfFile };

    // pdfFile: where the page goes when there is no system printer, or always with PdfFile.
    explicit QtPrinter(std::filesystem::path pdfFile,
                       Destination destination = Destination::SystemPrinter);
    ~QtPrinter() override;

    // The Qt printer, for the printer setup dialog.
    QPrinter& Device() { return printer_; }

    double PageWidth() const override;
    double PageHeight() const override;
    std::vector<std::string> FontNames() const override;
    void SetFontName(const std::string& name) override;
    std::string FontName() const override;
    void SetFontSize(double points) override;
    void SetBold(bool bold) override;
    void SetCurrentX(double x) override { x_ = x; }
    void SetCurrentY(double y) override { y_ = y; }
    void Print(const std::string& text) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void EndPage() override;
    void EndDoc() override;
    void DrawPage(const PageDrawing& draw) override;
    // The PDF file, or empty when the page goes to a system printer.
    std::filesystem::path DocumentFile() const override;

  private:
    QPainter* Painter();
    QPointF Device(double x, double y) const;

    QPrinter printer_;
    std::filesystem::path pdfFile_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
    bool pageEnded_ = false;
};

}  // namespace tessaro::ui
