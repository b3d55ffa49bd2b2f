#include "shell/start_page_layout.h"

namespace tessaro {

namespace {

// The room kept below the pictures at the bottom of the window, and beside them at the right.
constexpr double kBottomRoom = 1200;
constexpr double kRightRoom = 200;
constexpr double kPic3Room = 500;
constexpr double kLabelRoom = 100;

}  // namespace

StartPagePlaces PlaceStartPage(const StartPageSizes& s) {
    StartPagePlaces p;
    const double w = s.windowWidth;
    const double h = s.windowHeight;
    // 1, 2: the information panel.
    if (s.screenHeight > kInfoPanelFixedUpTo)
        p.infoGTop = (h - s.infoGHeight) / 2.5;
    p.infoGLeft = (w - s.infoGWidth) / 2;
    // 3, 4: Pic1 at the bottom, pic5 stacked above it.
    p.pic1Top = h - s.pic1Height - kBottomRoom;
    p.pic5Top = h - s.pic5Height - s.pic1Height - kBottomRoom;
    // 5, 6, 7: pic3 beside pic6 at the lower right, pic2 at the right edge.
    p.pic3Left = w - s.pic3Width - s.pic6Width - kPic3Room;
    p.pic3Top = h - s.pic3Height - kBottomRoom;
    p.pic2Left = w - s.pic2Width - kRightRoom;
    p.pic6Top = h - s.pic6Height - kBottomRoom;
    p.pic6Left = w - s.pic6Width - kRightRoom;
    // 8, 9: the labels at the right edge (the window empties Label11 and Label8 as well).
    p.label11Left = w - s.label11Width - kLabelRoom;
    p.label8Left = w - s.label8Width - kLabelRoom;
    p.label12Left = w - s.label11Width - s.label12Width - kLabelRoom;
    return p;
}

}  // namespace tessaro
