#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/app_state.h"
#include "project/form/project_form.h"
#include "shell/code_page.h"
#include "support/temp_dir.h"

namespace tessaro::test {

// A form host that records what the form asked of the window system.
class RecordingHost : public FormHost {
  public:
    void SetBusy(bool busy) override { busyCalls.push_back(busy); }
    void ShowInfoLine(const std::string& text) override { infoLine = text; }
    void CloseForm() override { ++closes; }

    std::vector<bool> busyCalls;
    std::string infoLine;
    int closes = 0;
};

// A working folder with the R22 table and a test language "TST" whose caption entries are named
// for their place: main entry n is "M<n>", caption list entry k "CL<k>", program entry n "P<n>",
// info text entry n "I<n>". The project form runs on it.
class FormFixture : public ::testing::Test {
  protected:
    FormFixture() {
        std::vector<std::string> main = Named("M", CaptionTables::kMainEntries);
        for (int k = 1; k <= CaptionTables::kCaptionListEntries; ++k)
            main[static_cast<size_t>(96 + k - 1)] = "CL" + std::to_string(k);
        temp.Write("Caption.TST", Lines(main));
        std::vector<std::string> program = Named("P", CaptionTables::kProgramEntries);
        // Program entries 38..40 share their slots with main entries 86..88.
        for (int n : {38, 39, 40})
            program[static_cast<size_t>(n - 1)] = "M" + std::to_string(n + 48);
        for (int n : {61, 62, 63})  // the messages that name a range or a file and its reason
            program[static_cast<size_t>(n - 1)] = "\"P" + std::to_string(n) + " %1, %2\"";
        temp.Write("TessaroCap.TST", Lines(program));
        temp.Write("infoTXT.TST", Lines(info));
        temp.CopyFromData({"R22.DAT"});
        state.settings.LanguageCode = "TST";
        state.settings.CurrencyCode = "EUR";
        LoadAllCaptions(state.dir, "TST", state.captions);
        LoadInfoTexts(state.dir, "TST", state.captions);
    }

    static std::vector<std::string> Named(const std::string& prefix, int count) {
        std::vector<std::string> lines;
        for (int n = 1; n <= count; ++n)
            lines.push_back(prefix + std::to_string(n));
        return lines;
    }
    static std::string Lines(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\r\n";
        return text;
    }
    // The project file from its 18 lines.
    void WriteProject(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines)
            text += "\"" + line + "\"\r\n";
        temp.Write("TempPart.dat", EncodeText(text, CodePage::Windows1252));
    }
    // A typical project: a cold store (application 4, range -10 °C) of 10 kW with R22, a large
    // evaporator (5 K superheat) and a suction line of insulation item 3 (5 K).
    void WriteTypicalProject() {
        WriteProject({"R22", "10", "-10", "32", "P4", "P10", "P9", "P9", "P15", "P19", "P23", "P26",
                      "P9", "P15", "P35", "M87", "P45", "P33"});
        WriteEnergy("12,0.8,0.2,365,0.5\r\n");
    }
    void WriteEnergy(const std::string& line) { temp.Write("energk.dat", line); }
    // Replaces the info text entry n (and reloads the info table).
    void SetInfoText(int n, const std::string& text) {
        info[static_cast<size_t>(n - 1)] = "\"" + text + "\"";
        temp.Write("infoTXT.TST", EncodeText(Lines(info), CodePage::Windows1252));
        LoadInfoTexts(state.dir, "TST", state.captions);
    }
    // Creates the form, sets the decimal separator as the programs do after that, and loads it.
    ProjectForm& Open(char decimalSeparator = '.') {
        form = std::make_unique<ProjectForm>(state, messages, host);
        state.decimalSeparator = decimalSeparator;
        form->Load();
        return *form;
    }
    TempDir temp;
    AppState state{WorkingDir(temp.Path())};
    RecordingMessageBox messages;
    RecordingHost host;
    std::unique_ptr<ProjectForm> form;
    std::vector<std::string> info = Named("I", CaptionTables::kInfoEntries);
};

}  // namespace tessaro::test
