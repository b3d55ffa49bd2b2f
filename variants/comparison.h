#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/form/project_form.h"
#include "variants/gwp_values.h"
#include "variants/tewi.h"
#include "variants/variant.h"
#include "variants/variant_run.h"

namespace tessaro {

// One column of the comparison: the project (the first column) or a variant, with what it saves
// against the project.
struct ComparisonColumn {
    std::string name;
    double investment = 0;
    VariantFigures figures;
    // Against the project, from the figures as shown: yearly energy and cost saved (positive when
    // the variant needs less), the energy saved in percent of the project's.
    std::optional<double> savingEnergy;
    std::optional<double> savingCost;
    std::optional<double> savingPercent;
    std::optional<double> payback;  // years; nothing where nothing is saved
    std::optional<Tewi> tewi;       // nothing without a GWP value for the refrigerant
};

// The project and its variants side by side.
struct Comparison {
    std::vector<ComparisonColumn> columns;
    TewiInputs tewi;
};

// Computes every variant of the set against the form as it stands.
Comparison Compare(const ProjectForm& form, const VariantSet& set, const GwpValues& gwp);

// The comparison as a table of texts in the current language: a heading row of the column names,
// then a row per figure, and before the figures a row per field that some variant changes. A cell
// is marked where a variant differs from the project in a field.
struct ComparisonTable {
    struct Cell {
        std::string text;
        bool changed = false;
    };
    struct Row {
        std::string heading;
        std::vector<Cell> cells;
    };
    std::vector<std::string> columnNames;
    std::vector<Row> rows;
};

ComparisonTable ComparisonRows(const Comparison& comparison, const CaptionTables& captions,
                               const std::string& currencyCode, char decimalSeparator);

// The table as CSV: the fields separated by ";" where numbers are written with a decimal comma,
// by "," otherwise; every field in double quotes; lines ended by CR LF.
std::string ComparisonCsv(const ComparisonTable& table, char decimalSeparator);

// The table as plain text in aligned columns, one line a row.
std::string ComparisonText(const ComparisonTable& table);

}  // namespace tessaro
