// tessaro-calc: the project form without a window, for scripts, batch runs and tests.
//
//   tessaro-calc [--json] [ACTION ...]
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
#include "shell/message_box.h"
#include "shell/start_up.h"
#include "shell/system_locale.h"

namespace {

using namespace tessaro;

constexpr const char* kUsage =
    "usage: tessaro-calc [--json] [ACTION ...]\n"
    "actions: pick FIELD N | type FIELD TEXT | enter FIELD TEXT | focus FIELD | calculate | print "
    "|\n"
    "         ok | cancel\n";

class CollectedMessages : public MessageBox {
  public:
    MessageAnswer Show(const std::string& text, const std::string&, MessageIcon,
                       MessageButtons buttons) override {
        texts.push_back(text);
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
    std::vector<std::string> texts;
};

// One run of the form with its actions. Returns the usage error of a pick beyond its list.
std::optional<std::string> RunActions(ProjectForm& form, const std::vector<CalcAction>& actions) {
    using Kind = CalcAction::Kind;
    for (const CalcAction& a : actions) {
        switch (a.kind) {
            case Kind::Pick:
                if (!form.Pick(a.field, a.item)) {
                    return "pick " + std::string(FieldName(a.field)) + " " +
                           std::to_string(a.item) + ": the list holds " +
                           std::to_string(form.Lists()[a.field].size()) + " items";
                }
                break;
            case Kind::Type:
                form.Type(a.field, a.text);
                break;
            case Kind::Enter:
                form.Type(a.field, a.text);
                form.Enter(a.field);
                break;
            case Kind::Focus:
                form.Focus(a.field);
                break;
            case Kind::Calculate:
                form.Rechbutt();
                break;
            case Kind::Print:
                form.Printbutt();
                break;
            case Kind::Ok:
                form.Abbrechen();
                break;
            case Kind::Cancel:
                form.Command3D2();
                break;
        }
    }
    return std::nullopt;
}

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

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool json = !args.empty() && args.front() == "--json";
    if (json)
        args.erase(args.begin());
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        std::cout << kUsage;
        return 0;
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
        session->form.Load();
        if (auto error = RunActions(session->form, actions)) {
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
    }
    return 0;
}
