#include "engine/saturation_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/refrigerant_registry.h"
#include "support/hostile_files.h"
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

TEST_P(SaturationTableTest, ReadingRulesTurnTheStoredFormsIntoProperties) {
    // R12.DAT line 1: 116.15,0.00000245460,0.00000245460,66.3760,283.231,0.546834,32538572.4
    const SaturationRow r12 = Rows("R12").at(0);
    EXPECT_EQ(r12[5], 1000 / 0.546834);
    EXPECT_EQ(r12[6], 1000 / 32538572.4);
    // AMMONIAK.DAT line 8: 203.15,0.108961,0.108961,112.602,1357.25,1.37923,9042.83
    //              line 9: 204.15,0.117216,0.117216,-108.272,1359.05,1.38142,8444.58
    const std::vector<SaturationRow> ammonia = Rows("R717");
    EXPECT_EQ(ammonia.at(7)[3], -112.602);
    EXPECT_EQ(ammonia.at(8)[3], -108.272);
    // R123.DAT line 1: -107.00,0.0000429717,... (°C)
    EXPECT_NEAR(Rows("R123").at(0)[0], 166.15, 1e-12);
    // PROPAN.DAT line 1: 86.15,0.00000000221498,0.00000000221498,195.446,-366.807,1.36524,...
    const SaturationRow propane = Rows("R290").at(0);
    EXPECT_EQ(propane[3], -195.446);
    EXPECT_EQ(propane[4], 366.807);
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

// An unknown name, a file not in the folder, a key column out of range and a file without rows.
TEST_P(SaturationTableTest, ALookupThatCannotReadItsTableLeavesTheBracket) {
    Use("R22");
    dir.Write("R12.DAT", "\r\n  \r\n");
    state.settings.HelpContext = 4;
    ASSERT_TRUE(LookupSaturation(state, 280.3, 0));
    EXPECT_EQ(state.settings.HelpContext, 0);
    const SaturationBracket before = Bracket();
    for (auto [name, keyColumn] : {std::pair{"R32", 0}, {"R134A", 0}, {"R22", 3}, {"R12", 0}}) {
        SCOPED_TRACE(name);
        state.engine.CurrentRefrigerant = name;
        EXPECT_FALSE(LookupSaturation(state, 250, keyColumn));
        EXPECT_EQ(Bracket().lower, before.lower);
        EXPECT_EQ(Bracket().upper, before.upper);
        EXPECT_EQ(Bracket().key, before.key);
    }
}

TEST_P(SaturationTableTest, TablesAreFoundBehindThePathPrefixInAnyLetterCase) {
    std::filesystem::create_directory(dir.Path() / "tables");
    std::filesystem::copy_file(test::DataDir() / "R22.DAT", dir.Path() / "tables" / "r22.dat");
    state.engine.CurrentRefrigerant = "R22";
    EXPECT_FALSE(LookupSaturation(state, 250, 0));
    state.settings.refrigerantPathPrefix = "tables/";
    EXPECT_TRUE(LookupSaturation(state, 250, 0));
}

TEST_P(SaturationTableTest, BlankLinesBlanksAndCommasAreAllAccepted) {
    dir.Write("R22.DAT",
              "\r\n 200.15 , 1, 1,100,300,1000,1\r\n"
              "   \n"
              "201.15 2 2 110 310 990 2\n"
              "202.15,3,3 ,120\t,320,980,3\r"
              "203.15,4e0,+4,1.3E2,330.,970,.4e1\n\n");
    const std::vector<SaturationRow> rows = ReadSaturationRows(state, "R22").value();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2], (SaturationRow{202.15, 3, 3, 120, 320, 980, 3}));
    EXPECT_EQ(rows[3], (SaturationRow{203.15, 4, 4, 130, 330, 970, 4}));
}

// A malformed line ends the lookup there: rows before it were scanned and stay stored. R12.DAT
// takes the volume rule, so a specific volume of 0 is malformed as well.
TEST_P(SaturationTableTest, AMalformedLineFailsTheLookupAtThatLine) {
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

// A named pipe, a link to a device or a folder in place of a table, in the working folder or
// behind the path prefix, fails the lookup as a missing table does, without waiting.
TEST_P(SaturationTableTest, AnythingButARegularTableFileFailsTheLookupAsAMissingOne) {
    namespace fs = std::filesystem;
    Use("R22");
    ASSERT_TRUE(LookupSaturation(state, 280.3, 0));
    const SaturationBracket before = Bracket();
    fs::create_directory(dir.Path() / "tables");
    for (const char* prefix : {"", "tables/"}) {
        state.settings.refrigerantPathPrefix = prefix;
        const fs::path table = dir.Path() / (std::string(prefix) + "R22.DAT");
        const std::vector<std::pair<std::string, std::function<void()>>> odd = {
            {"a named pipe", [&] { ASSERT_TRUE(test::MakeFifo(table)); }},
            {"a link to /dev/zero", [&] { fs::create_symlink("/dev/zero", table); }},
            {"a folder", [&] { fs::create_directory(table); }}};
        for (const auto& [what, make] : odd) {
            SCOPED_TRACE(std::string(prefix) + "R22.DAT is " + what);
            fs::remove(table);
            make();
            ASSERT_EQ(test::EndsWithinBounds([&] { LookupSaturation(state, 250, 0); }), "");
            EXPECT_FALSE(LookupSaturation(state, 250, 0));
            EXPECT_FALSE(ReadSaturationRows(state, "R22").has_value());
            EXPECT_EQ(Bracket().lower, before.lower);
            EXPECT_EQ(Bracket().upper, before.upper);
            fs::remove(table);
        }
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

// A table of 50 MB whose first part is a real table costs what the limit allows and gives the
// lookups of the real table.
TEST(SaturationTableLimit, AnOversizedTableGivesTheLookupsOfItsFirstLegitimatePart) {
    test::TempDir dir;
    dir.CopyFromData({"R22.DAT"});
    AppState real{WorkingDir(dir.Path())};
    real.engine.CurrentRefrigerant = "R22";
    std::filesystem::create_directory(dir.Path() / "big");
    AppState big = real;
    big.settings.refrigerantPathPrefix = "big/";
    const std::string table = dir.Read("R22.DAT");
    const std::string last = table.substr(table.rfind('\n', table.size() - 2) + 1);
    test::WriteOversized(dir.Path() / "big" / "R22.DAT", table, last);
    ASSERT_EQ(test::EndsWithinBounds([&] {
                  for (int i = 0; i < 6; ++i)
                      LookupSaturation(big, 250, 0);
                  ReadSaturationRows(big, "R22");
              }),
              "");
    for (const auto& [key, column] :
         {std::pair{250.0, 0}, {213.15, 0}, {300.5, 0}, {2.5, 1}, {12.0, 2}, {0.5, 1}}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(LookupSaturation(real, key, column));
        ASSERT_TRUE(LookupSaturation(big, key, column));
        EXPECT_EQ(big.engine.bracket.lower, real.engine.bracket.lower);
        EXPECT_EQ(big.engine.bracket.upper, real.engine.bracket.upper);
        EXPECT_EQ(Interpolate(big.engine.bracket, 4), Interpolate(real.engine.bracket, 4));
    }
}

TEST(Interpolate, AColumnOutsideOneToSevenOrEqualKeysGiveNoValue) {
    SaturationBracket bracket{
        .lower = {1, 2, 3, 4, 5, 6, 7}, .upper = {2, 4, 6, 8, 10, 12, 14}, .key = 1.5};
    EXPECT_EQ(Interpolate(bracket, 7), 10.5);
    EXPECT_TRUE(std::isnan(Interpolate(bracket, 0)) && std::isnan(Interpolate(bracket, 8)));
    bracket.upper[0] = 1;
    EXPECT_FALSE(std::isfinite(Interpolate(bracket, 2)));
}

}  // namespace
}  // namespace tessaro
