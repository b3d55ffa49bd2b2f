#include "engine/saturation_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>

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
        if (auto file = SelectRefrigerantFile(refrigerant); file && !dir.Exists(*file)) {
            dir.CopyFromData({*file});
        }
    }

    std::vector<SaturationRow> Rows(const std::string& refrigerant) {
        Use(refrigerant);
        auto rows = ReadSaturationRows(state, refrigerant);
        EXPECT_TRUE(rows.has_value()) << refrigerant;
        return rows.value_or(std::vector<SaturationRow>{});
    }

    test::TempDir dir;
    AppState state{WorkingDir(dir.Path())};
};

INSTANTIATE_TEST_SUITE_P(DecimalSeparators, SaturationTableTest, ::testing::Values('.', ','));

// Every installed table, read with its reading rules, holds physical saturated states in K, bar,
// kJ/kg and kg/m³, in ascending temperature. A reading rule that is missing or applied wrongly
// breaks one of these (volumes instead of densities swap the order of c6 and c7, a wrong sign
// makes the latent heat negative, °C instead of K puts c1 below 100).
TEST_P(SaturationTableTest, EveryTableReadsIntoPhysicalRows) {
    std::set<std::string> filesSeen;
    for (const RefrigerantEntry& entry : RefrigerantTable()) {
        if (!filesSeen.insert(std::string(entry.file)).second)
            continue;
        SCOPED_TRACE(std::string(entry.file));
        std::vector<SaturationRow> rows = Rows(std::string(entry.name));
        ASSERT_GT(rows.size(), 50u);
        for (size_t i = 0; i < rows.size(); ++i) {
            const SaturationRow& r = rows[i];
            ASSERT_GT(r[0], 80) << "line " << i + 1;
            ASSERT_GT(r[1], 0) << "line " << i + 1;
            ASSERT_LE(r[2], r[1] * (1 + 1e-12)) << "line " << i + 1;
            ASSERT_GT(r[4], r[3]) << "latent heat, line " << i + 1;
            ASSERT_GT(r[5], r[6]) << "densities, line " << i + 1;
            ASSERT_GT(r[6], 0) << "line " << i + 1;
            if (i == 0)
                continue;
            const SaturationRow& p = rows[i - 1];
            ASSERT_NEAR(r[0] - p[0], 1, 1e-9) << "line " << i + 1;
            ASSERT_GT(r[1], p[1]) << "line " << i + 1;
            ASSERT_GT(r[2], p[2]) << "line " << i + 1;
            ASSERT_GT(r[3], p[3]) << "liquid enthalpy, line " << i + 1;
        }
    }
    EXPECT_EQ(filesSeen.size(), 40u);
}

TEST_P(SaturationTableTest, ReadingRulesTurnTheStoredFormsIntoProperties) {
    // R22.DAT: used as read. Line 1:
    // 116.15,0.00000418729,0.00000418729,30.0520,332.888,1720.17,0.0000374915
    SaturationRow r22 = Rows("R22").at(0);
    EXPECT_EQ(r22, (SaturationRow{116.15, 0.00000418729, 0.00000418729, 30.0520, 332.888, 1720.17,
                                  0.0000374915}));

    // R12.DAT line 1: 116.15,0.00000245460,0.00000245460,66.3760,283.231,0.546834,32538572.4
    SaturationRow r12 = Rows("R12").at(0);
    EXPECT_EQ(r12[3], 66.3760);
    EXPECT_EQ(r12[5], 1000 / 0.546834);
    EXPECT_EQ(r12[6], 1000 / 32538572.4);

    // AMMONIAK.DAT line 8: 203.15,0.108961,0.108961,112.602,1357.25,1.37923,9042.83
    //              line 9: 204.15,0.117216,0.117216,-108.272,1359.05,1.38142,8444.58
    std::vector<SaturationRow> ammonia = Rows("R717");
    EXPECT_EQ(ammonia.at(7)[3], -112.602);
    EXPECT_EQ(ammonia.at(8)[3], -108.272);
    EXPECT_EQ(ammonia.at(7)[4], 1357.25);
    EXPECT_EQ(ammonia.at(7)[6], 1000 / 9042.83);

    // R123.DAT line 1: -107.00,0.0000429717,... (°C)
    EXPECT_NEAR(Rows("R123").at(0)[0], 166.15, 1e-12);

    // PROPAN.DAT line
    // 1: 86.15,0.00000000221498,0.00000000221498,195.446,-366.807,1.36524,73305043544.4
    SaturationRow propane = Rows("R290").at(0);
    EXPECT_EQ(propane[3], -195.446);
    EXPECT_EQ(propane[4], 366.807);
    EXPECT_EQ(propane[5], 1000 / 1.36524);
    EXPECT_EQ(propane[0], 86.15);
}

TEST_P(SaturationTableTest, AKeyOnARowGivesThatRowExactly) {
    std::vector<SaturationRow> rows = Rows("R22");
    ASSERT_TRUE(LookupSaturation(state, rows[2][0], 0));
    EXPECT_EQ(state.engine.bracket.upper, rows[2]);
    EXPECT_EQ(state.engine.bracket.lower, rows[1]);
    for (int column = 1; column <= 7; ++column) {
        EXPECT_EQ(Interpolate(state.engine.bracket, column), rows[2][column - 1]) << column;
    }
    EXPECT_FALSE(state.engine.bracket.found);
}

TEST_P(SaturationTableTest, AKeyBetweenRowsInterpolatesLinearly) {
    // R22.DAT, 263.15 K: p = 3.54786 bar, h'' = 401.198; 264.15 K: 3.67492 bar, 401.596.
    Use("R22");
    ASSERT_TRUE(LookupSaturation(state, 263.65, 0));
    EXPECT_NEAR(Interpolate(state.engine.bracket, 2), (3.54786 + 3.67492) / 2, 1e-12);
    EXPECT_NEAR(Interpolate(state.engine.bracket, 5), (401.198 + 401.596) / 2, 1e-12);
    ASSERT_TRUE(LookupSaturation(state, 263.15 + 0.25, 0));
    EXPECT_NEAR(Interpolate(state.engine.bracket, 2), 3.54786 + 0.25 * 0.12706, 1e-12);
    EXPECT_EQ(state.engine.bracket.key, 263.15 + 0.25);
}

TEST_P(SaturationTableTest, KeysOutsideTheTableExtrapolateFromTheEndRows) {
    std::vector<SaturationRow> rows = Rows("R22");
    const size_t n = rows.size();
    ASSERT_TRUE(LookupSaturation(state, rows[0][0] - 5, 0));
    EXPECT_EQ(state.engine.bracket.lower, rows[0]);
    EXPECT_EQ(state.engine.bracket.upper, rows[1]);
    EXPECT_NEAR(Interpolate(state.engine.bracket, 4), rows[0][3] - 5 * (rows[1][3] - rows[0][3]),
                1e-9);

    ASSERT_TRUE(LookupSaturation(state, rows[n - 1][0] + 2, 0));
    EXPECT_EQ(state.engine.bracket.lower, rows[n - 2]);
    EXPECT_EQ(state.engine.bracket.upper, rows[n - 1]);
    EXPECT_NEAR(Interpolate(state.engine.bracket, 2),
                rows[n - 1][1] + 2 * (rows[n - 1][1] - rows[n - 2][1]), 1e-9);

    // The last row itself is inside: it is the upper row of a normal bracket.
    ASSERT_TRUE(LookupSaturation(state, rows[n - 1][0], 0));
    EXPECT_EQ(Interpolate(state.engine.bracket, 5), rows[n - 1][4]);
    // The first row itself becomes the upper row; the lower one is kept from before.
    ASSERT_TRUE(LookupSaturation(state, rows[0][0], 0));
    EXPECT_EQ(state.engine.bracket.upper, rows[0]);
    EXPECT_EQ(state.engine.bracket.lower, rows[n - 2]);
    EXPECT_EQ(Interpolate(state.engine.bracket, 2), rows[0][1]);
}

TEST_P(SaturationTableTest, LookupByPressureExchangesTheKeyColumn) {
    std::vector<SaturationRow> rows = Rows("R407C");
    // Row 101 of R407C.DAT; by bubble pressure field 2 holds the temperature.
    const SaturationRow& row = rows.at(100);
    ASSERT_TRUE(LookupSaturation(state, row[1], 1));
    EXPECT_EQ(state.engine.bracket.upper[0], row[1]);
    EXPECT_EQ(Interpolate(state.engine.bracket, 2), row[0]);
    EXPECT_EQ(Interpolate(state.engine.bracket, 3), row[2]);
    EXPECT_EQ(Interpolate(state.engine.bracket, 5), row[4]);

    // Halfway between two bubble pressures lies halfway between their temperatures.
    const SaturationRow& next = rows.at(101);
    ASSERT_TRUE(LookupSaturation(state, (row[1] + next[1]) / 2, 1));
    EXPECT_NEAR(Interpolate(state.engine.bracket, 2), row[0] + 0.5, 1e-9);

    // By dew pressure c1 and c3 change places: field 3 holds the temperature, field 2 stays.
    ASSERT_TRUE(LookupSaturation(state, row[2], 2));
    EXPECT_EQ(Interpolate(state.engine.bracket, 3), row[0]);
    EXPECT_EQ(Interpolate(state.engine.bracket, 2), row[1]);
    EXPECT_EQ(Interpolate(state.engine.bracket, 4), row[3]);
}

TEST_P(SaturationTableTest, ALookupThatCannotReadItsTableLeavesTheBracket) {
    Use("R22");
    ASSERT_TRUE(LookupSaturation(state, 280.3, 0));
    const SaturationBracket before = state.engine.bracket;

    state.settings.HelpContext = 4;
    state.engine.CurrentRefrigerant = "R32";  // in no row of the table
    EXPECT_FALSE(LookupSaturation(state, 250, 0));
    EXPECT_EQ(state.settings.HelpContext, 0);

    state.engine.CurrentRefrigerant = "R134A";  // file not in the folder
    EXPECT_FALSE(LookupSaturation(state, 250, 0));

    state.engine.CurrentRefrigerant = "R22";
    EXPECT_FALSE(LookupSaturation(state, 250, 3));

    EXPECT_EQ(state.engine.bracket.lower, before.lower);
    EXPECT_EQ(state.engine.bracket.upper, before.upper);
    EXPECT_EQ(state.engine.bracket.key, before.key);
}

TEST_P(SaturationTableTest, HelpContextIsZeroAfterEveryLookup) {
    Use("R22");
    state.settings.HelpContext = 1;
    ASSERT_TRUE(LookupSaturation(state, 250, 0));
    EXPECT_EQ(state.settings.HelpContext, 0);
}

TEST_P(SaturationTableTest, TablesAreFoundInAnyLetterCaseAndBehindThePathPrefix) {
    std::filesystem::create_directory(dir.Path() / "tables");
    std::filesystem::copy_file(test::DataDir() / "R22.DAT", dir.Path() / "tables" / "r22.dat");
    state.engine.CurrentRefrigerant = "R22";
    EXPECT_FALSE(LookupSaturation(state, 250, 0));
    state.engine.refrigerantPathPrefix = "tables/";
    EXPECT_TRUE(LookupSaturation(state, 250, 0));

    state.engine.refrigerantPathPrefix.clear();
    std::filesystem::copy_file(test::DataDir() / "Ac9000.DAT", dir.Path() / "AC9000.dat");
    state.engine.CurrentRefrigerant = "AC9000";
    EXPECT_TRUE(LookupSaturation(state, 250, 0));
}

TEST_P(SaturationTableTest, BlankLinesBlanksAndCommasAreAllAccepted) {
    dir.Write("R22.DAT",
              "\r\n 200.15 , 1, 1,100,300,1000,1\r\n"
              "   \n"
              "201.15 2 2 110 310 990 2\n"
              "202.15,3,3 ,120\t,320,980,3\r"
              "203.15,4e0,+4,1.3E2,330.,970,.4e1\n\n");
    state.engine.CurrentRefrigerant = "R22";
    std::vector<SaturationRow> rows = ReadSaturationRows(state, "R22").value();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2], (SaturationRow{202.15, 3, 3, 120, 320, 980, 3}));
    EXPECT_EQ(rows[3], (SaturationRow{203.15, 4, 4, 130, 330, 970, 4}));
    ASSERT_TRUE(LookupSaturation(state, 202.65, 0));
    EXPECT_DOUBLE_EQ(Interpolate(state.engine.bracket, 4), 125);
}

// A malformed line ends the lookup there: rows before it were scanned and stay stored.
TEST_P(SaturationTableTest, AMalformedLineFailsTheLookupAtThatLine) {
    const std::string good = "200.15,1,1,100,300,1000,1\r\n201.15,2,2,110,310,990,2\r\n";
    const std::string after = "\r\n203.15,4,4,130,330,970,4\r\n";
    state.engine.CurrentRefrigerant = "R22";
    for (const char* bad :
         {"202.15,3,3,120,320,980", "202.15,3,3,120,320,980,3,4", "202.15,3,3,,120,320,980",
          "202.15;3;3;120;320;980;3", "202.15,3,3,120,320,980,x", "202.15,3,3,120,320,980,inf",
          "202.15,3,3,120,320,980,nan", "202.15,3,3,120,320,980,1e999", "202.15,3,3,12O,320,980,3",
          "202.15,3,3,120,320,980,3,", "202.15,3,3,120,320,980,-", "202.15,3,3,120-320,980,3"}) {
        SCOPED_TRACE(bad);
        dir.Write("R22.DAT", good + std::string(bad) + after);
        state.engine.bracket = SaturationBracket{};
        EXPECT_FALSE(LookupSaturation(state, 250, 0));
        EXPECT_EQ(state.engine.bracket.lower, (SaturationRow{201.15, 2, 2, 110, 310, 990, 2}));
        EXPECT_EQ(state.engine.bracket.upper, SaturationRow{});
        EXPECT_FALSE(ReadSaturationRows(state, "R22").has_value());
    }
}

TEST_P(SaturationTableTest, AVolumeOfZeroIsAMalformedLine) {
    dir.Write("R12.DAT", "200.15,1,1,100,300,1,1\n201.15,2,2,110,310,0,2\n");
    state.engine.CurrentRefrigerant = "R12";
    EXPECT_FALSE(LookupSaturation(state, 200.5, 0));
    EXPECT_EQ(state.engine.bracket.lower[5], 1000);
}

TEST_P(SaturationTableTest, ATableWithoutRowsFailsTheLookup) {
    dir.Write("R22.DAT", "\r\n  \r\n");
    state.engine.CurrentRefrigerant = "R22";
    EXPECT_FALSE(LookupSaturation(state, 250, 0));
    EXPECT_EQ(state.engine.bracket.key, 0);
}

TEST(Interpolate, AColumnOutsideOneToSevenIsNoValue) {
    SaturationBracket bracket;
    bracket.lower = {1, 2, 3, 4, 5, 6, 7};
    bracket.upper = {2, 4, 6, 8, 10, 12, 14};
    bracket.key = 1.5;
    EXPECT_EQ(Interpolate(bracket, 7), 10.5);
    EXPECT_TRUE(std::isnan(Interpolate(bracket, 0)));
    EXPECT_TRUE(std::isnan(Interpolate(bracket, 8)));
    bracket.upper[0] = 1;
    EXPECT_FALSE(std::isfinite(Interpolate(bracket, 2)));
}

}  // namespace
}  // namespace tessaro
