// The files of the project and its report read through the program's own readers: a file of
// 50 MB reads as the legitimate file it begins with, at what that part costs; an odd file in a
// file's place (a named pipe, a link to a device, a folder) reads as a missing file and is not
// waited on.
#include <gtest/gtest.h>

#include <functional>

#include "engine/app_state.h"
#include "project/form/project_form.h"
#include "project/project_files.h"
#include "results/report_file.h"
#include "results/report_reader.h"
#include "support/hostile_files.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// Every field and result label of the project form as it loads.
std::string LoadedForm(AppState& state) {
    test::RecordingMessageBox messages;
    FormHost host;
    ProjectForm form(state, messages, host);
    state.calculationDone = false;
    form.Load();
    std::string shown;
    for (const std::string& text : form.Record().texts)
        shown += text + "|";
    return shown + form.Labels().kWstunden;
}

std::string Report(AppState& state) {
    std::string text;
    for (const std::string& record : ReadReportFile(state.dir, "GER"))
        text += record + "|";
    return text;
}

TEST(FileSafety, AnOversizedFileReadsAsItsLegitimatePartAndAnOddOneAsAMissingOne) {
    const std::tuple<const char*, std::function<std::string(AppState&)>, const char*> files[] = {
        {"TempPart.dat", LoadedForm, "\"Normal\"\r\n"},
        {"energk.dat", LoadedForm, "99,1,1,1,1\r\n"},
        {"ergEN1.DAT", Report, "\"        Bemerkung\r\n\"\r\n"}};
    for (const auto& [name, read, filler] : files) {
        test::TempDir temp;
        temp.CopyFromData({"kparam.dat", "Caption.GER", "TessaroCap.GER", "VerbCapt.GER",
                           "infoTXT.GER", "R22.DAT", "TempPart.dat", "energk.dat"});
        AppState state{WorkingDir(temp.Path())};
        state.settings.LanguageCode = "GER";
        LoadAllCaptions(state.dir, "GER", state.captions);
        LoadInfoTexts(state.dir, "GER", state.captions);
        ASSERT_FALSE(WriteReportFile(state, [](std::string_view c) { return std::string(c); }));
        const std::filesystem::path path = temp.Path() / name;
        const std::string legitimate = read(state);
        SCOPED_TRACE(name);
        test::WriteOversized(path, temp.Read(name), filler);
        ASSERT_EQ(test::EndsWithinBounds([&] { read(state); }), "");
        EXPECT_EQ(read(state), legitimate);
        std::filesystem::remove(path);
        const std::string missing = read(state);
        for (test::OddFile odd : test::kOddFiles) {
            SCOPED_TRACE(test::Describe(odd));
            ASSERT_TRUE(test::PutOddFile(odd, path));
            ASSERT_EQ(test::EndsWithinBounds([&] { read(state); }), "");
            EXPECT_EQ(read(state), missing);
        }
    }
}

}  // namespace
}  // namespace tessaro
