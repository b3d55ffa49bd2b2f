// The project form's behaviour: picks and the rules they run, Enter with its checks and
// messages, focus hints, the help panel and the buttons.
#include "project/form/project_form.h"

#include "project/form_fixture.h"

namespace tessaro {
namespace {

using test::FormFixture;
using Strings = std::vector<std::string>;

class ProjectFormTest : public FormFixture {};

TEST_F(ProjectFormTest, LoadFillsTheListsInOrderWithKmLastAndRunsOnce) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    EXPECT_EQ(f.Lists()[FieldId::AnwendBereich],
              (Strings{"P2", "P31", "P3", "P4", "P5", "P6", "P7"}));
    EXPECT_EQ(f.Lists()[FieldId::Tempbereich], (Strings{"P18", "P19", "P20"}));
    EXPECT_EQ(f.Lists()[FieldId::Verdichterbauart], (Strings{"M86", "M87", "M88"}));
    EXPECT_EQ(f.Lists()[FieldId::WinterRGart],
              (Strings{"P33", "43 °C", "38 °C", "35 °C", "32 °C", "28 °C", "25 °C"}));
    EXPECT_EQ(f.Lists()[FieldId::km], (Strings{"P34", "P35", "P36", "P37"}));
    EXPECT_EQ(f.Record()[FieldId::Tempbereich], "P19");
    EXPECT_EQ(f.Record()[FieldId::Tc], "45");
    EXPECT_EQ(f.Operating().RoomTemperature, -10);
    EXPECT_EQ(f.Operating().SuctionLineLoss, 1);
    EXPECT_EQ(f.Operating().SuctionLineSuperheat, 5);
    EXPECT_EQ(f.Operating().EvaporatorSuperheat, 5);  // from the evaporator size, t0 as saved
    EXPECT_EQ(f.Record()[FieldId::t0], "-10");
    EXPECT_FALSE(f.Labels().kWstunden.empty());
    EXPECT_TRUE(state.calculationDone);
    EXPECT_EQ(host.busyCalls.front(), true);
    EXPECT_EQ(host.busyCalls.back(), false);

    // A second opening in the same run neither prepares nor calculates.
    ProjectForm again(state, messages, host);
    again.Load();
    EXPECT_TRUE(again.Labels().kWstunden.empty());
}

TEST_F(ProjectFormTest, PickingAnApplicationProposesTheRangeTemperaturesCapacityAndEnergy) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    ASSERT_TRUE(f.Pick(FieldId::AnwendBereich, 6));  // P6: three ranges, -10 °C proposed
    EXPECT_EQ(f.Record()[FieldId::Tempbereich], "P19");
    EXPECT_EQ(f.Operating().RoomTemperature, -10);
    EXPECT_EQ(f.Operating().EvaporatorSuperheat, 5);  // vdsize P10: item 3
    EXPECT_EQ(f.Record()[FieldId::t0], "-7");         // -10 + 8 - 5
    EXPECT_EQ(f.Record()[FieldId::Q0], "400");        // item 6, plant size item 2
    EXPECT_EQ(f.Record()[FieldId::lzfaktor], "1");
    EXPECT_EQ(f.Record()[FieldId::betrstd], "18");
    EXPECT_EQ(f.Record()[FieldId::JahrebetrT], "365");
    EXPECT_EQ(f.Help().infoEntry, 36);

    ASSERT_TRUE(f.Pick(FieldId::AnwendBereich, 1));  // P2: one range, 5 °C
    EXPECT_EQ(f.Lists()[FieldId::Tempbereich], Strings{"P15"});
    EXPECT_EQ(f.Record()[FieldId::Tempbereich], "P15");
    EXPECT_EQ(f.Operating().RoomTemperature, 5);
    EXPECT_EQ(f.Record()[FieldId::lzfaktor], "0.5");
    EXPECT_EQ(f.Record()[FieldId::JahrebetrT], "120");
    EXPECT_FALSE(f.Pick(FieldId::Tempbereich, 2));  // beyond the one-item list
}

TEST_F(ProjectFormTest, ProposalsAreWrittenInTheSystemNumberFormat) {
    WriteTypicalProject();
    ProjectForm& f = Open(',');
    ASSERT_TRUE(f.Pick(FieldId::vdsize, 1));  // 11 K superheat
    ASSERT_TRUE(f.Pick(FieldId::km, 4));      // 0.88: dT = 9.6, so t0 = -10 + 8 - 9.6
    EXPECT_EQ(f.Record()[FieldId::t0], "-11,6");
    EXPECT_EQ(f.Operating().EvaporatorSuperheat, 11);
    ASSERT_TRUE(f.Pick(FieldId::AnwendBereich, 3));  // P3: 0.9
    EXPECT_EQ(f.Record()[FieldId::lzfaktor], "0,9");
}

TEST_F(ProjectFormTest, CondensingProposalClampsTheWinterSetPoint) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    ASSERT_TRUE(f.Pick(FieldId::WinterRGart, 2));  // "43 °C"
    ASSERT_TRUE(f.Pick(FieldId::VFlsize, 1));      // 18 K
    ASSERT_TRUE(f.Pick(FieldId::km, 3));           // 0.8: 14.4 K
    EXPECT_EQ(f.Record()[FieldId::Tc], "46.4");
    EXPECT_EQ(f.Record()[FieldId::WinterRGart], "43 °C");
    f.Type(FieldId::tambient, "20");
    f.Enter(FieldId::tambient);
    EXPECT_EQ(f.Record()[FieldId::Tc], "34.4");
    EXPECT_EQ(f.Record()[FieldId::WinterRGart], " 34.4 °C");
    // The winter rule reads the whole text: set point 34.4 equals Tc, so no reduction.
    EXPECT_EQ(f.Operating().WinterReduction, 0);
    // A climate class writes the ambient and the condensing temperature; no ambient counts as 32.
    ASSERT_TRUE(f.Pick(FieldId::AmbientT, 4));
    EXPECT_EQ(f.Record()[FieldId::tambient], "40");
    EXPECT_EQ(f.Record()[FieldId::Tc], "54.4");
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
    const std::string ambientRange = "P13 :\r\nP61 -50 °C, 60 °C";
    struct Case {
        FieldId field;
        const char* text;
        std::string message;  // empty: accepted
    };
    const Case cases[] = {
        {FieldId::Q0, "0,0", "CL52"},
        {FieldId::Q0, "", "CL52"},
        {FieldId::Q0, "-1", "CL52"},
        {FieldId::Q0, "0", "CL52"},
        {FieldId::Q0, "0.001", ""},
        {FieldId::Q0, "100000", ""},
        {FieldId::Q0, "100000,5", q0Range},
        {FieldId::Q0, "1e308", q0Range},
        {FieldId::Q0, "12 kW", q0Range},
        {FieldId::t0, "-60", ""},
        {FieldId::t0, "-59.9", ""},
        {FieldId::t0, "-60.5", "CL53\r\ntmin = -60 °C !"},
        {FieldId::t0, "-60,5", "CL53\r\ntmin = -60 °C !"},
        {FieldId::t0, "44.9", ""},
        {FieldId::t0, "45", "CL55"},
        {FieldId::t0, "46", "CL55"},
        {FieldId::t0, "", t0Range},
        {FieldId::t0, "minus 5", t0Range},
        {FieldId::Tc, "70", ""},
        {FieldId::Tc, "70.5", "CL54\r\ntmax =  70 °C !"},
        {FieldId::Tc, "-9.9", ""},
        {FieldId::Tc, "-10", "CL55"},
        {FieldId::Tc, "-11", "CL55"},
        {FieldId::Tc, "", tcRange},
        {FieldId::Tc, "NaN", tcRange},
        {FieldId::tambient, "60", ""},
        {FieldId::tambient, "60.1", ambientRange},
        {FieldId::tambient, "-50", ""},
        {FieldId::tambient, "-50,1", ambientRange},
        {FieldId::tambient, "", ambientRange},
        {FieldId::betrstd, "24", ""},
        {FieldId::betrstd, "0", ""},
        {FieldId::betrstd, "24.01", "M82 :\r\nP61 0 h, 24 h"},
        {FieldId::betrstd, "-0.01", "M82 :\r\nP61 0 h, 24 h"},
        {FieldId::lzfaktor, "1", ""},
        {FieldId::lzfaktor, "1,01", "M83 :\r\nP61 0, 1"},
        {FieldId::JahrebetrT, "366", ""},
        {FieldId::JahrebetrT, "367", "M85 :\r\nP61 0, 366"},
        {FieldId::EnergKost, "1000", ""},
        {FieldId::EnergKost, "-300", "M84 :\r\nP61 0 EUR/kWh, 1000 EUR/kWh"},
        {FieldId::Spezco2emission, "1000", ""},
        {FieldId::Spezco2emission, "1000.5", "M222 :\r\nP61 0 kg CO2/kWh, 1000 kg CO2/kWh"},
        {FieldId::Spezco2emission, "", "M222 :\r\nP61 0 kg CO2/kWh, 1000 kg CO2/kWh"},
    };
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
            EXPECT_EQ(MessageTexts(), Strings{message});
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

TEST_F(ProjectFormTest, EnterInTcLowersTheWinterSetPoint) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    ASSERT_TRUE(f.Pick(FieldId::WinterRGart, 2));  // "43 °C"
    f.Type(FieldId::Tc, "40");
    f.Enter(FieldId::Tc);
    EXPECT_EQ(f.Record()[FieldId::WinterRGart], " 40 °C");
    ASSERT_TRUE(f.Pick(FieldId::WinterRGart, 1));  // no winter control is never clamped
    f.Type(FieldId::Tc, "20");
    f.Enter(FieldId::Tc);
    EXPECT_EQ(f.Record()[FieldId::WinterRGart], "P33");
}

TEST_F(ProjectFormTest, TypingWithoutEnterIsNotChecked) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    f.Type(FieldId::t0, "-90");
    f.Focus(FieldId::Q0);
    f.Focus(FieldId::Tc);
    EXPECT_TRUE(messages.shown.empty());
    f.Rechbutt();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(f.Record()[FieldId::t0], "-90");
}

TEST_F(ProjectFormTest, EachTemperatureAndCapacityBoxShowsItsOwnFocusHint) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    for (auto [field, hint] : {std::pair{FieldId::t0, "CL39"}, std::pair{FieldId::Q0, "CL38"},
                               std::pair{FieldId::Tc, "CL40"}}) {
        host.infoLine.clear();
        f.Focus(field);
        EXPECT_EQ(host.infoLine, hint) << FieldName(field);
    }
}

TEST_F(ProjectFormTest, HelpPicksTheInfoTextByItemWithItsDefault) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    struct Case {
        FieldId field;
        int entry;
    };
    for (auto [field, entry] :
         {Case{FieldId::WartungI, 1}, Case{FieldId::Fullzustand, 6},
          Case{FieldId::Leitungsdimension, 12}, Case{FieldId::WaermeD, 18},
          Case{FieldId::vdsize, 28}, Case{FieldId::AnwendBereich, 34}, Case{FieldId::km, 47},
          Case{FieldId::betrstd, 51}, Case{FieldId::Spezco2emission, 55}, Case{FieldId::RGart, 61},
          Case{FieldId::WinterRGart, 64}}) {
        f.Focus(field);
        EXPECT_EQ(f.Help().infoEntry, entry) << FieldName(field);
        EXPECT_TRUE(f.Help().visible);
        EXPECT_EQ(f.Help().caption, "I" + std::to_string(entry));
    }
    f.Focus(FieldId::Tempbereich);
    EXPECT_FALSE(f.Help().visible);

    // Texts that match no item take the default item; for AnwendBereich that is 0 and no
    // energy proposals are written.
    WriteProject({"R22", "10", "-10", "32", "Kühlraum", "x", "", "", "", "", "x", "x", "x", "x",
                  "x", "", "x", "43 °C"});
    ProjectForm& other = Open();
    other.Type(FieldId::lzfaktor, "0.7");
    for (auto [field, entry] :
         {Case{FieldId::WartungI, 2}, Case{FieldId::WaermeD, 18}, Case{FieldId::AnwendBereich, 30},
          Case{FieldId::RGart, 58}, Case{FieldId::WinterRGart, 63}}) {
        other.Focus(field);
        EXPECT_EQ(other.Help().infoEntry, entry) << FieldName(field);
    }
    EXPECT_EQ(other.Record()[FieldId::lzfaktor], "0.7");
}

TEST_F(ProjectFormTest, MouseOverALabelOrPanelShowsTheHelpBelowOrHidesIt) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    struct Case {
        const char* control;
        int entry;  // the info text entry shown; 0: the help panel is hidden
    };
    // The typical project shows distinct entries for every field with a help.
    const Case cases[] = {
        {"Label17", 34}, {"Label14", 1},  {"Label15", 6},  {"Label16", 12}, {"Label19", 18},
        {"Label7", 28},  {"Pn44", 28},    {"Label8", 22},  {"Pn45", 22},    {"Label31", 47},
        {"Label20", 51}, {"Label21", 52}, {"Label22", 53}, {"Label23", 54}, {"Label24", 55},
        {"Label2", 0},   {"Label4", 0},   {"Label9", 0},   {"Label18", 0},  {"Label34", 0},
        {"Label35", 0},  {"Frame3D4", 0}, {"Panel3D1", 0}, {"Panel3D2", 0}, {"Panel3D4", 0},
        {"PNRG", 0},
    };
    for (const Case& c : cases) {
        if (c.entry == 0)
            f.Focus(FieldId::RGart);  // shows entry 61
        else
            f.Focus(FieldId::Tempbereich);  // hides the panel
        f.MouseOver(c.control);
        EXPECT_EQ(f.Help().visible, c.entry != 0) << c.control;
        if (c.entry != 0) {
            EXPECT_EQ(f.Help().infoEntry, c.entry) << c.control;
        }
    }
    // Any other control leaves the panel as it is.
    f.Focus(FieldId::RGart);
    f.MouseOver("Label28");
    EXPECT_TRUE(f.Help().visible);
    EXPECT_EQ(f.Help().infoEntry, 61);
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
    for (auto [entry, length, height, width] :
         {Case{1, 70, 315, std::nullopt}, Case{1, 71, 510, 7000}, Case{1, 139, 510, 7000},
          Case{1, 140, 705, 7000}, Case{1, 209, 705, 7000}, Case{1, 210, 900, 7000},
          Case{1, 279, 900, 7000}, Case{1, 280, 315, 7000}, Case{64, 100, 510, 7000},
          Case{64, 5, 510, 7000}, Case{1, 5, 315, 7000}}) {
        SCOPED_TRACE(std::to_string(entry) + " " + std::to_string(length));
        SetInfoText(entry, std::string(length, 'x'));
        f.Focus(entry == 1 ? FieldId::WartungI : FieldId::WinterRGart);
        EXPECT_EQ(f.Help().labelHeight, height);
        if (entry == 1 && length < 280) {
            EXPECT_EQ(f.Help().labelWidth, width);
        }
    }
    EXPECT_EQ(f.Help().labelWidth, 7000);
    // Leading blanks are not shown; characters, not bytes, are counted.
    SetInfoText(1, "   Verflüssiger");
    f.Focus(FieldId::WartungI);
    EXPECT_EQ(f.Help().caption, "Verflüssiger");
}

TEST_F(ProjectFormTest, ButtonsSaveCloseAndShowWhatTheyShould) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    f.Type(FieldId::betrstd, "8");
    f.Enter(FieldId::betrstd);
    EXPECT_EQ(temp.Read("energk.dat"), "8,0.8,0.2,365,0.5\r\n");
    f.Type(FieldId::Q0, "99");
    f.Command3D2();
    EXPECT_TRUE(f.Closed());
    // Cancel keeps the confirmed energy value but not the plant fields.
    EXPECT_NE(temp.Read("TempPart.dat").find("\"10\""), std::string::npos);

    ProjectForm& g = Open();
    EXPECT_EQ(g.Record()[FieldId::betrstd], " 8");
    g.Type(FieldId::Q0, "12,5");
    g.Abbrechen();
    EXPECT_TRUE(g.Closed());
    EXPECT_NE(temp.Read("TempPart.dat").find("\"12,5\""), std::string::npos);
}

// The help box opens with the project form's help context, which is cleared when it closes; the
// report viewer opens once, on the report file just written.
TEST_F(ProjectFormTest, HelpAndPrintButtonsOpenTheirWindowsAtTheRightMoment) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    std::vector<int> helpContexts;
    host.onHelpBox = [&] { helpContexts.push_back(state.settings.HelpContext); };
    std::vector<bool> reportWritten;
    host.onReportViewer = [&] { reportWritten.push_back(temp.Exists("ergEN1.DAT")); };

    state.settings.HelpContext = 3;  // as the welcome dialog leaves it
    f.Command3D3();
    EXPECT_EQ(helpContexts, std::vector<int>{33});
    EXPECT_EQ(state.settings.HelpContext, 0);

    ASSERT_FALSE(temp.Exists("ergEN1.DAT"));
    f.Printbutt();
    EXPECT_EQ(reportWritten, std::vector<bool>{true});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFormTest, CaptionByLanguage) {
    ProjectForm& f = Open();
    for (auto [code, caption] :
         {std::pair{"TST", "Tessaro : M81 M66 - Simulation M222 CO2"},
          {"FRA", "Tessaro : M81 de M66 - Simulacion M222 CO2"},
          {"POR", "Tessaro : M81 del M66 - Simulacion M222 CO2"},
          {"ITA", "Tessaro : M81 del M66 - Simulazione della M222 di CO2"}}) {
        state.settings.LanguageCode = code;
        EXPECT_EQ(f.Caption(), caption) << code;
    }
}

}  // namespace
}  // namespace tessaro
