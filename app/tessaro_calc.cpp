// tessaro-calc: the project form without a window, for scripts, batch runs and tests.
//
//   tessaro-calc [--json] [--lang CODE] [ACTION ...]
//
// It starts as the program does (settings, caption tables and info texts of the language), opens
// the project form without showing it, applies the actions in order exactly as the user's actions
// on the form, and prints the messages shown, the fields and the result labels.
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app/calc_session.h"
#include "engine/app_state.h"
#include "project/form/project_form.h"
#include "shell/caption_tables.h"
#include "shell/message_box.h"
#include "shell/start_up.h"
#include "shell/system_locale.h"

namespace {

using namespace tessaro;

constexpr const char* kUsage =
    "usage: tessaro-calc [--json] [--lang CODE] [ACTION ...]\n"
    "actions: pick FIELD N | type FIELD TEXT | enter FIELD TEXT | escape FIELD | focus FIELD |\n"
    "         hover CONTROL | calculate | print | ok | cancel\n";

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

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool json = false;
    std::optional<std::string> language;
    while (!args.empty() && args.front().starts_with("-")) {
        if (args.front() == "--help" || args.front() == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (args.front() == "--json") {
            json = true;
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
    std::vector<CalcAction> actions;
    if (auto error = ParseCalcActions(args, actions)) {
        std::cerr << "tessaro-calc: " << *error << "\n";
        return 2;
    }

    const char separator = SystemDecimalSeparator();
    // A trial run with every write held in memory finds a pick beyond its list before any file
    // is written; then the run is carried out for real.
    for (bool trial : {true, false}) {
        WorkingDir dir;
        auto session = std::make_unique<Session>(trial ? dir.WithWritesHeld() : dir);
        session->state.decimalSeparator = separator;
        if (auto error = StartUp(session->state, nullptr, false)) {
            std::cerr << "tessaro-calc: " << *error << "\n";
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
        if (json) {
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
