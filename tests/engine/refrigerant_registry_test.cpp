#include "engine/refrigerant_registry.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace tessaro {
namespace {

TEST(SelectRefrigerantFile, ComparesNamesExactlyAndCaseSensitively) {
    EXPECT_EQ(SelectRefrigerantFile("AC9000"), "Ac9000.DAT");
    for (const char* name : {"r22", "R22 ", "Ac9000", "R600a", "", "R32"})
        EXPECT_FALSE(SelectRefrigerantFile(name).has_value()) << name;
}

// The first match wins, so a name that appears twice would hide its second entry.
TEST(RefrigerantTable, NamesAreUnique) {
    std::set<std::string_view> names;
    for (const RefrigerantEntry& entry : RefrigerantTable())
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
    EXPECT_EQ(names.size(), 49u);
}

// TMaxCondensing is reset to 65 first; an unknown name leaves TMinEvaporating as it was.
TEST(SetRefrigerantLimits, SetsTheLimitsOfTheCurrentRefrigerant) {
    struct Case {
        const char* name;
        int previousMin, min, max;
    };
    for (const Case& expected :
         {Case{"R14", 7, -140, -50}, Case{"CO2", 7, -55, 20}, Case{"R744", 7, -55, 20},
          Case{"R600A", 7, -40, 80}, Case{"R32", -33, -33, 65}, Case{"r14", 12, 12, 65}}) {
        EngineState engine;
        engine.CurrentRefrigerant = expected.name;
        engine.TMinEvaporating = expected.previousMin;
        engine.TMaxCondensing = 99;
        SetRefrigerantLimits(engine);
        EXPECT_EQ(engine.TMinEvaporating, expected.min) << expected.name;
        EXPECT_EQ(engine.TMaxCondensing, expected.max) << expected.name;
    }
}

}  // namespace
}  // namespace tessaro
