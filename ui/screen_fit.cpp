#include "ui/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tessaro::ui {

namespace {

// A title bar and borders as common desktops draw them, for a window not yet shown.
constexpr int kTypicalFrameWidth = 2 * 4;
constexpr int kTypicalFrameHeight = 32 + 4;

}  // namespace

QRect AvailableArea(const QWidget* window) {
    const QScreen* screen = window != nullptr && window->screen() != nullptr
                                ? window->screen()
                                : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1280, 720);
}

QSize FrameExtra(const QWidget& window) {
    if (window.isVisible() && window.isWindow()) {
        const QSize extra = window.frameGeometry().size() - window.geometry().size();
        if (extra.width() > 0 || extra.height() > 0)
            return extra;
    }
    return {kTypicalFrameWidth, kTypicalFrameHeight};
}

double FitScale(QSize design, QSize area, QSize frameExtra) {
    if (design.isEmpty())
        return 1;
    const double across = double(area.width() - frameExtra.width()) / design.width();
    const double down = double(area.height() - frameExtra.height()) / design.height();
    return std::clamp(std::min(across, down), kSmallestScale, 1.0);
}

QFont ScaledFont(QFont font, double scale) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale + 0.5)));
    return font;
}

void PlaceInsideScreen(QWidget& window) {
    const QRect area = AvailableArea(&window);
    const QSize outer = window.frameGeometry().size();
    int left = area.x() + (area.width() - outer.width()) / 2;
    int top = area.y() + (area.height() - outer.height()) / 2;
    left = std::max(area.left(), std::min(left, area.right() + 1 - outer.width()));
    top = std::max(area.top(), std::min(top, area.bottom() + 1 - outer.height()));
    window.move(left, top);
}

}  // namespace tessaro::ui
