#include "project/form/form_layout.h"

#include <cmath>
#include <optional>

namespace tessaro {

namespace {

// The design, in twips. Every choice and number box stands under its caption label; the rows of a
// panel are kRowPitch apart.
constexpr double kColumnWidth = 4600;  // each panel of the pair of columns, and the evaporator
constexpr double kColumnGap = 120;     // between the two columns
constexpr double kRightColumn = 3400;  // Frame3D4
constexpr double kRowPitch = 690;      // label 240, box 360, space 90
constexpr double kLabelHeight = 240;
constexpr double kBoxHeight = 360;
constexpr double kPad = 120;           // inner margin of a panel
constexpr double kTitledTop = 300;     // first row of a panel with a title or of its neighbour
constexpr double kNumberWidth = 1300;  // a number box
constexpr double kUnitWidth = 900;     // the unit label beside it
constexpr double kColumnsTop = 420;    // leaves room for the discharge line above the panels

constexpr double kTopPanelHeight = kTitledTop + 2 * kRowPitch + 60;  // Pn45, PNRG, Pn44
constexpr double kSiteHeight = 780;                                  // Panel3D2
constexpr double kFourRowHeight = kPad + 4 * kRowPitch + 60;         // Panel3D1, Panel3D4
constexpr double kResultWidth = 5600;
constexpr double kResultHeight = 2600;
constexpr double kCycleWidth = 2500;
constexpr double kCycleTop = 5300;
constexpr double kCycleHeight = 4200;
constexpr double kSmallPanelWidth = 2400;  // vdpn, Pn47
constexpr double kSmallPanelHeight = 840;
constexpr double kSuctionHeight = 1110;  // Pn47: its title may take two lines

// Frame3D4: the efficiency class at the top, then the five energy values kEnergyPitch apart,
// so that their help panels open just below each box.
constexpr double kKmTop = 540;
constexpr double kEnergyPitch = 720;

// The width of the fields in a column panel and in the right-hand column.
constexpr double kColumnFieldWidth = kColumnWidth - 2 * kPad;
constexpr double kRightFieldWidth = kRightColumn - 2 * kPad;

// The designed width of the help label while no help has set one.
constexpr double kHelpLabelDesignWidth = 4000;

ControlPlace Row(FormPanel panel, double firstRow, int row, double width = kColumnFieldWidth) {
    const double top = firstRow + row * kRowPitch;
    return {panel,
            {kPad, top + kLabelHeight, width, kBoxHeight},
            {kPad, top, width, kLabelHeight},
            std::nullopt};
}

ControlPlace NumberRow(FormPanel panel, double firstRow, int row, double labelWidth) {
    ControlPlace place = Row(panel, firstRow, row, kNumberWidth);
    place.label.width = labelWidth;
    place.unit = TwipsRect{place.field.Right() + 60, place.field.top, kUnitWidth, kBoxHeight};
    return place;
}

ControlPlace EnergyRow(int row) {
    const double top = kKmTop - kLabelHeight + (row + 1) * kEnergyPitch;
    // The long captions of some languages take the column's whole width.
    ControlPlace place{FormPanel::Frame3D4,
                       {kPad, top + kLabelHeight, kNumberWidth, kBoxHeight},
                       {kPad, top, kRightColumn - kPad - 40, kLabelHeight},
                       TwipsRect{kPad + kNumberWidth + 60, top + kLabelHeight,
                                 kRightFieldWidth - kNumberWidth - 60, kBoxHeight}};
    return place;
}

}  // namespace

ControlPlace PlaceOfField(FieldId field) {
    using enum FormPanel;
    switch (field) {
        case FieldId::AnwendBereich:
            return Row(Panel3D1, kPad, 0);
        case FieldId::Tempbereich:
            return Row(Panel3D1, kPad, 1);
        case FieldId::AnlGroesse:
            return Row(Panel3D1, kPad, 2);
        case FieldId::Q0:
            return NumberRow(Panel3D1, kPad, 3, kColumnFieldWidth);
        case FieldId::AmbientT: {
            ControlPlace place = Row(Panel3D2, 90, 0);
            place.field.width = kColumnFieldWidth - kNumberWidth - kUnitWidth / 2 - 120;
            return place;
        }
        case FieldId::tambient: {
            const double left = kPad + kColumnFieldWidth - kNumberWidth - kUnitWidth / 2;
            return {Panel3D2,
                    {left, 90 + kLabelHeight, kNumberWidth, kBoxHeight},
                    {left, 90, 0, 0},
                    TwipsRect{left + kNumberWidth + 60, 90 + kLabelHeight, kUnitWidth / 2 - 60,
                              kBoxHeight}};
        }
        case FieldId::vdsize:
            return Row(Pn44, kTitledTop, 0);
        case FieldId::t0:
            return NumberRow(Pn44, kTitledTop, 1, kColumnFieldWidth);
        case FieldId::VFlsize:
            return Row(Pn45, kTitledTop, 0);
        case FieldId::Tc:
            return NumberRow(Pn45, kTitledTop, 1, kColumnFieldWidth);
        case FieldId::RGart:
            return Row(PNRG, kTitledTop, 0);
        case FieldId::WinterRGart:
            return Row(PNRG, kTitledTop, 1);
        case FieldId::WartungI:
            return Row(Panel3D4, kPad, 0);
        case FieldId::Fullzustand:
            return Row(Panel3D4, kPad, 1);
        case FieldId::Leitungsdimension:
            return Row(Panel3D4, kPad, 2);
        case FieldId::WaermeD:
            return Row(Panel3D4, kPad, 3);
        case FieldId::Verdichterbauart:
            return Row(vdpn, 90, 0, kSmallPanelWidth - 2 * kPad);
        case FieldId::km:
            return {Frame3D4,
                    {kPad, kKmTop, kRightFieldWidth, kBoxHeight},
                    {kPad, kKmTop - kLabelHeight, kRightFieldWidth, kLabelHeight},
                    std::nullopt};
        case FieldId::betrstd:
            return EnergyRow(0);
        case FieldId::lzfaktor:
            return EnergyRow(1);
        case FieldId::EnergKost:
            return EnergyRow(2);
        case FieldId::JahrebetrT:
            return EnergyRow(3);
        case FieldId::Spezco2emission:
            return EnergyRow(4);
    }
    return {};
}

FormLayout LayOutForm(double formWidth, double formHeight) {
    using enum FormPanel;
    FormLayout layout;
    layout[Frame3D4] = {formWidth - kRightColumn - 120, 0, kRightColumn, formHeight};
    layout.abbrechenTop = formHeight - 1000;
    layout.command3D2Top = formHeight - 1600;
    layout.command3D3Top = formHeight - 2200;
    layout.printbuttTop = formHeight - 2800;
    layout.variantbuttTop = formHeight - 3400;
    layout.diagrammbuttTop = formHeight - 4000;

    const double mainWidth = formWidth - kRightColumn - 120;
    layout[Frame3d1] = {0, 0, mainWidth, formHeight};
    layout[Panel3D3] = {(mainWidth - kResultWidth) / 2, (formHeight - kResultHeight) / 1.45,
                        kResultWidth, kResultHeight};
    layout[Pn44] = {(mainWidth - kColumnWidth) / 2, formHeight - kTopPanelHeight - 800,
                    kColumnWidth, kTopPanelHeight};

    const double left = (mainWidth - (2 * kColumnWidth + kColumnGap)) / 2;
    const double right = left + kColumnWidth + kColumnGap;
    layout[Pn45] = {left, kColumnsTop, kColumnWidth, kTopPanelHeight};
    layout[PNRG] = {right, kColumnsTop, kColumnWidth, kTopPanelHeight};
    const double belowCondenser = layout[Pn45].Bottom();
    layout[Panel3D2] = {left, belowCondenser + 60, kColumnWidth, kSiteHeight};
    layout[Panel3D4] = {right, belowCondenser + 60, kColumnWidth, kFourRowHeight};
    layout[Panel3D1] = {left, belowCondenser + 870, kColumnWidth, kFourRowHeight};

    layout[Pn43] = {mainWidth - kCycleWidth - 300, kCycleTop, kCycleWidth, kCycleHeight};
    const double inCycle = (kCycleWidth - kSmallPanelWidth) / 2;
    layout[vdpn] = {inCycle, 0, kSmallPanelWidth, kSmallPanelHeight};
    layout[Pn47] = {inCycle, kCycleHeight - kSuctionHeight - 600, kSmallPanelWidth, kSuctionHeight};
    return layout;
}

TwipsRect InMainArea(const FormLayout& layout, FormPanel panel) {
    TwipsRect rect = layout[panel];
    if (panel == FormPanel::vdpn || panel == FormPanel::Pn47) {
        rect.left += layout[FormPanel::Pn43].left;
        rect.top += layout[FormPanel::Pn43].top;
    }
    return rect;
}

HelpPanelPlace PlaceHelpPanel(const HelpPanel& help, const FormLayout& layout, double naturalWidth,
                              double naturalHeight) {
    using enum FormPanel;
    HelpPanelPlace place;
    double labelWidth = help.labelWidth.value_or(kHelpLabelDesignWidth);
    double labelHeight = help.labelHeight;
    if (help.autoSize) {
        labelWidth = naturalWidth;
        labelHeight = naturalHeight;
    }
    place.panel.width = labelWidth + 50;
    place.panel.height = labelHeight + 50;
    place.label = {12, 12, place.panel.width - 37, place.panel.height - 30};
    if (!help.field)
        return place;

    const FieldId field = *help.field;
    const double controlTop = PlaceOfField(field).field.top;
    const TwipsRect& panelOf = layout[PlaceOfField(field).panel];
    TwipsRect& p = place.panel;
    switch (field) {
        case FieldId::WartungI:
        case FieldId::Fullzustand:
        case FieldId::Leitungsdimension:
        case FieldId::WaermeD:
        case FieldId::RGart:
        case FieldId::WinterRGart:
            p.top = controlTop + panelOf.top + 300;
            p.left = panelOf.left - 2000;
            break;
        case FieldId::VFlsize:
            p.top = layout[Pn45].Bottom() + 50;
            p.left = layout[Pn45].left - 800;
            break;
        case FieldId::vdsize:
            p.top = layout[Pn44].top - p.height - 50;
            p.left = layout[Pn44].left - 800;
            break;
        case FieldId::AnwendBereich:
            p.top = controlTop + panelOf.top + 300;
            p.left = panelOf.left - 600;
            break;
        default: {
            // The efficiency class and the energy values, under their boxes in Frame3D4.
            static constexpr std::pair<FieldId, double> kExtraTop[] = {
                {FieldId::km, 0},
                {FieldId::betrstd, 980},
                {FieldId::lzfaktor, 1700},
                {FieldId::EnergKost, 2420},
                {FieldId::JahrebetrT, 3200},
                {FieldId::Spezco2emission, 3920}};
            for (const auto& [energyField, extra] : kExtraTop) {
                if (energyField == field) {
                    p.top =
                        layout[Frame3D4].top + PlaceOfField(FieldId::km).field.top + 400 + extra;
                    p.left = layout[Frame3D4].left - p.width + 2200;
                }
            }
        }
    }
    return place;
}

namespace {

bool Overlaps(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool Within(const TwipsRect& inner, const TwipsRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

}  // namespace

TwipsRect KeepClear(const TwipsRect& panel, const std::vector<TwipsRect>& keepClear,
                    const TwipsRect& bounds) {
    const auto clear = [&](const TwipsRect& p) {
        for (const TwipsRect& r : keepClear) {
            if (Overlaps(p, r))
                return false;
        }
        return true;
    };
    if (clear(panel))
        return panel;
    // Every place where an edge of the panel meets an edge of a rectangle to keep clear, moving
    // along one axis only.
    std::vector<TwipsRect> candidates;
    for (const TwipsRect& r : keepClear) {
        for (double top : {r.top - panel.height, r.Bottom()}) {
            TwipsRect p = panel;
            p.top = top;
            candidates.push_back(p);
        }
        for (double left : {r.left - panel.width, r.Right()}) {
            TwipsRect p = panel;
            p.left = left;
            candidates.push_back(p);
        }
    }
    const auto distance = [&](const TwipsRect& p) {
        return std::abs(p.left - panel.left) + std::abs(p.top - panel.top);
    };
    std::optional<TwipsRect> best;
    for (bool inBoundsOnly : {true, false}) {
        for (const TwipsRect& p : candidates) {
            if (!clear(p) || (inBoundsOnly && !Within(p, bounds)))
                continue;
            if (!best || distance(p) < distance(*best))
                best = p;
        }
        if (best)
            return *best;
    }
    return panel;
}

}  // namespace tessaro
