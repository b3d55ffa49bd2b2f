#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QPainter;
class QRectF;

namespace tessaro::ui {

// The printer as the report's windows use it. Positions and sizes are in twips (1440 to the
// inch) from the top left corner of the paper; a text is printed with the top of its line at the
// current y. Font name, size and bold stay set until they are changed.
class Printer {
  public:
    virtual ~Printer() = default;

    // The paper's width and height; both 0 when there is no printer.
    virtual double PageWidth() const = 0;
    virtual double PageHeight() const = 0;

    // The font families the printer offers, in its own order.
    virtual std::vector<std::string> FontNames() const = 0;
    // Asks for a font; FontName() then says which font the printer took (it may substitute one
    // it has for a name it lacks).
    virtual void SetFontName(const std::string& name) = 0;
    virtual std::string FontName() const = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetBold(bool bold) = 0;

    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;
    virtual void Print(const std::string& text) = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;

    virtual void EndPage() = 0;
    virtual void EndDoc() = 0;

    // A page drawn by a drawing (a diagram) rather than by texts and lines: draw gets the painter
    // and the paper's area in the painter's units. It starts a new page after an ended one.
    using PageDrawing = std::function<void(QPainter& painter, const QRectF& paper)>;
    virtual void DrawPage(const PageDrawing& draw) = 0;

    // The file the last document went into when it went into a file instead of a printer.
    virtual std::filesystem::path DocumentFile() const { return {}; }
};

}  // namespace tessaro::ui
