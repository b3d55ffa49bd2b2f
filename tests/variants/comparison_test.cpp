// The comparison of variants against the project form that computes them: a what-if gives what
// the pick on the form gives, a refrigerant variant what a run with that refrigerant gives, and
// nothing is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "engine/refrigerant_registry.h"
#include "support/started_folder.h"
#include "variants/comparison.h"

namespace tessaro {
namespace {

using test::StartedFolder;

// Every file of a folder with its bytes.
std::map<std::string, std::string> Files(const test::TempDir& temp) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(temp.Path()))
        files[entry.path().filename().string()] = temp.Read(entry.path().filename().string());
    return files;
}

struct Opened {
    explicit Opened(StartedFolder& folder) : form(folder.state, folder.messages, host) {
        form.Load();
    }
    FormHost host;
    ProjectForm form;
};

// A what-if over every item of every choice field shows, in each column, the figures and fields
// that picking the item on a freshly opened form shows; with either decimal separator; and the
// folder is left as it was.
class WhatIf : public testing::TestWithParam<char> {};

TEST_P(WhatIf, EveryItemOfEveryListGivesWhatThePickGives) {
    StartedFolder folder("GER", GetParam());
    Opened base(folder);
    const auto before = Files(folder.temp);
    // The same pick on a form opened afresh, in a second copy of the folder whose files are put
    // back as they were before each opening.
    StartedFolder fresh("GER", GetParam());
    const auto freshFiles = Files(fresh.temp);
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldId field = static_cast<FieldId>(i);
        if (!IsChoiceField(field))
            continue;
        const std::vector<Variant> variants = WhatIfItems(base.form, field);
        ASSERT_EQ(variants.size(), base.form.Lists()[field].size()) << FieldName(field);
        for (size_t n = 0; n < variants.size(); ++n) {
            const VariantFigures got = ComputeVariant(base.form, variants[n]);
            for (const auto& [name, bytes] : freshFiles)
                fresh.temp.Write(name, bytes);
            AppState state{WorkingDir(fresh.temp.Path())};
            state.decimalSeparator = GetParam();
            ASSERT_FALSE(StartUp(state, nullptr, false).has_value());
            FormHost host;
            ProjectForm picked(state, fresh.messages, host);
            picked.Load();
            ASSERT_TRUE(picked.Pick(field, static_cast<int>(n + 1)));
            const std::string where = std::string(FieldName(field)) + " " + std::to_string(n + 1);
            EXPECT_EQ(got.labels.BetrKo, picked.Labels().BetrKo) << where;
            EXPECT_EQ(got.labels.LeistZ, picked.Labels().LeistZ) << where;
            EXPECT_EQ(got.labels.kWstunden, picked.Labels().kWstunden) << where;
            EXPECT_EQ(got.labels.co2consum, picked.Labels().co2consum) << where;
            EXPECT_EQ(got.record.texts, picked.Record().texts) << where;
            EXPECT_EQ(got.reason, "") << where;
        }
    }
    EXPECT_EQ(Files(folder.temp), before) << "a comparison writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Separators, WhatIf, testing::Values('.', ','));

// Each offered refrigerant gives the cycle of a run of the form with that refrigerant set; the
// ones in use today come first; one whose limits the temperatures break says why.
TEST(RefrigerantVariants, GiveTheCycleOfARunWithThatRefrigerant) {
    StartedFolder folder;
    Opened base(folder);
    const std::vector<std::string> offered = OfferedRefrigerants(base.form);
    ASSERT_GE(offered.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(offered.begin(), offered.begin() + 10),
              (std::vector<std::string>{"R22", "R134A", "R404A", "R407A", "R407C", "R410A", "R507",
                                        "PROPAN", "R600A", "AMMONIAK"}));
    for (const std::string& name : offered) {
        const VariantFigures got = ComputeVariant(base.form, Variant{name, name, {}, 0});
        StartedFolder fresh;
        Opened run(fresh);
        fresh.state.engine.CurrentRefrigerant = name;
        SetRefrigerantLimits(fresh.state.engine);
        const bool inLimits =
            -10 >= fresh.state.engine.TMinEvaporating && 45 <= fresh.state.engine.TMaxCondensing;
        EXPECT_EQ(got.reason.empty(), inLimits) << name;
        if (!inLimits) {
            EXPECT_NE(got.reason.find("tmax"), std::string::npos) << name << ": " << got.reason;
            EXPECT_EQ(got.labels.BetrKo, "") << name;
            continue;
        }
        run.form.RunCalculation();
        const CycleState& want = fresh.state.engine.cycle;
        EXPECT_EQ(got.refrigerant, name);
        EXPECT_EQ(got.cycle.p0, want.p0) << name;
        EXPECT_EQ(got.cycle.pc, want.pc) << name;
        EXPECT_EQ(got.cycle.hLiquidC, want.hLiquidC) << name;
        EXPECT_EQ(got.cycle.hVapour0, want.hVapour0) << name;
        EXPECT_EQ(got.result.AnnualEnergy, run.form.Result().AnnualEnergy) << name;
    }
    EXPECT_EQ(base.form.State().engine.CurrentRefrigerant, "R22") << "the form keeps its own";
}

// Unknown fields, items and refrigerants, refused numbers: the reason instead of figures.
TEST(VariantReasons, NameWhatCannotBeDone) {
    StartedFolder folder("ENG");
    Opened base(folder);
    const auto reason = [&](Variant v) { return ComputeVariant(base.form, v).reason; };
    EXPECT_EQ(reason({"", "", {{"Nonsense", 1, ""}}, 0}), "There is no field Nonsense.");
    EXPECT_EQ(reason({"", "", {{"RGart", 6, ""}}, 0}),
              "Condensing pressure control has no item 6.");
    EXPECT_EQ(reason({"", "", {{"RGart", 0, ""}}, 0}),
              "Condensing pressure control has no item 0.");
    EXPECT_EQ(reason({"", "R32", {}, 0}),
              "R32 cannot be compared: it has no saturation table or no property data.");
    EXPECT_NE(reason({"", "", {{"Q0", 0, "abc"}}, 0}), "");
    EXPECT_NE(reason({"", "", {{"betrstd", 0, "25"}}, 0}), "") << "hours a day above 24";
    EXPECT_EQ(reason({"", "", {{"betrstd", 0, "24"}}, 0}), "") << "24 itself is allowed";
    const VariantFigures q0 = ComputeVariant(base.form, {"", "", {{"Q0", 0, "14"}}, 0});
    EXPECT_EQ(q0.record[FieldId::Q0], "14");
    EXPECT_GT(q0.result.AnnualEnergy, 1.9 * base.form.Result().AnnualEnergy);
}

TEST(Tewi, HandComputedExampleAndPayback) {
    // R407C, 12 kg, 10 % a year, 15 years, 70 % recovered, 10000 kWh/a at 0.38 kg/kWh.
    const TewiInputs inputs{12, 10, LeakageUnit::PercentOfCharge, 15, 0.7};
    const Tewi tewi = ComputeTewi(1774, inputs, 10000, 0.38);
    EXPECT_NEAR(tewi.direct, 1774 * 1.2 * 15 + 1774 * 12 * 0.3, 1e-9);
    EXPECT_NEAR(tewi.direct, 38318.4, 1e-9);
    EXPECT_NEAR(tewi.indirect, 57000, 1e-9);
    EXPECT_NEAR(tewi.Total(), 95318.4, 1e-9);
    const TewiInputs kg{12, 3, LeakageUnit::KgPerYear, 10, 1};
    EXPECT_NEAR(ComputeTewi(3, kg, 0, 0.5).direct, 90, 1e-12);
    // Payback: investment over saving; nothing where nothing is saved.
    EXPECT_EQ(PaybackYears(1000, 250), 4);
    EXPECT_EQ(PaybackYears(1000, 0), std::nullopt);
    EXPECT_EQ(PaybackYears(1000, -50), std::nullopt);
    EXPECT_EQ(PaybackYears(0, 100), 0);
    EXPECT_EQ(PaybackYears(-200, 100), 0);
}

// The table: savings from the figures as shown, TEWI only with a GWP value, the reason in the
// first figure row; CSV with the delimiter that suits the separator.
TEST(ComparisonTable, SavingsTewiAndCsv) {
    StartedFolder folder("ENG", ',');
    Opened base(folder);
    VariantSet set;
    set.tewi = {12, 10, LeakageUnit::PercentOfCharge, 15, 0.7};
    set.variants = {{"Floating", "", {{"RGart", 5, ""}}, 900},
                    {"Ammonia \"NH3\"", "AMMONIAK", {}, 0},
                    {"CO2", "CO2", {}, 0}};
    const GwpValues gwp = GwpValues::Parse("R22,1810\nCO2,1\n");
    const Comparison c = Compare(base.form, set, gwp);
    ASSERT_EQ(c.columns.size(), 4u);
    const ComparisonColumn& floating = c.columns[1];
    EXPECT_EQ(*floating.savingEnergy,
              *c.columns[0].figures.figures.AnnualEnergy - *floating.figures.figures.AnnualEnergy);
    EXPECT_GT(*floating.savingCost, 0);
    EXPECT_DOUBLE_EQ(*floating.payback, 900 / *floating.savingCost);
    EXPECT_TRUE(c.columns[0].tewi.has_value());
    EXPECT_FALSE(c.columns[2].tewi.has_value()) << "no GWP value for ammonia in this table";
    EXPECT_FALSE(c.columns[3].tewi.has_value()) << "CO2 cannot run at tc 45";

    const ComparisonTable table = ComparisonRows(c, folder.state.captions, "EUR", ',');
    ASSERT_GE(table.rows.size(), 14u);
    EXPECT_EQ(table.rows[0].heading, "Refrigerant");
    EXPECT_TRUE(table.rows[0].cells[2].changed);
    EXPECT_FALSE(table.rows[0].cells[1].changed);
    EXPECT_EQ(table.rows[1].heading, "Condensing pressure control");
    EXPECT_TRUE(table.rows[1].cells[1].changed);
    const auto cell = [&](const std::string& heading, size_t column) {
        for (const auto& row : table.rows)
            if (row.heading == heading)
                return row.cells[column].text;
        return std::string("no row " + heading);
    };
    EXPECT_EQ(cell("COP", 0), folder.state.decimalSeparator == ',' ? "3,31" : "3.31");
    EXPECT_NE(cell("COP", 3).find("tmax"), std::string::npos);
    EXPECT_EQ(cell("Running cost (EUR/a)", 3), "\xE2\x80\x94");
    EXPECT_EQ(cell("Saving (kWh/a)", 0), "");
    EXPECT_EQ(cell("TEWI total (t CO2)", 2), "\xE2\x80\x94");

    const std::string csv = ComparisonCsv(table, ',');
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "\"\";\"Project\";\"Floating\";\"Ammonia \"\"NH3\"\"\";\"CO2\"");
    EXPECT_EQ(csv.find('\n', csv.find("tmax")), csv.find("\r\n", csv.find("tmax")) + 1)
        << "a reason of two lines stays on one line";
    EXPECT_EQ(ComparisonCsv(table, '.').substr(0, 12), "\"\",\"Project\"");
}

}  // namespace
}  // namespace tessaro
