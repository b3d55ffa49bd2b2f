#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/app_state.h"
#include "project/form/project_form.h"
#include "support/temp_dir.h"

namespace tessaro::test {

// A form host that records what the form asked of the window system.
class RecordingHost : public FormHost {
  public:
    void SetBusy(bool busy) override { busyCalls.push_back(busy); }
    void ShowInfoLine(const std::string& text) override { infoLine = text; }
    void ShowHelpBox() override {
        ++helpBoxes;
        if (onHelpBox)
            onHelpBox();
    }
    void ShowReportViewer() override {
        ++reportViewers;
        if (onReportViewer)
            onReportViewer();
    }
    void CloseForm() override { ++closes; }

    std::vector<bool> busyCalls;
    std::string infoLine;
    int helpBoxes = 0;
    int reportViewers = 0;
    int closes = 0;
    // Run while the modal window would be shown, to look at the state at that moment.
    std::function<void()> onHelpBox;
    std::function<void()> onReportViewer;
};

// A working folder with the R22 table and a test language "TST" whose caption entries are named
// for their place: main entry n is "M<n>", caption list entry k "CL<k>", program entry n "P<n>",
// info text entry n "I<n>". The project form runs on it.
class FormFixture : public ::testing::Test {
  protected:
    FormFixture();

    // The project file from its 18 lines.
    void WriteProject(const std::vector<std::string>& lines);
    // A typical project: a cold store (application 4, range -10 °C) of 10 kW with R22, a large
    // evaporator (5 K superheat) and a suction line of insulation item 3 (5 K).
    void WriteTypicalProject();
    void WriteEnergy(const std::string& line) { temp.Write("energk.dat", line); }
    // Replaces the info text entry n (and reloads the info table).
    void SetInfoText(int n, const std::string& text);
    // Creates the form, sets the decimal separator as the programs do after that, and loads it.
    ProjectForm& Open(char decimalSeparator = '.');
    std::vector<std::string> MessageTexts() const;

    TempDir temp;
    AppState state{WorkingDir(temp.Path())};
    RecordingMessageBox messages;
    RecordingHost host;
    std::unique_ptr<ProjectForm> form;
    std::vector<std::string> info;
};

}  // namespace tessaro::test
