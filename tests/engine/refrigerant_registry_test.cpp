#include "engine/refrigerant_registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/temp_dir.h"

namespace tessaro {
namespace {

TEST(SelectRefrigerantFile, NamesAndAliasesSelectTheirTable) {
    EXPECT_EQ(SelectRefrigerantFile("R22"), "R22.DAT");
    EXPECT_EQ(SelectRefrigerantFile("R290"), "PROPAN.DAT");
    EXPECT_EQ(SelectRefrigerantFile("PROPAN"), "PROPAN.DAT");
    EXPECT_EQ(SelectRefrigerantFile("R1270"), "PROPYLEN.DAT");
    EXPECT_EQ(SelectRefrigerantFile("R717"), "AMMONIAK.DAT");
    EXPECT_EQ(SelectRefrigerantFile("ISC_49"), "R413A.DAT");
    EXPECT_EQ(SelectRefrigerantFile("R403B"), "ISC_69L.DAT");
    EXPECT_EQ(SelectRefrigerantFile("R417A"), "ISC_59.DAT");
    EXPECT_EQ(SelectRefrigerantFile("R422D"), "ISC_29.DAT");
    EXPECT_EQ(SelectRefrigerantFile("R422A"), "ISC_79.DAT");
    EXPECT_EQ(SelectRefrigerantFile("R744"), "CO2.DAT");
    EXPECT_EQ(SelectRefrigerantFile("AC9000"), "Ac9000.DAT");
}

TEST(SelectRefrigerantFile, ComparesNamesExactlyAndCaseSensitively) {
    EXPECT_FALSE(SelectRefrigerantFile("r22").has_value());
    EXPECT_FALSE(SelectRefrigerantFile("R22 ").has_value());
    EXPECT_FALSE(SelectRefrigerantFile("Ac9000").has_value());
    EXPECT_FALSE(SelectRefrigerantFile("R600a").has_value());
    EXPECT_FALSE(SelectRefrigerantFile("").has_value());
    EXPECT_FALSE(SelectRefrigerantFile("R32").has_value());
}

TEST(RefrigerantTable, NamesAreUniqueAndTheFortyTablesAreInstalled) {
    std::set<std::string> names;
    std::set<std::string> files;
    for (const RefrigerantEntry& entry : RefrigerantTable()) {
        EXPECT_TRUE(names.insert(std::string(entry.name)).second) << entry.name;
        files.insert(std::string(entry.file));
        EXPECT_LT(entry.tMin, entry.tMax) << entry.name;
    }
    EXPECT_EQ(names.size(), 49u);

    std::set<std::string> installed;
    for (const auto& item : std::filesystem::directory_iterator(test::DataDir())) {
        if (item.path().extension() == ".DAT")
            installed.insert(item.path().filename().string());
    }
    for (const std::string& file : files) {
        EXPECT_TRUE(installed.count(file)) << file << " is not installed under this exact name";
    }
    EXPECT_EQ(files.size(), 40u);
}

int MinFor(const std::string& name, int previous = 7) {
    EngineState engine;
    engine.CurrentRefrigerant = name;
    engine.TMinEvaporating = previous;
    engine.TMaxCondensing = 99;
    SetRefrigerantLimits(engine);
    return engine.TMinEvaporating;
}

int MaxFor(const std::string& name) {
    EngineState engine;
    engine.CurrentRefrigerant = name;
    engine.TMaxCondensing = 99;
    SetRefrigerantLimits(engine);
    return engine.TMaxCondensing;
}

TEST(SetRefrigerantLimits, SetsTheLimitsOfTheCurrentRefrigerant) {
    EXPECT_EQ(MinFor("R14"), -140);
    EXPECT_EQ(MaxFor("R14"), -50);
    EXPECT_EQ(MinFor("CO2"), -55);
    EXPECT_EQ(MaxFor("CO2"), 20);
    EXPECT_EQ(MinFor("R744"), -55);
    EXPECT_EQ(MaxFor("R744"), 20);
    EXPECT_EQ(MinFor("R600A"), -40);
    EXPECT_EQ(MaxFor("R600A"), 80);
    EXPECT_EQ(MinFor("R22"), -60);
    EXPECT_EQ(MaxFor("R22"), 70);
    EXPECT_EQ(MinFor("R124"), -10);
    EXPECT_EQ(MaxFor("R124"), 95);
    EXPECT_EQ(MinFor("AC9000"), -50);
    EXPECT_EQ(MaxFor("R13"), 25);
    EXPECT_EQ(MaxFor("R502"), 65);
}

TEST(SetRefrigerantLimits, AnUnknownNameOnlyResetsTheCondensingLimit) {
    EXPECT_EQ(MinFor("R32", -33), -33);
    EXPECT_EQ(MaxFor("R32"), 65);
    EXPECT_EQ(MinFor("", 12), 12);
    EXPECT_EQ(MaxFor(""), 65);
    EXPECT_EQ(MinFor("r14", -5), -5);
}

TEST(SetRefrigerantLimits, CallingItAgainChangesNothing) {
    EngineState engine;
    engine.CurrentRefrigerant = "R12";
    SetRefrigerantLimits(engine);
    SetRefrigerantLimits(engine);
    EXPECT_EQ(engine.TMinEvaporating, -60);
    EXPECT_EQ(engine.TMaxCondensing, 70);
}

}  // namespace
}  // namespace tessaro
