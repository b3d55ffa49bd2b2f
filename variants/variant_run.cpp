#include "variants/variant_run.h"

#include <algorithm>

#include "engine/app_state.h"
#include "engine/heat_capacity.h"
#include "engine/refrigerant_registry.h"
#include "engine/saturation_table.h"
#include "project/field_titles.h"
#include "shell/message_box.h"
#include "shell/number_text.h"
#include "shell/text.h"

namespace tessaro {

namespace {

// Program caption entries of the comparison's reasons.
constexpr int kNoDataEntry = 105;
constexpr int kNoItemEntry = 106;
constexpr int kNoFieldEntry = 107;

// The refrigerants engineers use today, offered first.
constexpr const char* kInUseToday[] = {"R22",   "R134A", "R404A",  "R407A", "R407C",
                                       "R410A", "R507",  "PROPAN", "R600A", "AMMONIAK"};

class HeldMessages : public MessageBox {
  public:
    MessageAnswer Show(const std::string& text, const std::string&, MessageIcon,
                       MessageButtons buttons) override {
        texts.push_back(text);
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    std::vector<std::string> texts;
};

// A copy of the form on a copy of its state whose writes stay in memory.
struct Sandbox {
    explicit Sandbox(const ProjectForm& base)
        : state(CopyOf(base.State())), form(base, state, messages, host) {}

    static AppState CopyOf(const AppState& state) {
        AppState copy = state;
        copy.dir = state.dir.WithWritesHeld();
        return copy;
    }

    AppState state;
    HeldMessages messages;
    FormHost host;
    ProjectForm form;
};

VariantFigures FiguresOf(const ProjectForm& form) {
    VariantFigures out;
    out.refrigerant = form.State().engine.CurrentRefrigerant;
    out.record = form.Record();
    out.result = form.Result();
    out.figures = form.Figures();
    out.labels = form.Labels();
    out.cycle = form.State().engine.cycle;
    const OperatingValues& op = form.Operating();
    out.tSuction = DecimalCommaConversion(form.Record()[FieldId::t0]).value_or(0) +
                   op.EvaporatorSuperheat + op.SuctionLineSuperheat;
    out.emissionFactor = form.Record().energy.Spezco2emission;
    return out;
}

std::string JoinedMessages(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "" : std::string(kLineBreak)) + text;
    return joined;
}

// Makes one change on the form; returns the reason when it cannot be made.
std::string MakeChange(Sandbox& box, const FieldChange& change) {
    const CaptionTables& captions = box.state.captions;
    const std::optional<FieldId> field = FieldByName(change.field);
    if (!field)
        return FillPlaces(captions.Program(kNoFieldEntry), {change.field});
    if (IsChoiceField(*field)) {
        if (!box.form.Pick(*field, change.item)) {
            return FillPlaces(captions.Program(kNoItemEntry),
                              {FieldTitle(*field, captions), std::to_string(change.item)});
        }
        return {};
    }
    box.form.Type(*field, change.text);
    box.form.Enter(*field);
    return JoinedMessages(box.messages.texts);
}

// The reason why the temperatures of the form lie outside the refrigerant's limits, as the form's
// own messages say it, or empty.
std::string LimitsReason(AppState& state, const ProjectParameters& record) {
    SetRefrigerantLimits(state.engine);
    const CaptionTables& captions = state.captions;
    const double t0 = DecimalCommaConversion(record[FieldId::t0]).value_or(0);
    const double tc = DecimalCommaConversion(record[FieldId::Tc]).value_or(0);
    const auto limit = [&](int entry, const char* name, int value) {
        return captions.CaptionList(entry) + std::string(kLineBreak) + name + " = " +
               SignPlaceNumberText(value) + " " + UnitLabel(1) + " !";
    };
    if (t0 < state.engine.TMinEvaporating)
        return limit(53, "tmin", state.engine.TMinEvaporating);
    if (tc > state.engine.TMaxCondensing)
        return limit(54, "tmax", state.engine.TMaxCondensing);
    return {};
}

}  // namespace

PhDiagram CycleDiagram(const AppState& state, const VariantFigures& figures) {
    PhCycleInput input;
    input.cycle = figures.cycle;
    input.tSuction = figures.tSuction;
    input.cop = figures.figures.COP.value_or(0);
    input.computed = figures.Computed();
    const auto rows = ReadSaturationRows(state, figures.refrigerant);
    return BuildPhDiagram(rows ? *rows : std::vector<SaturationRow>{}, input);
}

PhDiagram CycleDiagram(const ProjectForm& form, const VariantFigures& figures) {
    return CycleDiagram(form.State(), figures);
}

VariantFigures ProjectFigures(const ProjectForm& form) {
    return FiguresOf(form);
}

bool RefrigerantUsable(const ProjectForm& form, const std::string& name) {
    const RefrigerantEntry* entry = FindRefrigerant(name);
    return entry != nullptr && MolarMass(name).has_value() && form.State().dir.Exists(entry->file);
}

VariantFigures ComputeVariant(const ProjectForm& form, const Variant& variant) {
    Sandbox box(form);
    VariantFigures out;
    const std::string refrigerant =
        variant.refrigerant.empty() ? box.state.engine.CurrentRefrigerant : variant.refrigerant;
    std::string reason;
    if (!RefrigerantUsable(form, refrigerant)) {
        reason = FillPlaces(box.state.captions.Program(kNoDataEntry), {refrigerant});
    } else {
        box.state.engine.CurrentRefrigerant = refrigerant;
        for (const FieldChange& change : variant.changes) {
            reason = MakeChange(box, change);
            if (!reason.empty())
                break;
        }
    }
    if (reason.empty())
        reason = LimitsReason(box.state, box.form.Record());
    if (reason.empty() && variant.changes.empty())
        box.form.RunCalculation();
    out = FiguresOf(box.form);
    out.refrigerant = refrigerant;
    out.reason = reason;
    if (!reason.empty()) {
        out.result = RunResult{};
        out.figures = RunFigures{};
        out.labels = ResultLabels{};
    }
    return out;
}

std::vector<std::string> OfferedRefrigerants(const ProjectForm& form) {
    std::vector<std::string> names;
    std::vector<std::string_view> files;
    const auto offer = [&](const std::string& name) {
        const RefrigerantEntry* entry = FindRefrigerant(name);
        if (entry == nullptr || !RefrigerantUsable(form, name) ||
            std::find(files.begin(), files.end(), entry->file) != files.end()) {
            return;
        }
        files.push_back(entry->file);
        names.push_back(name);
    };
    for (const char* name : kInUseToday)
        offer(name);
    for (const RefrigerantEntry& entry : RefrigerantTable())
        offer(std::string(entry.name));
    return names;
}

std::vector<Variant> WhatIfItems(const ProjectForm& form, FieldId field) {
    std::vector<Variant> variants;
    if (!IsChoiceField(field))
        return variants;
    const std::vector<std::string>& items = form.Lists()[field];
    for (size_t i = 0; i < items.size(); ++i) {
        Variant v;
        v.name = items[i];
        v.changes.push_back({std::string(FieldName(field)), static_cast<int>(i + 1), {}});
        variants.push_back(std::move(v));
    }
    return variants;
}

std::vector<Variant> WhatIfRefrigerants(const std::vector<std::string>& refrigerants) {
    std::vector<Variant> variants;
    for (const std::string& name : refrigerants)
        variants.push_back(Variant{name, name, {}, 0});
    return variants;
}

}  // namespace tessaro
