// A write killed at any moment leaves the old file or the new one, whole: never a mix, never
// nothing. A child process writes two versions of each file in turn through the program's own
// writers until the parent kills it at a random moment; then the file must be one of the two.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

#include "engine/app_state.h"
#include "project/catalogue_list.h"
#include "project/project_files.h"
#include "results/report_file.h"
#include "shell/settings.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

using Writer = std::function<void(const AppState& state, int version)>;

struct WrittenFile {
    const char* name;
    Writer write;
};

void PrintTo(const WrittenFile& file, std::ostream* out) {
    *out << file.name;
}

ProjectParameters Record(int version) {
    ProjectParameters record;
    for (std::string& text : record.texts)
        text = (version == 0 ? "old " : "new text, longer ") + std::string(200, 'x');
    record[FieldId::betrstd] = version == 0 ? "12" : "24";
    record[FieldId::lzfaktor] = version == 0 ? "0,5" : "1";
    return record;
}

const WrittenFile kFiles[] = {
    {"TempPart.dat",
     [](const AppState& state, int version) { SaveProject(state, Record(version)); }},
    {"energk.dat",
     [](const AppState& state, int version) {
         ProjectParameters record = Record(version);
         SaveEnergyValues(state, record);
     }},
    {"kparam.dat",
     [](const AppState& state, int version) {
         Settings settings = state.settings;
         settings.UserName = version == 0 ? "Anna" : std::string(3000, 'B');
         SaveSettings(state.dir, settings);
     }},
    {"ergEN1.DAT",
     [](const AppState& state, int version) {
         WriteReportFile(state, [version](std::string_view control) {
             return std::string(control) + (version == 0 ? "" : " (second version)");
         });
     }},
    {"R22.LST",
     [](const AppState& state, int version) {
         // An empty list file is rebuilt: the old version is the empty file.
         if (version == 0)
             state.dir.OpenForReplace("R22.LST", "");
         else
             BuildCatalogueList(state.dir, "R22");
     }},
};

class CrashSafety : public ::testing::TestWithParam<WrittenFile> {
  protected:
    CrashSafety() : state(WorkingDir(temp.Path())) {
        temp.CopyFromData(
            {"kparam.dat", "Caption.GER", "TessaroCap.GER", "VerbCapt.GER", "infoTXT.GER"});
        state.settings.LanguageCode = "GER";
        temp.Write("katalg.lst", "\"R22CATALOG\",\"Sections\"\r\n");
        temp.Write("R22CATAN.rdm", std::string(60 * 570, 'a'));
        std::string titles;
        for (int k = 1; k <= 18; ++k)
            titles += ("Title " + std::to_string(k)).append(128 - 6 - (k > 9 ? 2 : 1), '\0');
        temp.Write("R22CATAI.rdm", titles);
    }

    std::string Version(int version) {
        GetParam().write(state, version);
        return temp.Read(GetParam().name);
    }

    test::TempDir temp;
    AppState state;
};

TEST_P(CrashSafety, AKilledWriteLeavesTheOldOrTheNewFileWhole) {
    const std::string versions[2] = {Version(1), Version(0)};
    ASSERT_NE(versions[0], versions[1]);
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> microseconds(0, 20000);
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int version = 1;; version = 1 - version)
                GetParam().write(state, version);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(temp.Exists(GetParam().name)) << "round " << round;
        const std::string now = temp.Read(GetParam().name);
        ASSERT_TRUE(now == versions[0] || now == versions[1])
            << "round " << round << ": a mix of " << now.size() << " bytes";
    }
    // The killed writes left their temporary files; once they are old, the next write of the
    // file clears them away, and nothing half-written stays in the folder.
    const std::string prefix = std::string(GetParam().name) + ".tmp-";
    const auto temporaries = [&] {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(temp.Path()))
            if (entry.path().filename().string().rfind(prefix, 0) == 0)
                found.push_back(entry.path());
        return found;
    };
    for (const std::filesystem::path& left : temporaries())
        std::filesystem::last_write_time(
            left, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
    // Both versions once more: the list file is written only when it is empty.
    GetParam().write(state, 0);
    GetParam().write(state, 1);
    EXPECT_TRUE(temporaries().empty());
}

INSTANTIATE_TEST_SUITE_P(FilesTheProgramWrites, CrashSafety, ::testing::ValuesIn(kFiles),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == '.')
                                     c = '_';
                             return name;
                         });

}  // namespace
}  // namespace tessaro
