#include "results/page_model.h"

namespace tessaro {

PageSize PageSizeWithFallback(PageSize reported) {
    if (reported.width == 0 && reported.height == 0)
        return {2150, 2900};
    return reported;
}

PageWindow ScreenPageWindow(PageSize page) {
    return {-0.1 * page.width, -0.045 * page.height, 1.5 * page.width, 0.99 * page.height};
}

void PageDrawing::Print(double x, double y, std::string_view text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    DrawStep step;
    step.kind = DrawStep::Kind::Text;
    step.x = x;
    step.y = y;
    step.text = std::string(text);
    step.fontName = fontName_;
    step.fontSize = fontSize_;
    step.bold = bold_;
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
