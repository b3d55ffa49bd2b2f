#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The page model shared by the report view and the printout: every position is a fraction of the
// printer page's width W and height H, so that the screen image and the paper agree.

// W and H in the printer's units (twips).
struct PageSize {
    double width = 0;
    double height = 0;
};

// The page as the printer reports it; 2150 by 2900 when both sizes are 0 (no printer).
PageSize PageSizeWithFallback(PageSize reported);

// The user coordinate system of the report view's drawing surface, in page units: left edge
// -0.1 W, top edge -0.045 H, right edge 1.5 W, bottom edge 0.99 H.
struct PageWindow {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};
PageWindow ScreenPageWindow(PageSize page);

// Where the report is drawn: on the screen (report view) or on the printer (printout).
enum class ReportVariant { Screen, Printer };

// One drawing operation in page units. A text is drawn with its top-left corner at (x, y), in the
// font given; a line runs from (x, y) to (x2, y2).
struct DrawStep {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    double x = 0;
    double y = 0;
    double x2 = 0;
    double y2 = 0;
    std::string text;
    std::string fontName;
    int fontSize = 0;
    bool bold = false;

    bool operator==(const DrawStep&) const = default;
};

// A drawing surface that records its steps, with the font state of a printer: font name, size
// and bold stay set until they are changed, and every text takes the state of the moment.
class PageDrawing {
  public:
    PageDrawing(PageSize page, std::string fontName)
        : page_(page), fontName_(std::move(fontName)) {}

    double W() const { return page_.width; }
    double H() const { return page_.height; }

    void SetFontSize(int size) { fontSize_ = size; }
    void SetBold(bool bold) { bold_ = bold; }

    // Prints text with its top-left corner at (x, y). Line breaks at the end of the text only
    // move a printer's current position, which every print sets anew, so they are not drawn.
    void Print(double x, double y, std::string_view text);
    void Line(double x1, double y1, double x2, double y2);

    const std::vector<DrawStep>& Steps() const { return steps_; }
    std::vector<DrawStep> TakeSteps() { return std::move(steps_); }

  private:
    PageSize page_;
    std::string fontName_;
    int fontSize_ = 8;
    bool bold_ = false;
    std::vector<DrawStep> steps_;
};

}  // namespace tessaro
