// The inputs that the fuzzing harnesses found, kept under inputs/HARNESS/, and the hand-made seeds
// under fuzz/seeds/HARNESS/, each fed to the check of its harness.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/checks.h"

namespace tessaro::fuzz {

void PrintTo(const Harness& harness, std::ostream* out) {
    *out << harness.name;
}

namespace {

class KeptInputs : public testing::TestWithParam<Harness> {};

TEST_P(KeptInputs, PassTheCheckOfTheirHarness) {
    for (const char* folder : {TESSARO_REGRESSION_INPUTS, TESSARO_FUZZ_SEEDS}) {
        std::error_code none;  // a harness without inputs has no folder
        const std::filesystem::path inputs = std::filesystem::path(folder) / GetParam().name;
        for (const auto& entry : std::filesystem::directory_iterator(inputs, none)) {
            SCOPED_TRACE(entry.path().string());
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            EXPECT_EQ(GetParam().check(bytes.str()), std::nullopt);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzzing, KeptInputs, testing::ValuesIn(Harnesses()),
                         [](const testing::TestParamInfo<Harness>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tessaro::fuzz
