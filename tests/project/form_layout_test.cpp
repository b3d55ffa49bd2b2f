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

// The help panel moves the least distance that uncovers the control in focus and the one under
// the mouse, preferring a place inside the form.
TEST(FormLayout, TheHelpPanelKeepsTheFocusedControlClear) {
    const TwipsRect bounds{0, 0, 10000, 8000};
    const TwipsRect panel{1000, 1000, 3000, 1000};
    struct Case {
        std::vector<TwipsRect> keepClear;
        TwipsRect expected;
    };
    const Case cases[] = {
        {{{6000, 6000, 500, 300}}, panel},                      // nothing covered: stays
        {{{1200, 1900, 1000, 400}}, {1000, 900, 3000, 1000}},   // lower edge covers: up 100
        {{{3800, 1200, 1000, 400}}, {800, 1000, 3000, 1000}},   // right edge covers: left 200
        {{{1200, 1100, 1000, 400}}, {1000, 1500, 3000, 1000}},  // down 500 beats up 600
        {{{0, 0, 10000, 1500}}, {1000, 1500, 3000, 1000}},      // a full-width strip: below it
        {{{1200, 1900, 1000, 400}, {1200, 700, 1000, 250}}, {2200, 1000, 3000, 1000}},  // right
        {{{1200, 200, 1000, 900}}, {1000, 1100, 3000, 1000}},  // above would leave the form
    };
    for (const auto& [keepClear, expected] : cases)
        EXPECT_EQ(KeepClear(panel, keepClear, bounds), expected) << keepClear.size();
}

}  // namespace
}  // namespace tessaro
