#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "engine/app_state.h"
#include "project/form/project_form.h"
#include "shell/start_up.h"
#include "support/temp_dir.h"

namespace tessaro::test {

// A copy of the shipped data folder started as the program starts: its settings file names the
// language given, the user's decimal separator is set before any form is created, and settings,
// captions and info texts are loaded.
struct StartedFolder {
    explicit StartedFolder(std::string_view language = "GER", char separator = '.')
        : state(WorkingDir(temp.Path())) {
        temp.CopyAllData();
        std::string settings = temp.Read("kparam.dat");
        settings.replace(settings.find("\"GER\"") + 1, 3, language);
        temp.Write("kparam.dat", settings);
        state.decimalSeparator = separator;
        EXPECT_FALSE(StartUp(state, nullptr, false).has_value());
    }

    // Writes the report of the folder's project, as the project form's print button does.
    void WriteReport() {
        FormHost host;
        ProjectForm form(state, messages, host);
        form.Load();
        form.Printbutt();
        EXPECT_TRUE(temp.Exists("ergEN1.DAT"));
    }

    TempDir temp;
    AppState state;
    RecordingMessageBox messages;
};

// The same with the report of the folder's project written.
struct ReportFolder : StartedFolder {
    explicit ReportFolder(std::string_view language = "GER") : StartedFolder(language) {
        WriteReport();
    }
};

}  // namespace tessaro::test
