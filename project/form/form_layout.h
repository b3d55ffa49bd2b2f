#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "project/form/help_panel.h"
#include "project/project_parameters.h"

namespace tessaro {

// A rectangle in twips, in the coordinates of its container.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    bool operator==(const TwipsRect&) const = default;
};

// The containers of the project form. Frame3D4 and Frame3d1 lie on the form; every other panel
// lies on Frame3d1, and vdpn and Pn47 on the cycle picture Pn43.
enum class FormPanel {
    Frame3D4,  // right-hand column: efficiency class, energy values, command buttons
    Frame3d1,  // main area
    Panel3D1,  // application
    Panel3D2,  // site
    Panel3D3,  // result
    Panel3D4,  // plant condition
    Pn44,      // evaporator
    Pn45,      // condenser
    PNRG,      // condensing pressure control
    Pn43,      // cycle picture
    vdpn,      // compressor, on the cycle picture
    Pn47,      // suction line temperature, on the cycle picture
};
inline constexpr int kFormPanelCount = static_cast<int>(FormPanel::Pn47) + 1;

// Where a field's control stands: its container and its place in it, and the caption label
// above it.
struct ControlPlace {
    FormPanel panel;
    TwipsRect field;
    TwipsRect label;
    std::optional<TwipsRect> unit;  // the unit label beside a number box
};
ControlPlace PlaceOfField(FieldId field);

// The design size of the form (outer size, twips).
inline constexpr double kFormDesignWidth = 18600;
inline constexpr double kFormDesignHeight = 13500;

// The whole form laid out for its outer size by the resize rules: the right-hand column at the
// right edge with its buttons placed from the form's height, the main area beside it, the result
// panel and the evaporator centred, the other panels in a centred pair of columns under the
// condenser, the cycle picture 300 from the main area's right edge.
struct FormLayout {
    std::array<TwipsRect, kFormPanelCount> panels;
    // Tops of the four command buttons in Frame3D4: Printbutt, Command3D3, Command3D2, Abbrechen.
    double diagrammbuttTop = 0;  // the log p-h diagram, one step above the variants
    double variantbuttTop = 0;  // the comparison of variants, one step above the print button
    double printbuttTop = 0;
    double command3D3Top = 0;
    double command3D2Top = 0;
    double abbrechenTop = 0;

    const TwipsRect& operator[](FormPanel panel) const {
        return panels[static_cast<size_t>(panel)];
    }
    TwipsRect& operator[](FormPanel panel) { return panels[static_cast<size_t>(panel)]; }
};
FormLayout LayOutForm(double formWidth, double formHeight);

// A panel's rectangle in the coordinates of Frame3d1 (the containers nest at most twice).
TwipsRect InMainArea(const FormLayout& layout, FormPanel panel);

// The help panel AssitPN around its label: the label's size from the help (the panel sizes
// itself to the label's contents, given as naturalWidth and naturalHeight, while autoSize holds),
// the panel 50 wider and higher, the label inside at left 12, top 12, width panel width - 37,
// height panel height - 30, and the panel placed by the anchor of the field whose help it shows.
// Positions are in the form's coordinates, where Frame3d1 starts at the origin.
struct HelpPanelPlace {
    TwipsRect panel;
    TwipsRect label;  // in the panel
};
HelpPanelPlace PlaceHelpPanel(const HelpPanel& help, const FormLayout& layout, double naturalWidth,
                              double naturalHeight);

// The help panel moved the least distance needed so that it covers none of the rectangles to keep
// clear (the control in focus, the control under the mouse), and stays inside bounds where it can.
// A panel that covers none of them stays where it is; where no single move along one axis clears
// them all, it stays too.
TwipsRect KeepClear(const TwipsRect& panel, const std::vector<TwipsRect>& keepClear,
                    const TwipsRect& bounds);

}  // namespace tessaro
