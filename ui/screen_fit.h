#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace tessaro::ui {

// Windows on any screen from 1280 x 720 logical pixels up. A window keeps its design size where
// the screen has room; on a smaller screen it is scaled down as a whole (positions, sizes and
// fonts alike), so that its layout stays the one designed; below kSmallestScale it keeps that
// scale and scrolls instead, so that no control ever overlaps another.
inline constexpr double kSmallestScale = 0.7;

// The room for windows on the screen of window (or the primary screen): the screen without the
// panels and docks of the desktop.
QRect AvailableArea(const QWidget* window);

// The outer size the window system adds around a window's inside: title bar and borders. Taken
// from the window once it is shown and framed; before that (and where the platform draws no
// frame), a typical title bar and border, so that a window sized by it fits on any desktop.
QSize FrameExtra(const QWidget& window);

// The scale at which a window whose inside is designed as design pixels fits into area, frame
// extra included: 1 where it fits, never more than 1, never less than kSmallestScale.
double FitScale(QSize design, QSize area, QSize frameExtra);

// The font scaled by scale (point or pixel size alike).
QFont ScaledFont(QFont font, double scale);

// Centres a window in the available area of its screen, then moves it the least needed to lie
// wholly inside it (its top-left corner first, where the window is larger than the area).
void PlaceInsideScreen(QWidget& window);

}  // namespace tessaro::ui
