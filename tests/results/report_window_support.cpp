#include "report_window_support.h"

#include <gtest/gtest.h>

#include "project/form/project_form.h"
#include "shell/start_up.h"

namespace tessaro::test {

ReportFolder::ReportFolder(std::string_view languageCode) : state(WorkingDir(temp.Path())) {
    temp.CopyAllData();
    std::string settings = temp.Read("kparam.dat");
    const size_t code = settings.find("\"GER\"");
    if (code != std::string::npos)
        settings.replace(code + 1, 3, languageCode);
    temp.Write("kparam.dat", settings);
    EXPECT_FALSE(StartUp(state, nullptr, false).has_value());
    RecordingMessageBox messages;
    FormHost host;
    ProjectForm form(state, messages, host);
    form.Load();
    form.Printbutt();
    EXPECT_TRUE(temp.Exists("ergEN1.DAT"));
}

}  // namespace tessaro::test
