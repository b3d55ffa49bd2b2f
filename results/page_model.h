#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The page model shared by the report view and the printout: every position is a fraction of the
// printer page's width W and height H, so that the screen image and the paper agree.

// W and H in the printer's units (twips, 20 to the point).
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

// The frame of the page area, as fractions of W and H. Its top edge lies a little above the
// report's first rule, so that the two make a double line above the title record; the bottom edge
// is 0.91 H on the screen and 0.9 H on the printer.
inline constexpr double kFrameLeft = 0.08;
inline constexpr double kFrameRight = 0.94;
inline constexpr double kFrameTop = 0.14;

// Where the report is drawn: on the screen (report view) or on the printer (printout).
enum class ReportVariant { Screen, Printer };

// The room a text may take from its top-left corner, in page units: across to the next column
// or the frame, down to the next line or rule. A text that needs more is set in a smaller size.
struct TextRoom {
    double width = 0;
    double height = 0;

    bool operator==(const TextRoom&) const = default;
};

// How much room a text takes in a font, in page units: its width and the height of its line
// (ascent and descent). Font sizes are in points.
struct TextExtent {
    double width = 0;
    double height = 0;
};
using TextMeasure = std::function<TextExtent(std::string_view text, const std::string& fontName,
                                             double points, bool bold)>;

// One drawing operation in page units. A text is drawn with its top-left corner at (x, y), in the
// font given, within its room; a line runs from (x, y) to (x2, y2).
struct DrawStep {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    double x = 0;
    double y = 0;
    double x2 = 0;
    double y2 = 0;
    std::string text;
    std::string fontName;
    double fontSize = 0;  // points
    bool bold = false;
    TextRoom room;

    bool operator==(const DrawStep&) const = default;
};

// A drawing surface that records its steps, with the font state of a printer: font name, size
// and bold stay set until they are changed, and every text takes the state of the moment. With a
// measure, a text too wide or too tall for its room is set in the largest size that fits; the
// size set stays what it was for the next text.
class PageDrawing {
  public:
    PageDrawing(PageSize page, std::string fontName, TextMeasure measure = {})
        : page_(page), fontName_(std::move(fontName)), measure_(std::move(measure)) {}

    double W() const { return page_.width; }
    double H() const { return page_.height; }

    void SetFontSize(double size) { fontSize_ = size; }
    void SetBold(bool bold) { bold_ = bold; }

    // Prints text with its top-left corner at (x, y) within room (page units; 0 leaves that
    // direction open). Line breaks at the end of the text only move a printer's current position,
    // which every print sets anew, so they are not drawn.
    void Print(double x, double y, std::string_view text, TextRoom room);
    void Line(double x1, double y1, double x2, double y2);

    const std::vector<DrawStep>& Steps() const { return steps_; }
    std::vector<DrawStep> TakeSteps() { return std::move(steps_); }

  private:
    double FittingSize(std::string_view text, TextRoom room) const;

    PageSize page_;
    std::string fontName_;
    TextMeasure measure_;
    double fontSize_ = 8;
    bool bold_ = false;
    std::vector<DrawStep> steps_;
};

}  // namespace tessaro
