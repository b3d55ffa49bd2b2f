#include "project/form/form_layout.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

using enum FormPanel;

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}
bool Inside(const TwipsRect& inner, const TwipsRect& outer) {
    return inner.left >= 0 && inner.top >= 0 && inner.Right() <= outer.width &&
           inner.Bottom() <= outer.height;
}

// The form at its design size, on a 1280 x 1024 and on a 1920 x 1080 screen (in twips).
constexpr std::pair<double, double> kSizes[] = {
    {kFormDesignWidth, kFormDesignHeight}, {19200, 15360}, {28800, 16200}};

TEST(FormLayout, ResizeRules) {
    for (const auto& [w, h] : kSizes) {
        const FormLayout f = LayOutForm(w, h);
        SCOPED_TRACE(w);
        EXPECT_DOUBLE_EQ(f[Frame3D4].left, w - f[Frame3D4].width - 120);
        EXPECT_DOUBLE_EQ(f[Frame3D4].height, h);
        EXPECT_DOUBLE_EQ(f.abbrechenTop, h - 1000);
        EXPECT_DOUBLE_EQ(f.command3D2Top, h - 1600);
        EXPECT_DOUBLE_EQ(f.command3D3Top, h - 2200);
        EXPECT_DOUBLE_EQ(f.printbuttTop, h - 2800);
        const double main = f[Frame3d1].width;
        EXPECT_DOUBLE_EQ(main, w - f[Frame3D4].width - 120);
        EXPECT_DOUBLE_EQ(f[Panel3D3].left * 2 + f[Panel3D3].width, main);
        EXPECT_DOUBLE_EQ(f[Panel3D3].top, (h - f[Panel3D3].height) / 1.45);
        EXPECT_DOUBLE_EQ(f[Pn44].left * 2 + f[Pn44].width, main);
        EXPECT_DOUBLE_EQ(f[Pn44].top, h - f[Pn44].height - 800);
        // A centred pair of columns with a gap of 120.
        const double left = (main - (2 * f[Pn45].width + 120)) / 2;
        for (FormPanel panel : {Pn45, Panel3D2, Panel3D1})
            EXPECT_DOUBLE_EQ(f[panel].left, left);
        for (FormPanel panel : {PNRG, Panel3D4})
            EXPECT_DOUBLE_EQ(f[panel].left, left + f[Pn45].width + 120);
        EXPECT_DOUBLE_EQ(f[Panel3D2].top, f[Pn45].Bottom() + 60);
        EXPECT_DOUBLE_EQ(f[Panel3D4].top, f[Pn45].Bottom() + 60);
        EXPECT_DOUBLE_EQ(f[Panel3D1].top, f[Pn45].Bottom() + 870);
        EXPECT_DOUBLE_EQ(f[Pn43].Right(), main - 300);
    }
}

// At every size the panels of the main area stand apart, and every control lies in its panel.
TEST(FormLayout, PanelsDoNotOverlapAndHoldTheirControls) {
    for (const auto& [w, h] : kSizes) {
        const FormLayout f = LayOutForm(w, h);
        SCOPED_TRACE(w);
        const FormPanel onMain[] = {Panel3D1, Panel3D2, Panel3D3, Panel3D4, Pn44, Pn45, PNRG, Pn43};
        for (FormPanel a : onMain) {
            for (FormPanel b : onMain) {
                if (a < b) {
                    EXPECT_FALSE(Overlap(f[a], f[b]))
                        << static_cast<int>(a) << " " << static_cast<int>(b);
                }
            }
        }
        EXPECT_TRUE(Inside(f[vdpn], f[Pn43]));
        EXPECT_TRUE(Inside(f[Pn47], f[Pn43]));
        EXPECT_FALSE(Overlap(f[vdpn], f[Pn47]));
        for (int i = 0; i < kFieldCount; ++i) {
            const ControlPlace place = PlaceOfField(static_cast<FieldId>(i));
            EXPECT_TRUE(Inside(place.field, f[place.panel])) << i;
            EXPECT_TRUE(Inside(place.label, f[place.panel])) << i;
            if (place.unit) {
                EXPECT_TRUE(Inside(*place.unit, f[place.panel])) << i;
            }
        }
    }
}

TEST(FormLayout, HelpPanelAroundItsLabel) {
    const FormLayout f = LayOutForm(kFormDesignWidth, kFormDesignHeight);
    HelpPanel help;
    help.field = FieldId::vdsize;
    // Sized to its contents while the label sizes itself.
    HelpPanelPlace place = PlaceHelpPanel(help, f, 2000, 250);
    EXPECT_DOUBLE_EQ(place.panel.width, 2050);
    EXPECT_DOUBLE_EQ(place.panel.height, 300);
    EXPECT_EQ(place.label, (TwipsRect{12, 12, 2013, 270}));
    EXPECT_DOUBLE_EQ(place.panel.Bottom(), f[Pn44].top - 50);
    // A long text fixes the label at the width and height the help gave it.
    help.autoSize = false;
    help.labelWidth = 7000;
    help.labelHeight = 705;
    place = PlaceHelpPanel(help, f, 2000, 250);
    EXPECT_DOUBLE_EQ(place.panel.width, 7050);
    EXPECT_DOUBLE_EQ(place.panel.height, 755);
    EXPECT_DOUBLE_EQ(place.panel.left, f[Pn44].left - 800);
    // No width set yet: the label keeps its designed width.
    help.labelWidth.reset();
    EXPECT_GT(PlaceHelpPanel(help, f, 2000, 250).panel.width, 2050);
}

}  // namespace
}  // namespace tessaro
