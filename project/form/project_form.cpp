#include "project/form/project_form.h"

#include <algorithm>
#include <cerrno>

#include "engine/app_state.h"
#include "engine/refrigerant_registry.h"
#include "project/catalogue_list.h"
#include "project/number_ranges.h"
#include "project/project_extras.h"
#include "project/project_files.h"
#include "results/report_file.h"
#include "shell/message_box.h"
#include "shell/number_text.h"
#include "shell/text.h"

namespace tessaro {

namespace {

double CommaValue(const std::string& text) {
    return DecimalCommaConversion(text).value_or(0);
}

// The energy proposals by application item: running-time factor, hours a day, days a year.
struct EnergyProposal {
    double lzfaktor;
    double betrstd;
    double JahrebetrT;
};
constexpr EnergyProposal kEnergyProposals[] = {
    {0.5, 12, 120}, {0.5, 12, 200}, {0.9, 18, 365}, {1, 18, 365},
    {0.9, 18, 365}, {1, 18, 365},   {1, 16, 365},
};

size_t EnergyIndex(FieldId field) {
    for (size_t i = 0; i < kEnergyFields.size(); ++i) {
        if (kEnergyFields[i] == field)
            return i;
    }
    return kEnergyFields.size();
}

// The mouse-over table: the caption labels and panels whose help the mouse shows, and those over
// which it hides the help.
constexpr std::pair<std::string_view, FieldId> kHelpOf[] = {
    {"Label17", FieldId::AnwendBereich},
    {"Label14", FieldId::WartungI},
    {"Label15", FieldId::Fullzustand},
    {"Label16", FieldId::Leitungsdimension},
    {"Label19", FieldId::WaermeD},
    {"Label7", FieldId::vdsize},
    {"Pn44", FieldId::vdsize},
    {"Label8", FieldId::VFlsize},
    {"Pn45", FieldId::VFlsize},
    {"Label31", FieldId::km},
    {"Label20", FieldId::betrstd},
    {"Label21", FieldId::lzfaktor},
    {"Label22", FieldId::EnergKost},
    {"Label23", FieldId::JahrebetrT},
    {"Label24", FieldId::Spezco2emission},
};
constexpr std::string_view kHiding[] = {"Label2",   "Label4",   "Label9",   "Label18",
                                        "Label34",  "Label35",  "Frame3D4", "Panel3D1",
                                        "Panel3D2", "Panel3D4", "PNRG"};

}  // namespace

ProjectForm::ProjectForm(AppState& state, MessageBox& messages, FormHost& host)
    : state_(state),
      messages_(messages),
      host_(host),
      rules_(record_, operating_, state.captions, state.decimalSeparator) {}

ProjectForm::ProjectForm(const ProjectForm& other, AppState& state, MessageBox& messages,
                         FormHost& host)
    : state_(state),
      messages_(messages),
      host_(host),
      record_(other.record_),
      lists_(other.lists_),
      operating_(other.operating_),
      rules_(record_, operating_, state.captions, state.decimalSeparator),
      result_(other.result_),
      labels_(other.labels_),
      figures_(other.figures_),
      help_(other.help_),
      savedEnergyTexts_(other.savedEnergyTexts_),
      energyBytes_(other.energyBytes_),
      closed_(other.closed_) {}

const ShellState& ProjectForm::Shell() const {
    return state_;
}

ShellState& ProjectForm::Shell() {
    return state_;
}

void ProjectForm::Load() {
    host_.SetBusy(true);
    const std::optional<ProjectExtras> extras = ReadProjectExtras(state_.dir);
    LoadProject(state_, record_, lists_, rules_, extras);
    LoadEnergyValues(state_, record_, extras);
    for (size_t i = 0; i < kEnergyFields.size(); ++i)
        savedEnergyTexts_[i] = record_[kEnergyFields[i]];
    FillOptionLists(lists_, state_.captions);
    if (!state_.calculationDone) {
        PrepareCatalogueList(state_);
        RunCalculation();
    }
    AppendKmItems(lists_, state_.captions);
    host_.SetBusy(false);
}

bool ProjectForm::Pick(FieldId field, int item) {
    if (!IsChoiceField(field))
        return false;
    const std::vector<std::string>& list = lists_[field];
    if (item < 1 || static_cast<size_t>(item) > list.size())
        return false;
    record_[field] = list[static_cast<size_t>(item - 1)];
    AfterPick(field);
    return true;
}

// A pick: the field's help, the rules that depend on it, then the calculation run.
void ProjectForm::AfterPick(FieldId field) {
    using Mode = OperatingConditions::ListMode;
    if (HasHelp(field))
        ShowHelp(field);
    if (field == FieldId::AnwendBereich)
        WriteEnergyProposals();
    switch (field) {
        case FieldId::AnwendBereich:
            rules_.TempbereichListRule(Mode::ApplicationPicked, lists_);
            rules_.EvaporatingProposal();
            rules_.CapacityProposal();
            break;
        case FieldId::Tempbereich:
            rules_.RoomTemperatureRule();
            rules_.EvaporatingProposal();
            rules_.CapacityProposal();
            break;
        case FieldId::AnlGroesse:
            rules_.CapacityProposal();
            break;
        case FieldId::vdsize:
            rules_.TempbereichListRule(Mode::EvaporatorPicked, lists_);
            rules_.EvaporatingProposal();
            break;
        case FieldId::km:
            rules_.CondensingProposal(rules_.DesignAmbient());
            rules_.EvaporatingProposal();
            break;
        case FieldId::VFlsize:
            rules_.CondensingProposal(rules_.DesignAmbient());
            break;
        case FieldId::AmbientT:
            rules_.AmbientFromClimateClass();
            rules_.CondensingProposal(rules_.DesignAmbient());
            break;
        case FieldId::RGart:
        case FieldId::WinterRGart:
            rules_.CondensingProposal(rules_.DesignAmbient());
            rules_.WinterRule();
            break;
        case FieldId::Leitungsdimension:
            rules_.PipeRule();
            break;
        case FieldId::WaermeD:
            rules_.InsulationRule();
            break;
        case FieldId::WartungI:
            rules_.MaintenanceRule();
            break;
        case FieldId::Fullzustand:
            rules_.ChargeRule();
            break;
        default:
            break;
    }
    RunCalculation();
}

void ProjectForm::Type(FieldId field, std::string text) {
    record_[field] = std::move(text);
    if (IsEnergyField(field))
        ShowHelp(field);  // every key in an energy box shows its help
}

bool ProjectForm::Pending(FieldId field) const {
    const size_t i = EnergyIndex(field);
    return i < savedEnergyTexts_.size() && record_[field] != savedEnergyTexts_[i];
}

bool ProjectForm::Escape(FieldId field) {
    if (!Pending(field))
        return false;
    record_[field] = savedEnergyTexts_[EnergyIndex(field)];
    return true;
}

void ProjectForm::Enter(FieldId field) {
    if (IsEnergyField(field)) {
        ShowHelp(field);
        EnterEnergyValue(field);
        return;
    }
    switch (field) {
        case FieldId::Q0:
            EnterQ0();
            break;
        case FieldId::t0:
            EnterT0();
            break;
        case FieldId::Tc:
            EnterTc();
            break;
        case FieldId::tambient:
            EnterAmbient();
            break;
        default:
            break;
    }
}

// Reads a number box as one whole number within its sensible range; shows the range message and
// returns false when it is not.
bool ProjectForm::CheckNumber(FieldId field, std::optional<double>& value) {
    SetRefrigerantLimits(state_.engine);
    const NumberRange range =
        SensibleRange(field, state_.engine.TMinEvaporating, state_.engine.TMaxCondensing);
    value = WholeNumber(record_[field]);
    if (value && range.Holds(*value))
        return true;
    Message(RangeMessage(field, range, state_.captions, state_.settings.CurrencyCode,
                         state_.decimalSeparator));
    return false;
}

void ProjectForm::EnterQ0() {
    const std::optional<double> q0 = WholeNumber(record_[FieldId::Q0]);
    // A blank box, or a number not above 0, keeps its own message.
    if (TrimSpaces(record_[FieldId::Q0]).empty() || (q0 && *q0 <= 0)) {
        Message(state_.captions.CaptionList(52));
        return;
    }
    std::optional<double> value;
    if (CheckNumber(FieldId::Q0, value))
        RunCalculation();
}

// The refrigerant's limits keep their own messages: below tmin, above tmax, and tc not above to.
void ProjectForm::EnterT0() {
    SetRefrigerantLimits(state_.engine);
    const int tMin = state_.engine.TMinEvaporating;
    const std::optional<double> t0 = WholeNumber(record_[FieldId::t0]);
    if (t0 && *t0 < tMin) {
        Message(state_.captions.CaptionList(53) + std::string(kLineBreak) +
                "tmin = " + SignPlaceNumberText(tMin) + " " + UnitLabel(1) + " !");
        return;
    }
    std::optional<double> value;
    if (!CheckNumber(FieldId::t0, value))
        return;
    if (CommaValue(record_[FieldId::Tc]) <= *value) {
        Message(state_.captions.CaptionList(55));
        return;
    }
    RunCalculation();
}

void ProjectForm::EnterTc() {
    SetRefrigerantLimits(state_.engine);
    const int tMax = state_.engine.TMaxCondensing;
    const std::optional<double> tc = WholeNumber(record_[FieldId::Tc]);
    if (tc && *tc <= CommaValue(record_[FieldId::t0])) {
        Message(state_.captions.CaptionList(55));
        return;
    }
    if (tc && *tc > tMax) {
        Message(state_.captions.CaptionList(54) + std::string(kLineBreak) +
                "tmax = " + SignPlaceNumberText(tMax) + " " + UnitLabel(1) + " !");
        return;
    }
    std::optional<double> value;
    if (!CheckNumber(FieldId::Tc, value))
        return;
    rules_.ClampWinterSetPoint(*value);
    RunCalculation();
}

void ProjectForm::EnterAmbient() {
    std::optional<double> value;
    if (!CheckNumber(FieldId::tambient, value))
        return;
    rules_.CondensingProposal(rules_.DesignAmbient());
    RunCalculation();
}

void ProjectForm::EnterEnergyValue(FieldId field) {
    std::optional<double> value;
    if (!CheckNumber(field, value))
        return;
    if (SaveEnergy())
        RunCalculation();
}

// Before calculate and O.K. save the energy boxes: a typed text that is no number in its range is
// refused with its message, and nothing is saved or computed.
bool ProjectForm::CheckPendingEnergyValues() {
    for (FieldId field : kEnergyFields) {
        std::optional<double> value;
        if (Pending(field) && !CheckNumber(field, value))
            return false;
    }
    return true;
}

// Saves the energy values. A typed text that is no number in its range is not taken: its box
// keeps the saved number and stays pending. A file that cannot be written is named in a message,
// and the boxes stay pending.
bool ProjectForm::SaveEnergy() {
    std::array<bool, 5> keep{};
    for (size_t i = 0; i < kEnergyFields.size(); ++i) {
        const FieldId field = kEnergyFields[i];
        const NumberRange range = SensibleRange(field, 0, 0);
        const std::optional<double> value = WholeNumber(record_[field]);
        keep[i] = Pending(field) && !(value && range.Holds(*value));
    }
    const FileWrite write = SaveEnergyValues(state_, record_, keep);
    if (!Saved(write, kEnergyFile))
        return false;
    energyBytes_ = write.bytes;
    for (size_t i = 0; i < kEnergyFields.size(); ++i) {
        if (!keep[i])
            savedEnergyTexts_[i] = record_[kEnergyFields[i]];
    }
    return true;
}

bool ProjectForm::Saved(const FileWrite& write, const char* fileName) {
    if (write.Written())
        return true;
    Message(
        WriteFailedMessage(state_.dir.Resolve(fileName).string(), write.error, state_.captions));
    return false;
}

void ProjectForm::Focus(FieldId field) {
    switch (field) {
        case FieldId::Q0:
            host_.ShowInfoLine(state_.captions.CaptionList(38));
            return;
        case FieldId::t0:
            host_.ShowInfoLine(state_.captions.CaptionList(39));
            return;
        case FieldId::Tc:
            host_.ShowInfoLine(state_.captions.CaptionList(40));
            return;
        case FieldId::Tempbereich:
            HideHelp();
            return;
        case FieldId::VFlsize:
            return;
        default:
            if (HasHelp(field))
                ShowHelp(field);
    }
}

bool ProjectForm::AnswersMouseOver(std::string_view control) {
    const std::vector<std::string_view> controls = MouseOverControls();
    return std::ranges::find(controls, control) != controls.end();
}

std::vector<std::string_view> ProjectForm::MouseOverControls() {
    std::vector<std::string_view> controls;
    for (const auto& [name, field] : kHelpOf)
        controls.push_back(name);
    controls.insert(controls.end(), std::begin(kHiding), std::end(kHiding));
    return controls;
}

void ProjectForm::MouseOver(std::string_view control) {
    for (const auto& [name, field] : kHelpOf) {
        if (name == control)
            return ShowHelp(field);
    }
    for (std::string_view name : kHiding) {
        if (name == control)
            return HideHelp();
    }
}

void ProjectForm::ShowHelp(FieldId field) {
    int item = HelpItem(field, record_[field], lists_, state_.captions);
    ShowHelpText(help_, field, item, state_.captions);
}

// The energy proposals of the application picked, saved at once so that the run that follows
// uses what the boxes show.
void ProjectForm::WriteEnergyProposals() {
    const int application =
        HelpItem(FieldId::AnwendBereich, record_[FieldId::AnwendBereich], lists_, state_.captions);
    if (application < 1 || application > 7)
        return;
    const EnergyProposal& proposal = kEnergyProposals[application - 1];
    const char sep = state_.decimalSeparator;
    record_[FieldId::lzfaktor] = PlainNumberText(proposal.lzfaktor, sep);
    record_[FieldId::betrstd] = PlainNumberText(proposal.betrstd, sep);
    record_[FieldId::JahrebetrT] = PlainNumberText(proposal.JahrebetrT, sep);
    SetRefrigerantLimits(state_.engine);
    SaveEnergy();
}

void ProjectForm::RunCalculation() {
    host_.SetBusy(true);
    // The operating values that follow from the choices alone are derived again for every run,
    // so that the figures depend on what the form shows, not on the order of the picks.
    rules_.SuperheatRule();
    rules_.PipeRule();
    rules_.InsulationRule();
    rules_.CondenserDifferenceRule();
    rules_.WinterRule();
    rules_.MaintenanceRule();
    rules_.ChargeRule();
    RunInputs inputs;
    inputs.Q0 = CommaValue(record_[FieldId::Q0]);
    inputs.t0 = CommaValue(record_[FieldId::t0]);
    inputs.Tc = CommaValue(record_[FieldId::Tc]);
    const CaptionTables& captions = state_.captions;
    inputs.compressorType = ItemNumber(record_[FieldId::Verdichterbauart],
                                       ItemTexts(FieldId::Verdichterbauart, captions), true);
    inputs.km = ItemNumber(record_[FieldId::km], ItemTexts(FieldId::km, captions), true);
    inputs.roundTheClock =
        ItemNumber(record_[FieldId::RGart], ItemTexts(FieldId::RGart, captions), false) == 1;
    ReadEnergyNumbers(state_, record_.energy);
    // Every run starts afresh and computes nothing from a capacity or temperature that is no
    // number: figures that cannot be computed are not shown, rather than those of an earlier run.
    result_ = RunResult{};
    RunFigures figures;
    if (RunInputsAreNumbers())
        figures = tessaro::RunCalculation(state_, inputs, operating_, record_.energy, result_);
    WriteLabels(figures);
    figures_ = figures;
    state_.calculationDone = true;
    host_.SetBusy(false);
}

bool ProjectForm::RunInputsAreNumbers() const {
    const std::optional<double> q0 = WholeNumber(record_[FieldId::Q0]);
    return q0 && SensibleRange(FieldId::Q0, 0, 0).Holds(*q0) && WholeNumber(record_[FieldId::t0]) &&
           WholeNumber(record_[FieldId::Tc]);
}

void ProjectForm::WriteLabels(const RunFigures& figures) {
    const char sep = state_.decimalSeparator;
    const auto text = [sep](const std::optional<double>& figure) {
        return figure ? PlainNumberText(*figure, sep) : std::string();
    };
    labels_.tSLeit = text(figures.tSuction);
    labels_.LeistZ = text(figures.COP);
    labels_.BetrKo = text(figures.RunningCost);
    labels_.kWstunden = figures.AnnualEnergy
                            ? "(" + SignPlaceNumberText(*figures.AnnualEnergy) + " kWh/a)"
                            : std::string();
    labels_.co2consum = text(figures.AnnualCO2);
}

void ProjectForm::Rechbutt() {
    SetRefrigerantLimits(state_.engine);
    if (CheckPendingEnergyValues() && SaveEnergy())
        RunCalculation();
}

void ProjectForm::Printbutt() {
    auto controlText = [this](std::string_view control) { return ControlText(control); };
    if (std::optional<std::string> error = WriteReportFile(state_, controlText)) {
        Message(*error);
        return;
    }
    host_.ShowReportViewer();
}

void ProjectForm::Command3D3() {
    state_.settings.HelpContext = 33;
    host_.ShowHelpBox();
    state_.settings.HelpContext = 0;
}

void ProjectForm::Command3D2() {
    Close();
}

void ProjectForm::Abbrechen() {
    if (!CheckPendingEnergyValues())
        return;
    const FileWrite project = SaveProject(state_, record_);
    if (!Saved(project, kProjectFile) || !SaveEnergy() || !SaveEnergy())
        return;
    ProjectExtras extras{FileDigest(project.bytes), record_[FieldId::Tc], FileDigest(energyBytes_),
                         savedEnergyTexts_};
    if (!WriteProjectExtras(state_.dir, extras)) {
        Saved(FileWrite{{}, errno != 0 ? errno : EIO}, kProjectExtrasFile);
        return;
    }
    Close();
}

void ProjectForm::Close() {
    closed_ = true;
    host_.CloseForm();
}

void ProjectForm::Message(const std::string& text) {
    messages_.Show(text, std::string(kApplicationTitle), MessageIcon::Exclamation,
                   MessageButtons::Ok);
}

std::string ProjectForm::Caption() const {
    const CaptionTables& c = state_.captions;
    const std::string& code = state_.settings.LanguageCode;
    std::string head = std::string(kApplicationTitle) + " : " + c.Main(81);
    if (code == "FRA")
        return head + " de " + c.Main(66) + " - Simulacion " + c.Main(222) + " CO2";
    if (code == "ESP" || code == "POR") {
        return head + " del " + c.Main(66) + " - Simulacion " + c.Main(222) + " CO2";
    }
    if (code == "ITA") {
        return head + " del " + c.Main(66) + " - Simulazione della " + c.Main(222) + " di CO2";
    }
    return head + " " + c.Main(66) + " - Simulation " + c.Main(222) + " CO2";
}

std::string ProjectForm::ControlText(std::string_view control) const {
    if (std::optional<FieldId> field = FieldByName(control))
        return record_[*field];
    if (control == "tSLeit")
        return labels_.tSLeit;
    if (control == "LeistZ")
        return labels_.LeistZ;
    if (control == "BetrKo")
        return labels_.BetrKo;
    if (control == "kWstunden")
        return labels_.kWstunden;
    if (control == "co2consum")
        return labels_.co2consum;
    return {};
}

}  // namespace tessaro
