// The inputs that the fuzzing harnesses found, kept under inputs/HARNESS/, and the hand-made seeds
// under fuzz/seeds/HARNESS/, each fed to the check of its harness.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuzz/checks.h"

namespace tessaro::fuzz {

void PrintTo(const Harness& harness, std::ostream* out) {
    *out << harness.name;
}

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The files of folder/HARNESS in name order (none when the folder is missing).
std::vector<fs::path> InputsOf(const fs::path& folder, std::string_view harness) {
    std::vector<fs::path> inputs;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder / std::string(harness), ec)) {
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

class KeptInputs : public testing::TestWithParam<Harness> {};

TEST_P(KeptInputs, PassTheCheckOfTheirHarness) {
    const Harness& harness = GetParam();
    for (const fs::path& folder :
         {fs::path(TESSARO_REGRESSION_INPUTS), fs::path(TESSARO_FUZZ_SEEDS)}) {
        for (const fs::path& input : InputsOf(folder, harness.name)) {
            SCOPED_TRACE(input.string());
            EXPECT_EQ(harness.check(Bytes(input)), std::nullopt);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzzing, KeptInputs, testing::ValuesIn(Harnesses()),
                         [](const testing::TestParamInfo<Harness>& info) {
                             return std::string(info.param.name);
                         });

// A folder of kept inputs or seeds that names no harness would never be checked.
TEST(KeptInputs, LieInTheFolderOfAHarness) {
    for (const fs::path& folder :
         {fs::path(TESSARO_REGRESSION_INPUTS), fs::path(TESSARO_FUZZ_SEEDS)}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec)) {
            if (!entry.is_directory())
                continue;
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(std::any_of(Harnesses().begin(), Harnesses().end(), [&](const Harness& h) {
                return h.name == name;
            })) << entry.path();
        }
    }
}

}  // namespace
}  // namespace tessaro::fuzz
