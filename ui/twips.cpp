#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "ui/screen_fit.h"

namespace tessaro::ui {

double TwipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int ToPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel()));
}

double ToTwips(int pixels) {
    return pixels * TwipsPerPixel();
}

QRect PixelRect(double left, double top, double width, double height) {
    return {ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)};
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ScreenTwips ScreenSizeTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QSize size = screen->size();
    return {ToTwips(size.width()), ToTwips(size.height())};
}

void CentreOnScreen(QWidget& window) {
    PlaceInsideScreen(window);
}

}  // namespace tessaro::ui
