#pragma once

// Every picture file that the program's windows load, with the size it is drawn in and what it
// shows. The generator draws exactly these files; the windows load them by name (matched without
// regard to letter case), so each name is spelled once here.
//
// Sizes are in pixels at 96 dpi (15 twips per pixel):
//  - command buttons 150 x 32 (2250 x 480 twips): a symbol at the left, a plain light area for the
//    overlaid caption label;
//  - flags 60 x 40 (900 x 600 twips);
//  - refrigeration parts on the welcome dialog 64 x 64 (960 x 960 twips);
//  - decoration pictures of the main window and the help box 96 x 96 (1440 x 1440 twips), the ice
//    cube of the print settings dialog 64 x 64;
//  - start pictures of the welcome dialog 300 x 200 (4500 x 3000 twips);
//  - backgrounds at least as large as the panel they fill, so that a picture shown unscaled from
//    the top left corner covers it.

#include <array>
#include <string_view>

namespace tessaro::pictures {

enum class PictureKind { Button, Flag, Component, Decoration, StartPicture, Background };

enum class Motif {
    // Button symbols.
    Calculator,
    Printer,
    Help,
    Cancel,
    Confirm,
    Exit,
    Zoom,
    Variants,
    Diagram,
    // Flags of the sixteen languages.
    England,
    Germany,
    France,
    Spain,
    Netherlands,
    Italy,
    Portugal,
    Sweden,
    Russia,
    Poland,
    Turkey,
    Romania,
    Greece,
    Hungary,
    Bulgaria,
    Arabic,
    // Refrigeration parts.
    ExpansionValve,
    HermeticCompressor,
    SolenoidValve,
    Receiver,
    SightGlass,
    FilterDrier,
    Evaporator,
    AirCooledCondenser,
    ShutOffValve,
    OilSeparator,
    SemiHermeticCompressor,
    PlateHeatExchanger,
    PressureSwitch,
    WaterCooledCondenser,
    // Illustrations.
    IceCube,
    PressureEnthalpyChart,
    CycleSchematic,
    ColdRoom,
    PlantOverview,
    // Background tints.
    SteelBlue,
    SilverGrey,
    SkyBlue,
    PearlGrey,
    MistBlue,
    LightGrey,
    WarmRed,
    CoolBlue,
};

struct PictureEntry {
    std::string_view name;
    int width;
    int height;
    PictureKind kind;
    Motif motif;
};

namespace catalogue_detail {
using enum PictureKind;
using enum Motif;

inline constexpr std::array kEntries = {
    // Command buttons.
    PictureEntry{"brcap.bmp", 150, 32, Button, Calculator},  // calculate; open the project form
    PictureEntry{"prcap.bmp", 150, 32, Button, Printer},     // print; printer setup
    PictureEntry{"hpcap.bmp", 150, 32, Button, Help},        // help
    PictureEntry{"abcap.bmp", 150, 32, Button, Cancel},      // cancel
    PictureEntry{"OKcap.bmp", 150, 32, Button, Confirm},     // O.K., confirm, print
    PictureEntry{"endcap.bmp", 150, 32, Button, Exit},       // leave the program
    PictureEntry{"zoomcap.bmp", 150, 32, Button, Zoom},      // printer and screen sizes
    // variants: comparison of plant variants
    PictureEntry{"varcap.bmp", 150, 32, Button, Variants},
    // diagram: the log p-h diagram of the cycle
    PictureEntry{"phcap.bmp", 150, 32, Button, Diagram},
    // Flags of the language choice.
    PictureEntry{"england.bmp", 60, 40, Flag, England},
    PictureEntry{"Germany.bmp", 60, 40, Flag, Germany},
    PictureEntry{"Frankr.bmp", 60, 40, Flag, France},
    PictureEntry{"SPANIEN.bmp", 60, 40, Flag, Spain},
    PictureEntry{"niederl.bmp", 60, 40, Flag, Netherlands},
    PictureEntry{"italien.bmp", 60, 40, Flag, Italy},
    PictureEntry{"Portugal.bmp", 60, 40, Flag, Portugal},
    PictureEntry{"schweden.bmp", 60, 40, Flag, Sweden},
    PictureEntry{"russisch.bmp", 60, 40, Flag, Russia},
    PictureEntry{"polen.bmp", 60, 40, Flag, Poland},
    PictureEntry{"tuerkei.bmp", 60, 40, Flag, Turkey},
    PictureEntry{"rumaen.bmp", 60, 40, Flag, Romania},
    PictureEntry{"Griechl.bmp", 60, 40, Flag, Greece},
    PictureEntry{"Ungarn.bmp", 60, 40, Flag, Hungary},
    PictureEntry{"Bulgaria.bmp", 60, 40, Flag, Bulgaria},
    PictureEntry{"Arabic.bmp", 60, 40, Flag, Arabic},
    // Refrigeration parts of the welcome dialog, in the order of its picture boxes.
    PictureEntry{"exv1cap.bmp", 64, 64, Component, ExpansionValve},
    PictureEntry{"herm2cap.bmp", 64, 64, Component, HermeticCompressor},
    PictureEntry{"MagV1cap.bmp", 64, 64, Component, SolenoidValve},
    PictureEntry{"samm1cap.bmp", 64, 64, Component, Receiver},
    PictureEntry{"schg2cap.bmp", 64, 64, Component, SightGlass},
    PictureEntry{"trok1cap.bmp", 64, 64, Component, FilterDrier},
    PictureEntry{"verd1cap.bmp", 64, 64, Component, Evaporator},
    PictureEntry{"verf1cap.bmp", 64, 64, Component, AirCooledCondenser},
    PictureEntry{"absp1cap.bmp", 64, 64, Component, ShutOffValve},
    PictureEntry{"oela1cap.bmp", 64, 64, Component, OilSeparator},
    PictureEntry{"halb2cap.bmp", 64, 64, Component, SemiHermeticCompressor},
    PictureEntry{"kw02cap.bmp", 64, 64, Component, PlateHeatExchanger},
    PictureEntry{"pres3cap.bmp", 64, 64, Component, PressureSwitch},
    PictureEntry{"verf6cap.bmp", 64, 64, Component, WaterCooledCondenser},
    // Decoration pictures of the main window (pic2 is also the help box's picture), and the ice
    // cube of the print settings dialog.
    PictureEntry{"pic1.bmp", 96, 96, Decoration, SemiHermeticCompressor},
    PictureEntry{"pic2.bmp", 96, 96, Decoration, PressureEnthalpyChart},
    PictureEntry{"pic3.bmp", 96, 96, Decoration, AirCooledCondenser},
    PictureEntry{"pic5.bmp", 96, 96, Decoration, Evaporator},
    PictureEntry{"pic6.bmp", 96, 96, Decoration, ExpansionValve},
    PictureEntry{"iceCube.bmp", 64, 64, Decoration, IceCube},
    // Start pictures of the welcome dialog.
    PictureEntry{"start01.bmp", 300, 200, StartPicture, CycleSchematic},
    PictureEntry{"start02.bmp", 300, 200, StartPicture, PressureEnthalpyChart},
    PictureEntry{"start03.bmp", 300, 200, StartPicture, ColdRoom},
    PictureEntry{"start04.bmp", 300, 200, StartPicture, PlantOverview},
    // Backgrounds of forms and panels.
    PictureEntry{"Varnholt_Back01.jpg", 800, 600, Background, SteelBlue},     // forms, side column
    PictureEntry{"Varnholt_back00.jpg", 240, 900, Background, SilverGrey},    // report button panel
    PictureEntry{"Varnholt_Back031.jpg", 720, 400, Background, SkyBlue},      // information panel
    PictureEntry{"Varnholt_Back032.jpg", 1024, 768, Background, PearlGrey},   // main areas
    PictureEntry{"Varnholt_Back04.jpg", 480, 320, Background, MistBlue},      // input panels
    PictureEntry{"Varnholt_Back041.jpg", 1600, 1200, Background, LightGrey},  // pages, dialogs
    PictureEntry{"HG_red_01.jpg", 400, 240, Background, WarmRed},             // condenser panel
    PictureEntry{"HG_blue_01.jpg", 400, 240, Background, CoolBlue},           // evaporator panels
};
}  // namespace catalogue_detail

inline constexpr const auto& kPictureCatalogue = catalogue_detail::kEntries;

}  // namespace tessaro::pictures
