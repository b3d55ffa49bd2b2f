#pragma once

#include <optional>

namespace tessaro {

// The sizes that the main window's resize rules work from, all in twips: the window's outer width
// and height, the screen height, and the sizes of the controls that the rules move.
struct StartPageSizes {
    double windowWidth = 0;
    double windowHeight = 0;
    double screenHeight = 0;
    double infoGWidth = 0;
    double infoGHeight = 0;
    double pic1Height = 0;
    double pic2Width = 0;
    double pic3Width = 0;
    double pic3Height = 0;
    double pic5Height = 0;
    double pic6Width = 0;
    double pic6Height = 0;
    double label8Width = 0;
    double label11Width = 0;
    double label12Width = 0;
};

// Where the resize rules put the controls, in twips. The information panel keeps its top on a
// screen of 8900 twips height or less (infoGTop is empty then); every other value is set.
struct StartPagePlaces {
    std::optional<double> infoGTop;
    double infoGLeft = 0;
    double pic1Top = 0;
    double pic5Top = 0;
    double pic3Left = 0;
    double pic3Top = 0;
    double pic2Left = 0;
    double pic6Top = 0;
    double pic6Left = 0;
    double label11Left = 0;
    double label8Left = 0;
    double label12Left = 0;
};

// The screen height up to which the information panel keeps its top.
inline constexpr double kInfoPanelFixedUpTo = 8900;

// The nine resize rules of the main window, in their order: the information panel centred (its
// top at 1 / 2.5 of the free height), Pic1 and pic5 above it at the lower left, pic3 and pic6 at
// the lower right, pic2 at the right edge, and the three labels at the right edge.
StartPagePlaces PlaceStartPage(const StartPageSizes& sizes);

}  // namespace tessaro
