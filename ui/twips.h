#pragma once

#include <QRect>
#include <QString>
#include <string_view>

class QWidget;

namespace tessaro::ui {

// Positions and sizes of the windows are given in twips, 1440 to the inch. The screen's logical
// dots per inch turn them into pixels (96 dpi: 15 twips to the pixel).
double TwipsPerPixel();
int ToPixels(double twips);
double ToTwips(int pixels);

// A rectangle given in twips (left, top, width, height), in pixels.
QRect PixelRect(double left, double top, double width, double height);

// A text of the program (UTF-8) for a control.
QString ToQString(std::string_view text);

// The size of the screen in twips.
struct ScreenTwips {
    double width = 0;
    double height = 0;
};
ScreenTwips ScreenSizeTwips();

// Places a window in the middle of the screen's available area (without the desktop's panels),
// moved the least needed to lie wholly inside it (see PlaceInsideScreen).
void CentreOnScreen(QWidget& window);

}  // namespace tessaro::ui
