#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation_run.h"
#include "engine/operating_values.h"
#include "project/form/form_host.h"
#include "project/form/help_panel.h"
#include "project/operating_conditions.h"
#include "project/option_lists.h"
#include "project/project_files.h"
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
    // A copy of another form as it stands (its record, lists, operating values, results and
    // saved energy texts) that works on state, a copy of the other form's state: a variant of the
    // project is computed on it without touching the form the user sees.
    ProjectForm(const ProjectForm& other, AppState& state, MessageBox& messages, FormHost& host);
    ProjectForm(const ProjectForm&) = delete;
    ProjectForm& operator=(const ProjectForm&) = delete;

    // Form load: project file, energy file, option lists, on the first opening in a run the
    // catalogue list and the first calculation, then the km items.
    void Load();

    // The user picks item (1-based) of a choice field's list. Returns false for an item that the
    // list does not hold; nothing happens then.
    bool Pick(FieldId field, int item);
    // The user types into a text box (its text becomes text); no Enter.
    void Type(FieldId field, std::string text);
    // The user presses Enter in a text box. A number box whose text is no number, or a number
    // outside the box's sensible range, is refused with a message and nothing is computed.
    void Enter(FieldId field);
    // The user presses Escape in a text box. An energy box whose typed text is pending gets its
    // saved text back and the call returns true; otherwise nothing happens and it returns false
    // (Escape then closes the form, as the window's cancel does).
    bool Escape(FieldId field);
    // Whether an energy box shows a typed text that is not yet in the energy file (the run uses
    // the file's value until Enter, calculate or O.K. saves it).
    bool Pending(FieldId field) const;
    // A control gets the focus.
    void Focus(FieldId field);
    // The mouse moves over a caption label or panel, by control name. It shows or hides help
    // only: nothing of the project changes.
    void MouseOver(std::string_view control);
    // Whether the form answers the mouse moving over this control.
    static bool AnswersMouseOver(std::string_view control);
    // Every control whose mouse-over the form answers: the caption labels and panels that show a
    // field's help, then those that hide it.
    static std::vector<std::string_view> MouseOverControls();

    // The command buttons, on release. O.K. closes the form only when every file was written;
    // otherwise a message names the file and the reason, and everything entered stays.
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
    const ShellState& Shell() const;
    // The records the form works on, to start a copy of it from.
    const AppState& State() const { return state_; }

    const ProjectParameters& Record() const { return record_; }
    const OptionLists& Lists() const { return lists_; }
    const OperatingValues& Operating() const { return operating_; }
    const RunResult& Result() const { return result_; }
    const ResultLabels& Labels() const { return labels_; }
    // The figures of the last run as the labels show them (cut), empty where nothing was computed.
    const RunFigures& Figures() const { return figures_; }
    const HelpPanel& Help() const { return help_; }
    bool Closed() const { return closed_; }

  private:
    void AfterPick(FieldId field);
    void ShowHelp(FieldId field);
    void HideHelp() { help_.visible = false; }
    void WriteEnergyProposals();
    bool CheckNumber(FieldId field, std::optional<double>& value);
    void EnterQ0();
    void EnterT0();
    void EnterTc();
    void EnterAmbient();
    void EnterEnergyValue(FieldId field);
    bool CheckPendingEnergyValues();
    bool SaveEnergy();
    bool Saved(const FileWrite& write, const char* fileName);
    void Message(const std::string& text);
    bool RunInputsAreNumbers() const;
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
    RunFigures figures_;
    HelpPanel help_;
    // The texts of the energy boxes as last read from or written to the energy file.
    std::array<std::string, 5> savedEnergyTexts_;
    // The energy file as this form last wrote it, for the extras.
    std::string energyBytes_;
    bool closed_ = false;
};

}  // namespace tessaro
