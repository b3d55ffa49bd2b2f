// The log p-h diagram's numbers from the cycle of real runs: the dome is the table, the four
// states lie where the cycle puts them, inside the axes; a run without figures draws no cycle.
#include <gtest/gtest.h>

#include "engine/saturation_table.h"
#include "support/started_folder.h"
#include "variants/variant_run.h"

namespace tessaro {
namespace {

TEST(PhDiagram, DomeIsTheTableAndTheCycleSitsWhereTheRunPutsIt) {
    test::StartedFolder folder;
    FormHost host;
    ProjectForm form(folder.state, folder.messages, host);
    form.Load();
    for (const char* refrigerant : {"R22", "R404A", "R407C", "PROPAN"}) {
        SCOPED_TRACE(refrigerant);
        const VariantFigures f = ComputeVariant(form, {refrigerant, refrigerant, {}, 0});
        ASSERT_TRUE(f.Computed()) << f.reason;
        const PhDiagram d = CycleDiagram(folder.state, f);
        const auto rows = ReadSaturationRows(folder.state, refrigerant);
        ASSERT_TRUE(rows.has_value());
        ASSERT_EQ(d.bubbleLine.size(), rows->size());
        for (size_t i = 0; i < rows->size(); ++i) {
            const SaturationRow& r = (*rows)[i];
            EXPECT_EQ(d.bubbleLine[i].h, r[3]);
            EXPECT_EQ(d.bubbleLine[i].p, r[1]);
            EXPECT_EQ(d.dewLine[i].h, r[4]);
            EXPECT_EQ(d.dewLine[i].p, r[2]);
        }
        ASSERT_TRUE(d.cycle.has_value());
        const auto& c = *d.cycle;
        // For a blend with glide p0 and pc are those the evaluation set, not the table's.
        EXPECT_EQ(c[0].p, f.cycle.p0);
        EXPECT_EQ(c[3].p, f.cycle.p0);
        EXPECT_EQ(c[1].p, f.cycle.pc);
        EXPECT_EQ(c[2].p, f.cycle.pc);
        EXPECT_EQ(c[2].h, f.cycle.hLiquidC);
        EXPECT_EQ(c[3].h, f.cycle.hLiquidC);
        EXPECT_GT(f.tSuction, f.cycle.T0K - 273.15) << "the example's suction gas is superheated";
        EXPECT_GT(c[0].h, f.cycle.hVapour0);
        EXPECT_GT(c[1].h, f.cycle.hVapourC) << "the discharge lies right of the dew line";
        EXPECT_GT(c[1].t, c[2].t);
        EXPECT_EQ(d.cop, *f.figures.COP);
        for (const PhState& s : c) {
            EXPECT_GT(s.p, d.pMin);
            EXPECT_LT(s.p, d.pMax);
            EXPECT_GT(s.h, d.hMin);
            EXPECT_LT(s.h, d.hMax);
        }
        ASSERT_FALSE(d.pTicks.empty());
        ASSERT_FALSE(d.hTicks.empty());
        EXPECT_GE(d.pTicks.front(), d.pMin);
        EXPECT_LE(d.pTicks.back(), d.pMax);
        EXPECT_GE(d.isotherms.size(), 3u);
        for (const auto& iso : d.isotherms) {
            EXPECT_LT(iso[0].h, iso[1].h) << "from the bubble to the dew line";
            EXPECT_EQ(iso[0].t, iso[1].t);
        }
    }
    // A glide blend really has p0 between its bubble and dew pressure at t0.
    const VariantFigures blend = ComputeVariant(form, {"", "R407C", {}, 0});
    const auto rows = *ReadSaturationRows(folder.state, "R407C");
    EXPECT_NE(blend.cycle.p0, rows[0][1]);
}

TEST(PhDiagram, NoCycleWithoutFiguresAndNoDomeWithoutATable) {
    test::StartedFolder folder;
    FormHost host;
    ProjectForm form(folder.state, folder.messages, host);
    form.Load();
    const VariantFigures none = ComputeVariant(form, {"", "", {{"Q0", 0, "abc"}}, 0});
    EXPECT_FALSE(CycleDiagram(folder.state, none).cycle.has_value());
    const VariantFigures co2 = ComputeVariant(form, {"", "CO2", {}, 0});
    EXPECT_FALSE(CycleDiagram(folder.state, co2).cycle.has_value()) << "tc beyond CO2's limit";
    PhCycleInput input;
    input.computed = true;
    const PhDiagram empty = BuildPhDiagram({}, input);
    EXPECT_TRUE(empty.bubbleLine.empty());
    EXPECT_FALSE(empty.cycle.has_value()) << "a cycle of zeros is not finite";
}

}  // namespace
}  // namespace tessaro
