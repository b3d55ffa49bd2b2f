// The variants file: what is written reads back the same; a damaged or hostile file gives no
// variants and is kept; parts of the wrong shape are left out.
#include <gtest/gtest.h>

#include "shell/working_dir.h"
#include "support/temp_dir.h"
#include "variants/gwp_values.h"
#include "variants/variants_file.h"

namespace tessaro {
namespace {

TEST(VariantsFile, RoundTripAndSafeReplace) {
    test::TempDir temp;
    const WorkingDir dir(temp.Path());
    VariantSet set;
    set.tewi = {8.5, 1.25, LeakageUnit::KgPerYear, 20, 0.9};
    set.variants = {{"Schwimmende Verflüssigung \"A\"", "", {{"RGart", 5, ""}}, 1234.5},
                    {"Propan — 2", "PROPAN", {{"Q0", 0, "7,5"}, {"km", 3, ""}}, 0},
                    {"", "", {}, -10}};
    ASSERT_TRUE(WriteVariantsFile(dir, set));
    const VariantsRead read = ReadVariantsFile(dir, true);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.set, set);
    EXPECT_FALSE(temp.Exists(kDamagedVariantsFile));
    EXPECT_EQ(ReadVariantsFile(WorkingDir(temp.Path() / "nowhere"), true).set, VariantSet{});
}

TEST(VariantsFile, DamagedFilesGiveNothingAndAreKept) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "not JSON"},
        {"{\"format\":\"tessaro-variants\",\"variants\":[", "not JSON"},
        {"[1,2,3]", "not a variants file"},
        {"{\"format\":\"other\"}", "not a variants file"},
        {std::string(100, '[') + std::string(100, ']'), "nested too deeply"},
        {"\xff\xfe{", "not JSON"},
    };
    for (const auto& [text, reason] : cases) {
        test::TempDir temp;
        temp.Write(kVariantsFile, text);
        const VariantsRead read = ReadVariantsFile(WorkingDir(temp.Path()), true);
        EXPECT_EQ(read.error, reason) << text.substr(0, 20);
        EXPECT_EQ(read.set, VariantSet{});
        EXPECT_TRUE(read.kept);
        EXPECT_EQ(temp.Read(kDamagedVariantsFile), text);
        EXPECT_EQ(temp.Read(kVariantsFile), text) << "the file itself is not touched";
    }
}

TEST(VariantsFile, PartsOfTheWrongShapeAreLeftOut) {
    const std::string text = R"({"format":"tessaro-variants","version":7,
        "tewi":{"charge_kg":-4,"leakage":"ten","lifetime_years":1e300,"recovery":2,
                "leakage_unit":"kg_per_year"},
        "variants":[
          5, "x", {"name":"keep","investment":"lots","changes":[
             {"field":"RGart","item":2}, {"field":"", "item":1}, {"item":3}, {"field":"km"},
             {"field":"Q0","text":"9"}, {"field":"km","item":-3,"text":"1"}, [1],
             {"field":"km","item":2,"text":"7,5"}]},
          {"name":[1],"refrigerant":7}]})";
    std::string error;
    const std::optional<VariantSet> set = ParseVariants(text, &error);
    ASSERT_TRUE(set.has_value()) << error;
    EXPECT_EQ(set->tewi.charge, 0);
    EXPECT_EQ(set->tewi.leakage, 10);
    EXPECT_EQ(set->tewi.leakageUnit, LeakageUnit::KgPerYear);
    EXPECT_EQ(set->tewi.lifetime, 15) << "beyond 200 years";
    EXPECT_EQ(set->tewi.recovery, 0.7);
    ASSERT_EQ(set->variants.size(), 2u);
    EXPECT_EQ(set->variants[0].investment, 0);
    EXPECT_EQ(set->variants[0].changes,
              (std::vector<FieldChange>{
                  {"RGart", 2, ""}, {"Q0", 0, "9"}, {"km", 0, "1"}, {"km", 2, ""}}));
    EXPECT_EQ(set->variants[1], Variant{});
    // Long names are cut on a character boundary; many variants and changes are capped.
    std::string many = R"({"format":"tessaro-variants","variants":[)";
    for (size_t i = 0; i < kMaxVariants + 5; ++i)
        many += std::string(i ? "," : "") + R"({"name":")" + std::string(150, 'x') +
                "\xc3\xa4\xc3\xa4\"}";
    const std::optional<VariantSet> capped = ParseVariants(many + "]}");
    ASSERT_TRUE(capped.has_value());
    EXPECT_EQ(capped->variants.size(), kMaxVariants);
    EXPECT_EQ(capped->variants[0].name.size(), 150u + 2 * 2);
}

TEST(GwpValues, ReadsNamesAndValuesAndLeavesOutTheRest) {
    const GwpValues gwp = GwpValues::Parse(
        "# comment,1\nR22,1810\r\n R407C , 1774 \nbad\nR1,-5\nR2,1e9\nR3,12x\n,4\nR717,0\n");
    EXPECT_EQ(gwp.Of("R22"), 1810);
    EXPECT_EQ(gwp.Of("R407C"), 1774);
    EXPECT_EQ(gwp.Of("R717"), 0);
    for (const char* name : {"# comment", "bad", "R1", "R2", "R3", "", "r22"})
        EXPECT_FALSE(gwp.Of(name).has_value()) << name;
    // The shipped file names the issue's values for the refrigerants offered first.
    const GwpValues shipped = GwpValues::Read(WorkingDir(TESSARO_DATA_DIR));
    const std::pair<const char*, double> values[] = {
        {"R22", 1810},   {"R134A", 1430}, {"R404A", 3922}, {"R407A", 2107},
        {"R407C", 1774}, {"R410A", 2088}, {"R507", 3985},  {"PROPAN", 3},
        {"R600A", 3},    {"AMMONIAK", 0}, {"R744", 1}};
    for (const auto& [name, value] : values)
        EXPECT_EQ(shipped.Of(name), value) << name;
}

}  // namespace
}  // namespace tessaro
