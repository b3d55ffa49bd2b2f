// The refrigerant registry and the saturation tables: every name with its table and limits, every
// shipped table read, the lookup by temperature and pressure, and table lines of every shape.
#include "engine/saturation_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>

#include "engine/refrigerant_registry.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// Each test works in a fresh folder; the decimal separator of the user's number format must not
// change how a table is read.
class SaturationTableTest : public ::testing::TestWithParam<char> {
  protected:
    SaturationTableTest() { state.decimalSeparator = GetParam(); }

    void Use(const std::string& refrigerant) {
        state.engine.CurrentRefrigerant = refrigerant;
        if (auto file = SelectRefrigerantFile(refrigerant); file && !dir.Exists(*file))
            dir.CopyFromData({*file});
    }

    std::vector<SaturationRow> Rows(const std::string& refrigerant) {
        Use(refrigerant);
        return ReadSaturationRows(state, refrigerant).value_or(std::vector<SaturationRow>{});
    }

    SaturationBracket& Bracket() { return state.engine.bracket; }

    test::TempDir dir;
    AppState state{WorkingDir(dir.Path())};
};

INSTANTIATE_TEST_SUITE_P(DecimalSeparators, SaturationTableTest, ::testing::Values('.', ','));

// Every installed table, read with its reading rules, holds saturated states in K, bar, kJ/kg and
// kg/m³, one kelvin apart. A reading rule that is missing or applied wrongly breaks one of these
// (volumes instead of densities swap the order of c6 and c7, a wrong sign makes the latent heat
// negative, °C instead of K puts c1 below 100).
TEST_P(SaturationTableTest, EveryTableReadsIntoPhysicalRows) {
    std::set<std::string> filesSeen;
    for (const RefrigerantEntry& entry : RefrigerantTable()) {
        if (!filesSeen.insert(std::string(entry.file)).second)
            continue;
        SCOPED_TRACE(std::string(entry.file));
        std::vector<SaturationRow> rows = Rows(std::string(entry.name));
        ASSERT_GT(rows.size(), 50u);
        for (size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE("line " + std::to_string(i + 1));
            const SaturationRow& r = rows[i];
            ASSERT_GT(r[0], 80);
            ASSERT_GT(r[4], r[3]) << "latent heat";
            ASSERT_GT(r[5], r[6]) << "densities";
            if (i > 0) {
                ASSERT_NEAR(r[0] - rows[i - 1][0], 1, 1e-9);
                ASSERT_TRUE(r[1] > rows[i - 1][1] && r[2] > rows[i - 1][2]) << "pressures";
                ASSERT_GT(r[3], rows[i - 1][3]) << "liquid enthalpy";
            }
        }
    }
    EXPECT_EQ(filesSeen.size(), 40u);
}

// The volume rule is the one reading rule that no other check sees (the densities enter no
// figure): R12.DAT line 1 is 116.15,0.00000245460,0.00000245460,66.3760,283.231,0.546834,
// 32538572.4. R123.DAT holds °C: its line 1 begins with -107.00.
TEST_P(SaturationTableTest, ReadingRulesTurnTheStoredFormsIntoProperties) {
    const SaturationRow r12 = Rows("R12").at(0);
    EXPECT_EQ(std::pair(r12[5], r12[6]), std::pair(1000 / 0.546834, 1000 / 32538572.4));
    EXPECT_NEAR(Rows("R123").at(0)[0], 166.15, 1e-12);
}

// Lower = last row below the key, upper = first row at or above it; outside the table the two end
// rows on that side, so that Interpolate extrapolates.
TEST_P(SaturationTableTest, TheBracketAroundTheKey) {
    const std::vector<SaturationRow> rows = Rows("R22");
    const size_t n = rows.size();
    ASSERT_TRUE(LookupSaturation(state, rows[2][0], 0));
    EXPECT_EQ(Bracket().lower, rows[1]);
    EXPECT_EQ(Bracket().upper, rows[2]);
    for (int column = 1; column <= 7; ++column)
        EXPECT_EQ(Interpolate(Bracket(), column), rows[2][column - 1]) << column;

    ASSERT_TRUE(LookupSaturation(state, std::nextafter(rows[2][0], 1e9), 0));
    EXPECT_EQ(Bracket().lower, rows[2]);
    EXPECT_EQ(Bracket().upper, rows[3]);
    ASSERT_TRUE(LookupSaturation(state, rows[2][0] + 0.5, 0));
    EXPECT_NEAR(Interpolate(Bracket(), 2), (rows[2][1] + rows[3][1]) / 2, 1e-12);

    ASSERT_TRUE(LookupSaturation(state, rows[0][0] - 5, 0));
    EXPECT_EQ(Bracket().lower, rows[0]);
    EXPECT_EQ(Bracket().upper, rows[1]);
    ASSERT_TRUE(LookupSaturation(state, rows[n - 1][0] + 2, 0));
    EXPECT_EQ(Bracket().lower, rows[n - 2]);
    EXPECT_EQ(Bracket().upper, rows[n - 1]);
    // The first row's own key makes it the upper row; the lower one is kept from before.
    ASSERT_TRUE(LookupSaturation(state, rows[0][0], 0));
    EXPECT_EQ(Bracket().lower, rows[n - 2]);
    EXPECT_EQ(Interpolate(Bracket(), 2), rows[0][1]);
}

// By bubble pressure c1 and c2 change places, by dew pressure c1 and c3.
TEST_P(SaturationTableTest, LookupByPressureExchangesTheKeyColumn) {
    const SaturationRow row = Rows("R407C").at(100);
    ASSERT_TRUE(LookupSaturation(state, row[1], 1));
    EXPECT_EQ(Bracket().upper[0], row[1]);
    EXPECT_EQ(Interpolate(Bracket(), 2), row[0]);
    EXPECT_EQ(Interpolate(Bracket(), 3), row[2]);
    ASSERT_TRUE(LookupSaturation(state, row[2], 2));
    EXPECT_EQ(Interpolate(Bracket(), 3), row[0]);
    EXPECT_EQ(Interpolate(Bracket(), 2), row[1]);
}

// An unknown name, a file not in the folder, a key column out of range and a file without rows
// leave the bracket; every lookup resets the help context.
TEST_P(SaturationTableTest, ALookupThatCannotReadItsTableLeavesTheBracket) {
    Use("R22");
    dir.Write("R12.DAT", "\r\n  \r\n");
    state.settings.HelpContext = 4;
    ASSERT_TRUE(LookupSaturation(state, 280.3, 0));
    EXPECT_EQ(state.settings.HelpContext, 0);
    const SaturationBracket before = Bracket();
    for (auto [name, keyColumn] :
         {std::pair{"R32", 0}, {"R134A", 0}, {"R22", 3}, {"R22", -1}, {"R12", 0}}) {
        SCOPED_TRACE(name);
        state.engine.CurrentRefrigerant = name;
        state.settings.HelpContext = 4;
        EXPECT_FALSE(LookupSaturation(state, 250, keyColumn));
        EXPECT_EQ(state.settings.HelpContext, 0);
        EXPECT_EQ(Bracket().lower, before.lower);
        EXPECT_EQ(Bracket().upper, before.upper);
        EXPECT_EQ(Bracket().key, before.key);
    }
}

// The table is looked for behind the path prefix, in any letter case.
TEST_P(SaturationTableTest, TablesAreFoundBehindThePathPrefixInAnyLetterCase) {
    std::filesystem::create_directory(dir.Path() / "tables");
    std::filesystem::copy_file(test::DataDir() / "R22.DAT", dir.Path() / "tables" / "r22.dat");
    state.engine.CurrentRefrigerant = "R22";
    EXPECT_FALSE(LookupSaturation(state, 250, 0));
    state.settings.refrigerantPathPrefix = "tables/";
    EXPECT_TRUE(LookupSaturation(state, 250, 0));
}

// The shapes a table line can take. Blank lines, blanks around numbers, commas or blanks between
// them, CR, LF or CR LF, signs, exponents and a point without digits after it are read; a line of
// six or eight numbers, an empty field in the middle, another separator, text, a number beyond
// the range of a double or a specific volume of 0 (R12 takes the volume rule) is malformed and
// fails the lookup at that line: the rows before it were scanned and stay stored.
TEST_P(SaturationTableTest, LinesOfEveryShape) {
    dir.Write("R22.DAT",
              "\r\n 200.15 , 1, 1,100,300,1000,1\r\n   \n201.15 2 2 110 310 990 2\n"
              "202.15,3,3 ,120\t,320,980,3\r203.15,4e0,+4,1.3E2,330.,970,.4e1\n\n");
    const std::vector<SaturationRow> rows = ReadSaturationRows(state, "R22").value();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], (SaturationRow{201.15, 2, 2, 110, 310, 990, 2}));
    EXPECT_EQ(rows[2], (SaturationRow{202.15, 3, 3, 120, 320, 980, 3}));
    EXPECT_EQ(rows[3], (SaturationRow{203.15, 4, 4, 130, 330, 970, 4}));

    const std::string good = "200.15,1,1,100,300,1000,1\r\n201.15,2,2,110,310,990,2\r\n";
    const std::string after = "\r\n203.15,4,4,130,330,970,4\r\n";
    state.engine.CurrentRefrigerant = "R12";
    for (const char* bad :
         {"202.15,3,3,120,320,980", "202.15,3,3,120,320,980,3,4", "202.15,3,3,,120,320,980",
          "202.15;3;3;120;320;980;3", "202.15,3,3,120,320,980,x", "202.15,3,3,120,320,980,inf",
          "202.15,3,3,120,320,980,nan", "202.15,3,3,120,320,980,1e999", "202.15,3,3,12O,320,980,3",
          "202.15,3,3,120,320,980,3,", "202.15,3,3,120,320,980,-", "202.15,3,3,120-320,980,3",
          "202.15,3,3,120,320,0,3"}) {
        SCOPED_TRACE(bad);
        dir.Write("R12.DAT", good + std::string(bad) + after);
        Bracket() = SaturationBracket{};
        EXPECT_FALSE(LookupSaturation(state, 250, 0));
        EXPECT_EQ(Bracket().lower[0], 201.15);
        EXPECT_EQ(Bracket().upper, SaturationRow{});
        EXPECT_FALSE(ReadSaturationRows(state, "R12").has_value());
    }
}

// A line of seven numbers for temperature t, padded with blanks to width bytes with its CR LF.
std::string TableLine(double t, size_t width) {
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%.2f,1,1,100,300,1000,1", t);
    std::string text(line, static_cast<size_t>(n));
    text.resize(width - 2, ' ');
    return text + "\r\n";
}

// A table is read up to its limit in whole lines: a table that fills the limit exactly is read
// whole, a row that begins within the limit and ends beyond it is not read, and is not taken for
// a malformed line either.
TEST(SaturationTableLimit, RowsUpToTheLimitAreReadAndTheRowCutByItIsLeftOut) {
    test::TempDir dir;
    AppState state{WorkingDir(dir.Path())};
    state.engine.CurrentRefrigerant = "R22";
    constexpr size_t kWidth = 64;
    static_assert(kSaturationTableReadLimit % kWidth == 0);
    constexpr size_t kRows = kSaturationTableReadLimit / kWidth;
    std::string table;
    for (size_t i = 0; i < kRows; ++i)
        table += TableLine(100 + 0.01 * static_cast<double>(i), kWidth);
    dir.Write("R22.DAT", table);
    EXPECT_EQ(ReadSaturationRows(state, "R22").value().size(), kRows);
    dir.Write("R22.DAT", table + TableLine(900, kWidth));
    EXPECT_EQ(ReadSaturationRows(state, "R22").value().size(), kRows);
    table.replace(table.size() - 2, 2, "  ");  // the last row now ends beyond the limit
    dir.Write("R22.DAT", table + "\r\n");
    EXPECT_EQ(ReadSaturationRows(state, "R22").value().size(), kRows - 1);
    EXPECT_TRUE(LookupSaturation(state, 150, 0));
}

TEST(Interpolate, AColumnOutsideOneToSevenOrEqualKeysGiveNoValue) {
    SaturationBracket bracket{
        .lower = {1, 2, 3, 4, 5, 6, 7}, .upper = {2, 4, 6, 8, 10, 12, 14}, .key = 1.5};
    EXPECT_EQ(Interpolate(bracket, 7), 10.5);
    EXPECT_TRUE(std::isnan(Interpolate(bracket, 0)) && std::isnan(Interpolate(bracket, 8)));
    bracket.upper[0] = 1;
    EXPECT_FALSE(std::isfinite(Interpolate(bracket, 2)));
}

// The refrigerant table: names (aliases joined by "/"), table file, tmin and tmax in °C.
constexpr const char* kTable =
    "R11 R11.DAT -30 65; R12 R12.DAT -60 70; R13 R13.DAT -90 25; R13B1 R13B1.DAT -60 65;"
    "R14 R14.DAT -140 -50; R22 R22.DAT -60 70; R23 R23.DAT -115 65; R502 R502.DAT -60 65;"
    "PROPAN/R290 PROPAN.DAT -85 70; PROPYLEN/R1270 PROPYLEN.DAT -85 65; R600A R600A.DAT -40 80;"
    "R152A R152A.DAT -50 70; R134A R134A.DAT -60 70; AMMONIAK/R717 AMMONIAK.DAT -80 65;"
    "R723 R723.DAT -60 65; R507 R507.DAT -90 65; R123 R123.DAT -60 65; R401A R401A.DAT -60 65;"
    "R401B R401B.DAT -60 65; R402A R402A.DAT -60 65; R402B R402B.DAT -60 65;"
    "R404A R404A.DAT -60 65; R408A R408A.DAT -50 65; R409A R409A.DAT -50 65;"
    "R410A R410A.DAT -50 65; R413A/ISC_49 R413A.DAT -40 65; R407A R407A.DAT -45 65;"
    "R407C R407C.DAT -50 65; AC9000 Ac9000.DAT -50 65; HX4 HX4.DAT -50 65; R124 R124.DAT -10 95;"
    "R227 R227.DAT -20 95; ISC_69L/R403B ISC_69L.DAT -55 65; ISC_59/R417A ISC_59.DAT -40 65;"
    "RS45 RS45.DAT -40 65; ISC_29/R422D ISC_29.DAT -40 65; ISC_79/R422A ISC_79.DAT -40 65;"
    "FX_90 FX_90.DAT -40 65; ISC_89 ISC_89.DAT -60 65; CO2/R744 CO2.DAT -55 20";

// Every accepted name, aliases included, selects its table and sets its limits (TMaxCondensing
// afresh each time); the table holds no other name. Names are compared exactly and
// case-sensitively: an unknown one selects nothing and sets TMaxCondensing 65 alone.
TEST(RefrigerantRegistry, EveryNameSelectsItsTableAndSetsItsLimits) {
    // The limits SetRefrigerantLimits sets for a name, from a lower limit of 7 and an upper of 99.
    const auto limits = [](const std::string& name) {
        EngineState engine;
        engine.CurrentRefrigerant = name;
        engine.TMinEvaporating = 7;
        engine.TMaxCondensing = 99;
        SetRefrigerantLimits(engine);
        return std::pair(engine.TMinEvaporating, engine.TMaxCondensing);
    };
    std::istringstream table(kTable);
    size_t count = 0;
    for (std::string entry; std::getline(table, entry, ';');) {
        std::istringstream fields(entry);
        std::string names, file;
        int tMin = 0, tMax = 0;
        fields >> names >> file >> tMin >> tMax;
        std::istringstream aliases(names);
        for (std::string name; std::getline(aliases, name, '/'); ++count) {
            EXPECT_EQ(SelectRefrigerantFile(name), file) << name;
            EXPECT_EQ(limits(name), std::pair(tMin, tMax)) << name;
        }
    }
    EXPECT_EQ(RefrigerantTable().size(), count);
    for (const char* name : {"r22", "R22 ", " R22", "Ac9000", "R600a", "", "R32"}) {
        EXPECT_FALSE(SelectRefrigerantFile(name).has_value()) << name;
        EXPECT_EQ(limits(name), std::pair(7, 65)) << name;
    }
}

}  // namespace
}  // namespace tessaro
