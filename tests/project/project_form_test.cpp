// The project form's behaviour: every item of every list through the rules its pick runs, the
// blanks each rule ignores, Enter with its limits and messages, focus and help, and the buttons.
#include "project/form/project_form.h"

#include <cmath>

#include "project/form_fixture.h"

namespace tessaro {
namespace {

using test::FormFixture;
using Strings = std::vector<std::string>;
using Texts = std::vector<std::pair<FieldId, std::string>>;
using Values = std::vector<std::pair<double OperatingValues::*, double>>;

constexpr auto Room = &OperatingValues::RoomTemperature;
constexpr auto EvapSH = &OperatingValues::EvaporatorSuperheat;
constexpr auto CondDiff = &OperatingValues::CondenserDifference;
constexpr auto Loss = &OperatingValues::SuctionLineLoss;
constexpr auto LineSH = &OperatingValues::SuctionLineSuperheat;
constexpr auto Maint = &OperatingValues::MaintenanceOffset;
constexpr auto Fill = &OperatingValues::FillFactor;
constexpr auto Winter = &OperatingValues::WinterReduction;
constexpr std::pair<const char*, double OperatingValues::*> kValues[] = {
    {"RoomTemperature", Room}, {"EvaporatorSuperheat", EvapSH},  {"CondenserDifference", CondDiff},
    {"SuctionLineLoss", Loss}, {"SuctionLineSuperheat", LineSH}, {"MaintenanceOffset", Maint},
    {"FillFactor", Fill},      {"WinterReduction", Winter}};

// (tc - tw)^0.8: the winter reduction of a cold store with the full pressure control.
double R(double difference) {
    return std::pow(difference, 0.8);
}

// One item picked: every field text and operating value the pick changes (the picked field's own
// text included) and the info text entry its help shows (0: the help stays as it was).
struct PickRow {
    int item;
    Texts texts;
    Values values;
    int help = 0;
};

class ProjectFormTest : public FormFixture {
  protected:
    // Picks each row's item on the freshly loaded typical project (after setup, in a locale with
    // a decimal comma) and checks that the pick changes what the row says and nothing else: every
    // field, every operating value, the help and the ranges offered.
    void ExpectPicks(FieldId field, const std::vector<PickRow>& rows,
                     const std::function<void(ProjectForm&)>& setup = {}) {
        for (const PickRow& row : rows) {
            SCOPED_TRACE(std::string(FieldName(field)) + " item " + std::to_string(row.item));
            WriteTypicalProject();
            state.calculationDone = false;
            ProjectForm& f = Open(',');
            if (setup)
                setup(f);
            ProjectParameters texts = f.Record();
            OperatingValues values = f.Operating();
            const HelpPanel help = f.Help();
            ASSERT_TRUE(f.Pick(field, row.item));
            for (const auto& [changed, text] : row.texts)
                texts[changed] = text;
            for (const auto& [member, value] : row.values)
                values.*member = value;
            for (int i = 0; i < kFieldCount; ++i) {
                const auto shown = static_cast<FieldId>(i);
                EXPECT_EQ(f.Record()[shown], texts[shown]) << FieldName(shown);
            }
            for (const auto& [name, member] : kValues)
                EXPECT_NEAR(f.Operating().*member, values.*member, 1e-9) << name;
            EXPECT_EQ(f.Help().visible, row.help != 0 || help.visible);
            EXPECT_EQ(f.Help().infoEntry, row.help != 0 ? row.help : help.infoEntry);
            const Strings ranges = texts[FieldId::Tempbereich] == "P15"
                                       ? Strings{"P15"}
                                       : Strings{"P18", "P19", "P20"};
            EXPECT_EQ(f.Lists()[FieldId::Tempbereich], ranges);
        }
    }
};

// The typical project: cold store (item 4) of range -10 °C (item 2) with plant size item 2, a
// large evaporator (5 K), a condenser of normal size (13 K), km item 2, ambient 32 °C, no winter
// control, pressure control item 5: t0 -10, Tc 45, winter reduction 22^0.8.
// An application writes its energy proposals, offers one range (items 1 to 3) or
// three, and proposes t0 = room + 8 - 5 and Q0; pipes lose twice as much for items 1 and 2, where
// the reduction is 22 / 4. Picked from the range -2 °C, so that every pick shows the range and the
// room temperature it sets.
TEST_F(ProjectFormTest, ApplicationPickProposesRangeTemperaturesCapacityAndEnergy) {
    using enum FieldId;
    // clang-format off
    ExpectPicks(AnwendBereich, {
        {1, {{AnwendBereich, "P2"}, {Tempbereich, "P15"}, {t0, "8"}, {Q0, "5"}, {betrstd, "12"},
             {lzfaktor, "0,5"}, {JahrebetrT, "120"}}, {{Room, 5}, {Loss, 2}, {Winter, 5.5}}, 31},
        {2, {{AnwendBereich, "P31"}, {Tempbereich, "P15"}, {t0, "8"}, {Q0, "25"}, {betrstd, "12"},
             {lzfaktor, "0,5"}, {JahrebetrT, "200"}}, {{Room, 5}, {Loss, 2}, {Winter, 5.5}}, 32},
        {3, {{AnwendBereich, "P3"}, {Tempbereich, "P15"}, {t0, "5"}, {Q0, "55"}, {betrstd, "18"},
             {lzfaktor, "0,9"}, {JahrebetrT, "365"}}, {{Room, 2}}, 33},
        {4, {{Tempbereich, "P19"}, {t0, "-7"}, {Q0, "7"}, {betrstd, "18"}, {lzfaktor, "1"},
             {JahrebetrT, "365"}}, {{Room, -10}}, 34},
        {5, {{AnwendBereich, "P5"}, {Tempbereich, "P19"}, {t0, "-7"}, {Q0, "70"}, {betrstd, "18"},
             {lzfaktor, "0,9"}, {JahrebetrT, "365"}}, {{Room, -10}}, 35},
        {6, {{AnwendBereich, "P6"}, {Tempbereich, "P19"}, {t0, "-7"}, {Q0, "400"}, {betrstd, "18"},
             {lzfaktor, "1"}, {JahrebetrT, "365"}}, {{Room, -10}}, 36},
        {7, {{AnwendBereich, "P7"}, {Tempbereich, "P19"}, {t0, "-7"}, {Q0, "50"}, {betrstd, "16"},
             {lzfaktor, "1"}, {JahrebetrT, "365"}}, {{Room, -10}}, 37},
    }, [](ProjectForm& f) { f.Pick(Tempbereich, 1); });
    // clang-format on
}

// The range sets the room temperature and proposes t0 and Q0; the plant size proposes Q0; the
// evaporator sets its superheat and proposes t0 from the range the user chose (-2 °C there).
TEST_F(ProjectFormTest, RangePlantSizeAndEvaporatorPicksProposeT0AndQ0) {
    using enum FieldId;
    // clang-format off
    ExpectPicks(Tempbereich, {{1, {{Tempbereich, "P18"}, {t0, "1"}, {Q0, "7"}}, {{Room, -2}}},
                              {2, {{t0, "-7"}, {Q0, "7"}}, {}},
                              {3, {{Tempbereich, "P20"}, {t0, "-27"}, {Q0, "7"}}, {{Room, -30}}}});
    ExpectPicks(AnlGroesse, {{1, {{AnlGroesse, "P8"}, {Q0, "2,5"}}, {}},
                             {2, {{Q0, "7"}}, {}},
                             {3, {{AnlGroesse, "P10"}, {Q0, "18"}}, {}}});
    ExpectPicks(vdsize, {{1, {{vdsize, "P8"}, {t0, "-5"}}, {{EvapSH, 11}}, 26},
                         {2, {{vdsize, "P9"}, {t0, "-2"}}, {{EvapSH, 8}}, 27},
                         {3, {{t0, "1"}}, {}, 28}},
                [](ProjectForm& f) { f.Pick(Tempbereich, 1); });
    // clang-format on
}

// km shortens both temperature differences: t0 from 5 K times 1, 1, 0.92, 0.88, Tc from 13 K
// times 1, 1, 0.8, 0.7, each cut to a tenth. With the winter set point 43 °C, the condenser and
// the climate propose Tc, and a set point above it comes down to it.
TEST_F(ProjectFormTest, KmCondenserAndClimatePicksProposeTcAndClampTheWinterSetPoint) {
    using enum FieldId;
    const auto setPoint43 = [](ProjectForm& f) { f.Pick(WinterRGart, 2); };
    // clang-format off
    ExpectPicks(km, {{1, {{km, "P34"}, {t0, "-7"}, {Tc, "45"}}, {}, 46},
                     {2, {{t0, "-7"}, {Tc, "45"}}, {}, 47},
                     {3, {{km, "P36"}, {t0, "-6,6"}, {Tc, "42,4"}}, {{CondDiff, 10.4}}, 48},
                     {4, {{km, "P37"}, {t0, "-6,4"}, {Tc, "41,1"}}, {{CondDiff, 9.1}}, 49}});
    ExpectPicks(VFlsize, {{1, {{VFlsize, "P8"}, {Tc, "50"}}, {{CondDiff, 18}, {Winter, R(7)}}, 21},
                          {2, {{Tc, "45"}}, {}, 22},
                          {3, {{VFlsize, "P10"}, {Tc, "42"}, {WinterRGart, " 42 °C"}},
                           {{CondDiff, 10}, {Winter, 0}}, 23}}, setPoint43);
    ExpectPicks(AmbientT, {
        {1, {{AmbientT, "P14"}, {tambient, "28"}, {Tc, "41"}, {WinterRGart, " 41 °C"}}, {{Winter, 0}}},
        {2, {{tambient, "32"}, {Tc, "45"}}, {}},
        {3, {{AmbientT, "P16"}, {tambient, "35"}, {Tc, "48"}}, {{Winter, R(5)}}},
        {4, {{AmbientT, "P17"}, {tambient, "40"}, {Tc, "53"}}, {{Winter, R(10)}}}}, setPoint43);
    // clang-format on
}

// The pressure control scales the reduction; the winter set point is its lower end (without
// winter control 13 + 10 K).
TEST_F(ProjectFormTest, ControlPicksSetTheWinterReduction) {
    using enum FieldId;
    // clang-format off
    ExpectPicks(RGart, {{1, {{RGart, "P41"}, {Tc, "45"}}, {{Winter, 0.3 * R(22)}}, 57},
                        {2, {{RGart, "P42"}, {Tc, "45"}}, {{Winter, 0.7 * R(22)}}, 58},
                        {3, {{RGart, "P43"}, {Tc, "45"}}, {{Winter, 0.92 * R(22)}}, 59},
                        {4, {{RGart, "P44"}, {Tc, "45"}}, {{Winter, 0.9 * R(22)}}, 60},
                        {5, {{Tc, "45"}}, {}, 61}});
    ExpectPicks(WinterRGart, {{1, {{Tc, "45"}}, {}, 64},
                              {2, {{WinterRGart, "43 °C"}, {Tc, "45"}}, {{Winter, R(2)}}, 63},
                              {3, {{WinterRGart, "38 °C"}, {Tc, "45"}}, {{Winter, R(7)}}, 63},
                              {4, {{WinterRGart, "35 °C"}, {Tc, "45"}}, {{Winter, R(10)}}, 63},
                              {5, {{WinterRGart, "32 °C"}, {Tc, "45"}}, {{Winter, R(13)}}, 63},
                              {6, {{WinterRGart, "28 °C"}, {Tc, "45"}}, {{Winter, R(17)}}, 63},
                              {7, {{WinterRGart, "25 °C"}, {Tc, "45"}}, {{Winter, R(20)}}, 63}});
    // clang-format on
}

TEST_F(ProjectFormTest, PlantConditionPicksSetTheirOperatingValues) {
    using enum FieldId;
    // clang-format off
    ExpectPicks(Leitungsdimension, {{1, {{Leitungsdimension, "P8"}}, {{Loss, 2}}, 11},
                                    {2, {}, {}, 12},
                                    {3, {{Leitungsdimension, "P10"}}, {{Loss, 0.5}}, 13}});
    ExpectPicks(WaermeD, {{1, {{WaermeD, "P33"}}, {{LineSH, 20}}, 16},
                          {2, {{WaermeD, "P14"}}, {{LineSH, 10}}, 17},
                          {3, {}, {}, 18},
                          {4, {{WaermeD, "P16"}}, {{LineSH, 0}}, 19}});
    ExpectPicks(WartungI, {{1, {}, {}, 1},
                           {2, {{WartungI, "P24"}}, {{Maint, 3}}, 2},
                           {3, {{WartungI, "P25"}}, {{Maint, 8}}, 3}});
    ExpectPicks(Fullzustand, {{1, {}, {}, 6},
                              {2, {{Fullzustand, "P27"}}, {{Fill, 1.15}}, 7},
                              {3, {{Fullzustand, "P28"}}, {{Fill, 1.3}}, 8}});
    // clang-format on
}

// A choice with blanks around it is its item where the rule ignores blanks (evaporator, condenser,
// pipes) and no item where it does not (insulation, maintenance, charge).
TEST_F(ProjectFormTest, BlanksAroundAChoiceCountWhereTheRuleIgnoresThem) {
    WriteProject({"R22", "10", "-10", "32", "P4", " P8 ", "P9", " P8 ", "P15", "P19", " P25 ",
                  " P28 ", " P10 ", " P14 ", "P35", "M87", "P45", "P33"});
    state.calculationDone = false;
    const OperatingValues& op = Open().Operating();
    EXPECT_EQ((std::array{op.EvaporatorSuperheat, op.CondenserDifference, op.SuctionLineLoss,
                          op.SuctionLineSuperheat, op.MaintenanceOffset, op.FillFactor}),
              (std::array<double, 6>{11, 18, 0.5, 5, 0, 1}));
}

// Every number box at its limits, one step inside and one step outside, and texts that are no
// number. The refrigerant's limits and Q0 of 0 keep their own messages; everything else refused
// names the box and its range. The typical project has t0 -10 and Tc 45.
TEST_F(ProjectFormTest, EnterChecksTheLimitsAndARejectedValueRecalculatesNothing) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    const auto shown = [&f] {
        const ResultLabels& l = f.Labels();
        return Strings{l.tSLeit, l.LeistZ, l.BetrKo, l.kWstunden, l.co2consum};
    };
    const std::string q0Range = "Qo :\r\nP62 0 kW, 100000 kW";
    const std::string t0Range = "to :\r\nP61 -60 °C, 70 °C";
    const std::string tcRange = "tc :\r\nP61 -60 °C, 70 °C";
    const std::string tmin = "CL53\r\ntmin = -60 °C !";
    const std::string ambient = "P13 :\r\nP61 -50 °C, 60 °C";
    const std::string hours = "M82 :\r\nP61 0 h, 24 h";
    const std::string factor = "M83 :\r\nP61 0, 1";
    const std::string days = "M85 :\r\nP61 0, 366";
    const std::string price = "M84 :\r\nP61 0 EUR/kWh, 1000 EUR/kWh";
    const std::string co2 = "M222 :\r\nP61 0 kg CO2/kWh, 1000 kg CO2/kWh";
    struct Case {
        FieldId field;
        const char* text;
        std::string message;  // empty: accepted
    };
    using enum FieldId;
    // clang-format off
    const Case cases[] = {
        {Q0, "0,0", "CL52"}, {Q0, "", "CL52"}, {Q0, "-1", "CL52"}, {Q0, "0", "CL52"},
        {Q0, "0.001", ""}, {Q0, "99999,9", ""}, {Q0, "100000", ""}, {Q0, "100000,5", q0Range},
        {Q0, "1e308", q0Range}, {Q0, "12 kW", q0Range},
        {t0, "-60", ""}, {t0, "-59.9", ""}, {t0, "-60.5", tmin}, {t0, "-60,5", tmin},
        {t0, "44.9", ""}, {t0, "45", "CL55"}, {t0, "46", "CL55"}, {t0, "70.5", t0Range},
        {t0, "", t0Range}, {t0, "minus 5", t0Range},
        {Tc, "70", ""}, {Tc, "69.9", ""}, {Tc, "70.5", "CL54\r\ntmax =  70 °C !"},
        {Tc, "-9.9", ""}, {Tc, "-10", "CL55"}, {Tc, "-11", "CL55"}, {Tc, "", tcRange},
        {Tc, "NaN", tcRange},
        {tambient, "60", ""}, {tambient, "59.9", ""}, {tambient, "60.1", ambient},
        {tambient, "-50", ""}, {tambient, "-49,9", ""}, {tambient, "-50,1", ambient},
        {tambient, "", ambient},
        {betrstd, "24", ""}, {betrstd, "23.99", ""}, {betrstd, "24.01", hours},
        {betrstd, "0", ""}, {betrstd, "0.01", ""}, {betrstd, "-0.01", hours},
        {lzfaktor, "1", ""}, {lzfaktor, "0,99", ""}, {lzfaktor, "1,01", factor},
        {lzfaktor, "0", ""}, {lzfaktor, "-0.01", factor},
        {JahrebetrT, "366", ""}, {JahrebetrT, "365.9", ""}, {JahrebetrT, "366.1", days},
        {JahrebetrT, "0", ""}, {JahrebetrT, "-1", days},
        {EnergKost, "1000", ""}, {EnergKost, "999.99", ""}, {EnergKost, "1000.01", price},
        {EnergKost, "0", ""}, {EnergKost, "-0.01", price},
        {Spezco2emission, "1000", ""}, {Spezco2emission, "999,9", ""},
        {Spezco2emission, "1000.5", co2}, {Spezco2emission, "0", ""},
        {Spezco2emission, "-0.01", co2}, {Spezco2emission, "", co2},
    };
    // clang-format on
    for (const auto& [field, text, message] : cases) {
        SCOPED_TRACE(std::string(FieldName(field)) + " " + text);
        const std::string kept = f.Record()[field];
        const Strings labels = shown();
        const double energy = f.Result().AnnualEnergy;
        const std::string energyFile = temp.Read("energk.dat");
        const size_t busyCalls = host.busyCalls.size();
        messages.shown.clear();
        f.Type(field, text);
        f.Enter(field);
        EXPECT_EQ(f.Record()[field], text) << "the typed text stays";
        if (message.empty()) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_GT(host.busyCalls.size(), busyCalls) << "accepted, so calculated";
        } else {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, message);
            EXPECT_EQ(messages.shown[0].title, "Tessaro");
            EXPECT_EQ(host.busyCalls.size(), busyCalls) << "the busy pointer was shown";
            EXPECT_EQ(shown(), labels);
            EXPECT_EQ(f.Result().AnnualEnergy, energy);
            EXPECT_EQ(temp.Read("energk.dat"), energyFile);
        }
        f.Type(field, kept);
        f.Enter(field);
    }
}

// Enter in Tc or in the ambient temperature brings a winter set point above Tc down to it, as the
// sign-place text with a point; one equal to Tc stays, and "no winter control" is never touched.
TEST_F(ProjectFormTest, EnterLowersAWinterSetPointAboveTc) {
    WriteTypicalProject();
    ProjectForm& f = Open(',');
    ASSERT_TRUE(f.Pick(FieldId::WinterRGart, 2));  // "43 °C"
    for (const auto& [field, text, setPoint] :
         {std::tuple{FieldId::Tc, "43", "43 °C"}, std::tuple{FieldId::tambient, "30", "43 °C"},
          std::tuple{FieldId::tambient, "29,9", " 42.9 °C"}}) {
        f.Type(field, text);
        f.Enter(field);
        EXPECT_EQ(f.Record()[FieldId::WinterRGart], setPoint) << text;
    }
    EXPECT_EQ(f.Operating().WinterReduction, 0);  // the set point equals Tc
    ASSERT_TRUE(f.Pick(FieldId::WinterRGart, 1));
    f.Type(FieldId::Tc, "20");
    f.Enter(FieldId::Tc);
    EXPECT_EQ(f.Record()[FieldId::WinterRGart], "P33");
    EXPECT_TRUE(messages.shown.empty());
}

// Focus shows the help of the item a field shows, or the help's default item for a text that
// matches no item; the capacity and temperature boxes give their hint to the main window's info
// line instead, and the temperature range hides the help.
TEST_F(ProjectFormTest, FocusShowsTheHelpOfTheDefaultItemForATextOfNoItem) {
    WriteProject({"R22", "10", "-10", "32", "x", "x", "x", "x", "x", "x", "x", "x", "x", "x", "x",
                  "x", "x", "43 °C"});
    ProjectForm& f = Open();
    using enum FieldId;
    // clang-format off
    const std::pair<FieldId, int> rows[] = {
        {WartungI, 2}, {Fullzustand, 7}, {Leitungsdimension, 12}, {WaermeD, 18}, {vdsize, 27},
        {AnwendBereich, 30}, {km, 47}, {betrstd, 51}, {lzfaktor, 52}, {EnergKost, 53},
        {JahrebetrT, 54}, {Spezco2emission, 55}, {RGart, 58}, {WinterRGart, 63}};
    // clang-format on
    for (const auto& [field, entry] : rows) {
        f.Focus(field);
        EXPECT_TRUE(f.Help().visible) << FieldName(field);
        EXPECT_EQ(f.Help().caption, "I" + std::to_string(entry)) << FieldName(field);
    }
    f.Focus(Tempbereich);
    EXPECT_FALSE(f.Help().visible);
    for (const auto& [field, hint] : {std::pair{Q0, "CL38"}, {t0, "CL39"}, {Tc, "CL40"}}) {
        f.Focus(field);
        EXPECT_EQ(host.infoLine, hint) << FieldName(field);
    }
    EXPECT_FALSE(f.Help().visible);
}

// The help label grows with the length of the text in steps; 280 characters or more keep the
// height of the first step and the previous width; the winter set point's help keeps the height.
TEST_F(ProjectFormTest, HelpLabelIsSizedByTheLengthOfTheText) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    struct Case {
        int entry;  // 1: WartungI P23, 64: WinterRGart
        size_t length;
        int height;
        std::optional<int> width;
    };
    // clang-format off
    for (auto [entry, length, height, width] : {
             Case{1, 70, 315, std::nullopt}, Case{1, 71, 510, 7000}, Case{1, 139, 510, 7000},
             Case{1, 140, 705, 7000}, Case{1, 209, 705, 7000}, Case{1, 210, 900, 7000},
             Case{1, 279, 900, 7000}, Case{1, 280, 315, 7000}, Case{64, 100, 510, 7000},
             Case{64, 5, 510, 7000}, Case{1, 5, 315, 7000}}) {
        // clang-format on
        SCOPED_TRACE(std::to_string(entry) + " " + std::to_string(length));
        SetInfoText(entry, std::string(length, 'x'));
        f.Focus(entry == 1 ? FieldId::WartungI : FieldId::WinterRGart);
        EXPECT_EQ(f.Help().labelHeight, height);
        if (entry == 1 && length < 280) {
            EXPECT_EQ(f.Help().labelWidth, width);
        }
    }
    // Leading blanks are not shown; characters, not bytes, are counted.
    SetInfoText(1, "   Verflüssiger");
    f.Focus(FieldId::WartungI);
    EXPECT_EQ(f.Help().caption, "Verflüssiger");
}

TEST_F(ProjectFormTest, CancelKeepsOnlyTheConfirmedEnergyValueAndOkSavesAll) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    f.Type(FieldId::betrstd, "8");
    f.Enter(FieldId::betrstd);
    EXPECT_EQ(temp.Read("energk.dat"), "8,0.8,0.2,365,0.5\r\n");
    f.Type(FieldId::Q0, "99");
    f.Command3D2();
    EXPECT_TRUE(f.Closed());
    EXPECT_NE(temp.Read("TempPart.dat").find("\"10\""), std::string::npos);

    ProjectForm& g = Open();
    EXPECT_EQ(g.Record()[FieldId::betrstd], " 8");
    g.Type(FieldId::Q0, "12,5");
    g.Type(FieldId::lzfaktor, "0,7");  // typed, not confirmed: O.K. saves it
    g.Abbrechen();
    EXPECT_TRUE(g.Closed());
    EXPECT_EQ(host.closes, 2);
    EXPECT_NE(temp.Read("TempPart.dat").find("\"12,5\""), std::string::npos);
    EXPECT_EQ(temp.Read("energk.dat"), "8,0.7,0.2,365,0.5\r\n");
}

}  // namespace
}  // namespace tessaro
