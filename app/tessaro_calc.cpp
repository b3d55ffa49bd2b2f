// tessaro-calc: the project form without a window, for scripts, batch runs and tests.
//
//   tessaro-calc [--json|--csv] [--lang CODE] [ACTION ...] [compare | whatif FIELD |
//                whatif refrigerants [NAME,...]]
//
// It starts as the program does (settings, caption tables and info texts of the language), opens
// the project form without showing it, applies the actions in order exactly as the user's actions
// on the form, and prints the messages shown, the fields and the result labels; or, after a
// comparison word, the comparison of the form as it stands with the stored variants or with the
// variants of a what-if.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "app/calc_session.h"
#include "drawings/diagram_file.h"
#include "engine/app_state.h"
#include "project/field_titles.h"
#include "project/form/project_form.h"
#include "shell/caption_tables.h"
#include "shell/data_folder.h"
#include "shell/message_box.h"
#include "shell/start_up.h"
#include "shell/system_locale.h"
#include "variants/comparison.h"
#include "variants/variants_file.h"

namespace {

using namespace tessaro;

constexpr const char* kUsage =
    "usage: tessaro-calc [--json|--csv] [--lang CODE] [ACTION ...] [COMPARISON]\n"
    "actions: pick FIELD N | type FIELD TEXT | enter FIELD TEXT | escape FIELD | focus FIELD |\n"
    "         hover CONTROL | calculate | print | ok | cancel\n"
    "comparison (last): compare | whatif FIELD | whatif refrigerants [NAME,NAME,...]\n"
    "diagram (last): diagram FILE.svg|FILE.png [REFRIGERANT]\n";

class CollectedMessages : public MessageBox {
  public:
    MessageAnswer Show(const std::string& text, const std::string&, MessageIcon,
                       MessageButtons buttons) override {
        texts.push_back(text);
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
    std::vector<std::string> texts;
};

// The fields in the order of the project file, then Tc and the five energy fields.
std::vector<FieldId> OutputOrder() {
    std::vector<FieldId> order(kProjectFileFields.begin(), kProjectFileFields.end());
    order.push_back(FieldId::Tc);
    order.insert(order.end(), kEnergyFields.begin(), kEnergyFields.end());
    return order;
}

const std::pair<const char*, std::string ResultLabels::*> kLabels[] = {
    {"tSLeit", &ResultLabels::tSLeit},
    {"LeistZ", &ResultLabels::LeistZ},
    {"BetrKo", &ResultLabels::BetrKo},
    {"kWstunden", &ResultLabels::kWstunden},
    {"co2consum", &ResultLabels::co2consum}};

void PrintText(const ProjectForm& form, const std::vector<std::string>& messages) {
    for (const std::string& text : messages)
        std::cout << "message: " << text << "\n";
    for (FieldId field : OutputOrder()) {
        std::cout << FieldName(field) << "=" << form.Record()[field] << "\n";
    }
    for (const auto& [name, member] : kLabels)
        std::cout << name << "=" << form.Labels().*member << "\n";
}

void PrintJson(const AppState& state, const ProjectForm& form,
               const std::vector<std::string>& messages) {
    nlohmann::ordered_json out;
    out["refrigerant"] = state.engine.CurrentRefrigerant;
    out["messages"] = messages;
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
    for (int i = 0; i < kFieldCount; ++i) {
        FieldId field = static_cast<FieldId>(i);
        fields[std::string(FieldName(field))] = form.Record()[field];
    }
    out["fields"] = fields;
    nlohmann::ordered_json labels = nlohmann::ordered_json::object();
    for (const auto& [name, member] : kLabels)
        labels[name] = form.Labels().*member;
    out["labels"] = labels;
    const OperatingValues& op = form.Operating();
    out["operating"] = {{"RoomTemperature", op.RoomTemperature},
                        {"EvaporatorSuperheat", op.EvaporatorSuperheat},
                        {"CondenserDifference", op.CondenserDifference},
                        {"SuctionLineLoss", op.SuctionLineLoss},
                        {"SuctionLineSuperheat", op.SuctionLineSuperheat},
                        {"MaintenanceOffset", op.MaintenanceOffset},
                        {"FillFactor", op.FillFactor},
                        {"WinterReduction", op.WinterReduction}};
    const RunResult& r = form.Result();
    out["result"] = {{"MassFlow", r.MassFlow},         {"CompressorPower", r.CompressorPower},
                     {"AnnualEnergy", r.AnnualEnergy}, {"RunningCost", r.RunningCost},
                     {"AnnualCO2", r.AnnualCO2},       {"COP", r.COP}};
    std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

enum class Output { Text, Json, Csv };

nlohmann::ordered_json OptionalNumber(const std::optional<double>& value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json();
}

void PrintComparisonJson(const Comparison& comparison) {
    nlohmann::ordered_json out;
    const TewiInputs& t = comparison.tewi;
    out["tewi_inputs"] = {{"charge_kg", t.charge},
                          {"leakage_kg_per_year", t.LeakageKgPerYear()},
                          {"lifetime_years", t.lifetime},
                          {"recovery", t.recovery}};
    nlohmann::ordered_json columns = nlohmann::ordered_json::array();
    const ProjectParameters& base = comparison.columns.front().figures.record;
    for (const ComparisonColumn& c : comparison.columns) {
        const VariantFigures& f = c.figures;
        nlohmann::ordered_json column;
        column["name"] = c.name;
        column["refrigerant"] = f.refrigerant;
        column["reason"] = f.reason;
        nlohmann::ordered_json changed = nlohmann::ordered_json::object();
        for (int i = 0; i < kFieldCount; ++i) {
            const FieldId field = static_cast<FieldId>(i);
            if (f.record[field] != base[field])
                changed[std::string(FieldName(field))] = f.record[field];
        }
        column["changed_fields"] = changed;
        column["COP"] = OptionalNumber(f.figures.COP);
        column["AnnualEnergy"] = OptionalNumber(f.figures.AnnualEnergy);
        column["RunningCost"] = OptionalNumber(f.figures.RunningCost);
        column["AnnualCO2"] = OptionalNumber(f.figures.AnnualCO2);
        column["saving_energy"] = OptionalNumber(c.savingEnergy);
        column["saving_cost"] = OptionalNumber(c.savingCost);
        column["saving_percent"] = OptionalNumber(c.savingPercent);
        column["investment"] = c.investment;
        column["payback_years"] = OptionalNumber(c.payback);
        column["tewi_kg"] = c.tewi ? nlohmann::ordered_json{{"direct", c.tewi->direct},
                                                            {"indirect", c.tewi->indirect},
                                                            {"total", c.tewi->Total()}}
                                   : nlohmann::ordered_json();
        columns.push_back(std::move(column));
    }
    out["columns"] = std::move(columns);
    std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

// The variants a comparison word asks for; false with a message when they cannot be had.
bool ComparedVariants(const CalcAction& action, const ProjectForm& form, VariantSet& set) {
    const VariantsRead read = ReadVariantsFile(form.State().dir, false);
    if (!read.error.empty() && action.kind == CalcAction::Kind::Compare) {
        std::cerr << "tessaro-calc: the variants file " << kVariantsFile
                  << " cannot be read: " << read.error << "\n";
        return false;
    }
    set.tewi = read.set.tewi;
    if (action.kind == CalcAction::Kind::Compare) {
        set.variants = read.set.variants;
    } else if (action.kind == CalcAction::Kind::WhatIf) {
        set.variants = WhatIfItems(form, action.field);
    } else {
        std::vector<std::string> names;
        std::stringstream list(action.text);
        for (std::string name; std::getline(list, name, ',');)
            names.push_back(name);
        if (action.text.empty()) {
            names = OfferedRefrigerants(form);
            names.resize(std::min<size_t>(names.size(), 10));
        }
        set.variants = WhatIfRefrigerants(names);
    }
    return true;
}

// Prints the comparison a comparison word asks for; false when it cannot be made.
bool PrintComparison(const CalcAction& action, const AppState& state, const ProjectForm& form,
                     Output output) {
    VariantSet set;
    if (!ComparedVariants(action, form, set))
        return false;
    const Comparison comparison = Compare(form, set, GwpValues::Read(state.dir));
    if (output == Output::Json)
        return PrintComparisonJson(comparison), true;
    const ComparisonTable table = ComparisonRows(
        comparison, state.captions, state.settings.CurrencyCode, state.decimalSeparator);
    std::cout << (output == Output::Csv ? ComparisonCsv(table, state.decimalSeparator)
                                        : ComparisonText(table));
    return true;
}

bool IsComparison(const CalcAction& action) {
    using Kind = CalcAction::Kind;
    return action.kind == Kind::Compare || action.kind == Kind::WhatIf ||
           action.kind == Kind::WhatIfRefrigerants;
}

// Writes the log p-h diagram of the form's cycle; false with a message when it cannot.
bool WriteDiagram(const CalcAction& action, const AppState& state, const ProjectForm& form) {
    // Drawn without any window: Qt's headless platform, whatever the session has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tessaro-calc";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const std::string& file = action.text;
    const VariantFigures figures =
        action.refrigerant.empty()
            ? ProjectFigures(form)
            : ComputeVariant(form, {action.refrigerant, action.refrigerant, {}, 0});
    if (!figures.reason.empty())
        std::cerr << "tessaro-calc: " << figures.reason << "\n";
    std::string error;
    if (!WriteDiagramFile(file, CycleDiagram(state, figures),
                          DiagramTexts(state, figures.refrigerant), error)) {
        std::cerr << "tessaro-calc: the diagram " << file << " could not be written: " << error
                  << "\n";
        return false;
    }
    return true;
}

// Starts a run in dir, opens the form and applies the actions.
struct Session {
    explicit Session(WorkingDir dir) : state(std::move(dir)), form(state, messages, host) {}
    AppState state;
    CollectedMessages messages;
    FormHost host;
    ProjectForm form;
};

// Switches the run to another language, as the main window's language menu does, without
// writing the settings.
void UseLanguage(AppState& state, const std::string& code) {
    state.settings.LanguageCode = code;
    LoadAllCaptions(state.dir, code, state.captions);
    LoadInfoTexts(state.dir, code, state.captions);
}

// The usage, then every field of the project form with its name as the form shows it in the
// current language and, for a list, its items numbered as pick takes them, as the project of the
// working folder opens (nothing is written). Without settings, the field names alone.
void PrintHelp(const WorkingDir& folder, const std::optional<std::string>& language) {
    std::cout << kUsage << "\nfields:\n";
    Session session(folder.WithWritesHeld());
    session.state.decimalSeparator = SystemDecimalSeparator();
    const bool started = !StartUp(session.state, nullptr, false).has_value();
    if (started) {
        if (language)
            UseLanguage(session.state, *language);
        session.form.Load();
    }
    for (FieldId field : kFieldOrder) {
        const std::string name(FieldName(field));
        std::cout << "  " << name;
        if (started)
            std::cout << std::string(name.size() < 18 ? 18 - name.size() : 1, ' ')
                      << ListedFieldTitle(field, session.state.captions);
        std::cout << (IsChoiceField(field) ? "  (pick)" : "  (type, enter)") << "\n";
        const std::vector<std::string>& items = session.form.Lists()[field];
        for (size_t i = 0; started && i < items.size(); ++i)
            std::cout << "      " << i + 1 << "  " << items[i] << "\n";
    }
    if (!started)
        std::cout << "(the items of the lists are listed in a folder with kparam.dat)\n";
}

// The folder to work in, as the desktop program chooses it: the current folder when it holds
// "kparam.dat", otherwise the user's data folder, filled from the installed data on first use.
WorkingFolderChoice CalcFolder() {
    std::error_code error;
    return ChooseProgramWorkingFolder(
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path(), TESSARO_BUILD_FOLDER,
        TESSARO_SOURCE_DATA_DIR);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    Output output = Output::Text;
    bool help = false;
    std::optional<std::string> language;
    while (!args.empty() && args.front().starts_with("-")) {
        if (args.front() == "--version") {
            std::cout << "tessaro-calc " << TESSARO_VERSION << "\n";
            return 0;
        }
        if (args.front() == "--help" || args.front() == "-h") {
            help = true;
        } else if (args.front() == "--json") {
            output = Output::Json;
        } else if (args.front() == "--csv") {
            output = Output::Csv;
        } else if (args.front() == "--lang" && args.size() >= 2 &&
                   WorkingDir::IsPlainFileName(args[1])) {
            language = args[1];
            args.erase(args.begin());
        } else {
            std::cerr << "tessaro-calc: unknown option '" << args.front() << "'\n";
            return 2;
        }
        args.erase(args.begin());
    }
    const WorkingFolderChoice folder = CalcFolder();
    if (help) {
        PrintHelp(WorkingDir(folder.folder), language);
        return 0;
    }
    if (folder.error) {
        std::cerr << "tessaro-calc: " << *folder.error << "\n";
        return 2;
    }
    std::vector<CalcAction> actions;
    if (auto error = ParseCalcActions(args, actions)) {
        std::cerr << "tessaro-calc: " << *error << "\n";
        return 2;
    }

    const char separator = SystemDecimalSeparator();
    // A trial run with every write held in memory finds a pick beyond its list before any file
    // is written; then the run is carried out for real.
    for (bool trial : {true, false}) {
        WorkingDir dir(folder.folder);
        auto session = std::make_unique<Session>(trial ? dir.WithWritesHeld() : dir);
        session->state.decimalSeparator = separator;
        if (auto error = StartUp(session->state, nullptr, false)) {
            std::cerr << "tessaro-calc: " << *error
                      << " (working folder: " << folder.folder.string() << ")\n";
            return 2;
        }
        if (language)
            UseLanguage(session->state, *language);
        session->form.Load();
        if (auto error = RunCalcActions(session->form, actions)) {
            std::cerr << "tessaro-calc: " << *error << "\n";
            return 2;
        }
        if (trial)
            continue;
        if (!actions.empty() && actions.back().kind == CalcAction::Kind::Diagram)
            return WriteDiagram(actions.back(), session->state, session->form) ? 0 : 1;
        if (!actions.empty() && IsComparison(actions.back())) {
            return PrintComparison(actions.back(), session->state, session->form, output) ? 0 : 1;
        }
        if (output == Output::Json) {
            PrintJson(session->state, session->form, session->messages.texts);
        } else {
            PrintText(session->form, session->messages.texts);
        }
        // O.K. that could not save leaves the form open: the messages say why.
        const bool okGiven = !actions.empty() && actions.back().kind == CalcAction::Kind::Ok;
        if (okGiven && !session->form.Closed())
            return 1;
    }
    return 0;
}
