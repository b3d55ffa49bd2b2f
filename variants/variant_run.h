#pragma once

#include <string>
#include <vector>

#include "engine/calculation_run.h"
#include "engine/engine_state.h"
#include "engine/ph_diagram.h"
#include "project/form/project_form.h"
#include "variants/variant.h"

namespace tessaro {

// One column of a comparison: the project or a variant as the form would show it.
struct VariantFigures {
    std::string refrigerant;
    // Why the variant has no figures (an unknown field or item, a number the form refuses, a
    // refrigerant without data, temperatures outside the refrigerant's limits), in the current
    // language; empty when it has them.
    std::string reason;
    ProjectParameters record;  // every field as the form would show it
    RunResult result;
    RunFigures figures;  // as the labels show them (cut)
    ResultLabels labels;
    CycleState cycle;
    double tSuction = 0;        // °C, the suction gas temperature the run used
    double emissionFactor = 0;  // kg CO2/kWh, the stored number the run used

    // Whether the run computed the yearly energy, cost and CO2.
    bool Computed() const {
        return reason.empty() && figures.COP && figures.AnnualEnergy && figures.RunningCost &&
               figures.AnnualCO2;
    }
};

// The log p-h diagram of a column's cycle on its refrigerant's table (no cycle where the column
// has no figures).
PhDiagram CycleDiagram(const AppState& state, const VariantFigures& figures);
// The same on the tables of the form's working folder.
PhDiagram CycleDiagram(const ProjectForm& form, const VariantFigures& figures);

// The project's own column: the form as it stands.
VariantFigures ProjectFigures(const ProjectForm& form);

// Computes a variant on a copy of the form and of its state, with every write held in memory:
// the refrigerant is set, then each change is made as the user makes it (a pick of the item, or
// the text typed into the box and Enter), then the run's figures are taken. A variant without
// changes is computed by one calculation run. Nothing is written and the form is not touched.
VariantFigures ComputeVariant(const ProjectForm& form, const Variant& variant);

// The refrigerants a variant may use, the ones in use today first: R22, R134A, R404A, R407A,
// R407C, R410A, R507, PROPAN, R600A, AMMONIAK, then every other name of the registry, each file
// once, that has a saturation table in the working folder and property data.
std::vector<std::string> OfferedRefrigerants(const ProjectForm& form);
// Whether a variant can be computed with this refrigerant.
bool RefrigerantUsable(const ProjectForm& form, const std::string& name);

// One variant per item of a choice field's list, named by the item.
std::vector<Variant> WhatIfItems(const ProjectForm& form, FieldId field);
// One variant per refrigerant, named by it.
std::vector<Variant> WhatIfRefrigerants(const std::vector<std::string>& refrigerants);

}  // namespace tessaro
