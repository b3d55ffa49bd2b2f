#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/calculation_run.h"
#include "engine/operating_values.h"
#include "project/form/form_host.h"
#include "project/form/help_panel.h"
#include "project/operating_conditions.h"
#include "project/option_lists.h"
#include "project/project_parameters.h"

namespace tessaro {

struct AppState;
struct ShellState;
class MessageBox;

// The texts of the five result labels, empty until a run writes them.
struct ResultLabels {
    std::string tSLeit;
    std::string LeistZ;
    std::string BetrKo;
    std::string kWstunden;
    std::string co2consum;
};

// The project form `Projektdaten` without its window: it owns the project record, the option
// lists, the operating values, the run result and the result labels, and carries out every user
// action on the form. The window binds its controls to it; the headless calculator drives it.
class ProjectForm {
  public:
    ProjectForm(AppState& state, MessageBox& messages, FormHost& host);

    // Form load: project file, energy file, option lists, on the first opening in a run the
    // catalogue list and the first calculation, then the km items.
    void Load();

    // The user picks item (1-based) of a choice field's list. Returns false for an item that the
    // list does not hold; nothing happens then.
    bool Pick(FieldId field, int item);
    // The user types into a text box (its text becomes text); no Enter.
    void Type(FieldId field, std::string text);
    // The user presses Enter in a text box.
    void Enter(FieldId field);
    // A control gets the focus.
    void Focus(FieldId field);
    // The mouse moves over a caption label or panel, by control name.
    void MouseOver(std::string_view control);

    // The command buttons, on release.
    void Rechbutt();
    void Printbutt();
    void Command3D3();
    void Command3D2();
    void Abbrechen();

    // The calculation run with the busy pointer shown.
    void RunCalculation();

    // The window's caption in the current language.
    std::string Caption() const;
    // The text a control shows: a field, a result label, or empty for any other name.
    std::string ControlText(std::string_view control) const;

    // The shell's records the form works with: working folder, settings and captions.
    ShellState& Shell();

    const ProjectParameters& Record() const { return record_; }
    const OptionLists& Lists() const { return lists_; }
    const OperatingValues& Operating() const { return operating_; }
    const RunResult& Result() const { return result_; }
    const ResultLabels& Labels() const { return labels_; }
    const HelpPanel& Help() const { return help_; }
    bool Closed() const { return closed_; }

  private:
    void AfterPick(FieldId field);
    void ShowHelp(FieldId field);
    void HideHelp() { help_.visible = false; }
    void WriteEnergyProposals(int application);
    void EnterQ0();
    void EnterT0();
    void EnterTc();
    void EnterEnergyValue();
    void SaveEnergy();
    void Message(const std::string& text);
    void WriteLabels(const RunFigures& figures);
    void Close();

    AppState& state_;
    MessageBox& messages_;
    FormHost& host_;
    ProjectParameters record_;
    OptionLists lists_;
    OperatingValues operating_;
    OperatingConditions rules_;
    RunResult result_;
    ResultLabels labels_;
    HelpPanel help_;
    bool closed_ = false;
};

}  // namespace tessaro
