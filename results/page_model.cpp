#include "results/page_model.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

namespace {

// Fitted sizes are whole twips (1/20 point), each try smaller than the last.
constexpr double kSizeSteps = 20;
constexpr int kFittingTries = 8;
// What rounding of the fractions of W and H may leave over, far below a printer's dot.
constexpr double kSlack = 1e-6;

}  // namespace

PageSize PageSizeWithFallback(PageSize reported) {
    if (reported.width == 0 && reported.height == 0)
        return {2150, 2900};
    return reported;
}

PageWindow ScreenPageWindow(PageSize page) {
    return {-0.1 * page.width, -0.045 * page.height, 1.5 * page.width, 0.99 * page.height};
}

// The size set, or the largest whole-twip size below it at which the text fits its room. Width
// and height grow with the size almost in proportion, so one try mostly suffices; the next tries
// take up what hinting and rounding leave over.
double PageDrawing::FittingSize(std::string_view text, TextRoom room) const {
    double size = fontSize_;
    if (!measure_ || text.empty() || size <= 0)
        return size;
    for (int tries = 0; tries < kFittingTries; ++tries) {
        const TextExtent extent = measure_(text, fontName_, size, bold_);
        double factor = 1;
        if (room.width > 0 && extent.width > room.width + kSlack)
            factor = room.width / extent.width;
        if (room.height > 0 && extent.height > room.height + kSlack)
            factor = std::min(factor, room.height / extent.height);
        if (factor >= 1)
            break;
        const double smaller = std::floor(size * factor * kSizeSteps + kSlack) / kSizeSteps;
        size = smaller < size ? smaller : size - 1 / kSizeSteps;
        if (size <= 1 / kSizeSteps)
            return 1 / kSizeSteps;
    }
    return size;
}

void PageDrawing::Print(double x, double y, std::string_view text, TextRoom room) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    DrawStep step;
    step.kind = DrawStep::Kind::Text;
    step.x = x;
    step.y = y;
    step.text = std::string(text);
    step.fontName = fontName_;
    step.fontSize = FittingSize(text, room);
    step.bold = bold_;
    step.room = room;
    steps_.push_back(std::move(step));
}

void PageDrawing::Line(double x1, double y1, double x2, double y2) {
    DrawStep step;
    step.kind = DrawStep::Kind::Line;
    step.x = x1;
    step.y = y1;
    step.x2 = x2;
    step.y2 = y2;
    steps_.push_back(std::move(step));
}

}  // namespace tessaro
