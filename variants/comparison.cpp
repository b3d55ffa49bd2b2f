#include "variants/comparison.h"

#include <algorithm>
#include <cmath>

#include "engine/app_state.h"
#include "project/field_titles.h"
#include "shell/caption_tables.h"
#include "shell/number_text.h"
#include "shell/text.h"

namespace tessaro {

namespace {

// Program caption entries of the comparison.
enum Entry {
    kProjectColumn = 72,
    kRefrigerantRow = 74,
    kCopRow,
    kEnergyRow,
    kCostRow,
    kCo2Row,
    kSavingEnergyRow,
    kSavingCostRow,
    kSavingPercentRow,
    kInvestmentRow,
    kPaybackRow,
    kTewiDirectRow,
    kTewiIndirectRow,
    kTewiTotalRow,
};

constexpr const char* kNone = "\xE2\x80\x94";  // an em dash where there is no figure

double Rounded(double value, double step) {
    return std::round(value / step) * step;
}

void AddSavings(const ComparisonColumn& project, ComparisonColumn& column) {
    const RunFigures& base = project.figures.figures;
    const RunFigures& own = column.figures.figures;
    if (!project.figures.Computed() || !column.figures.Computed())
        return;
    column.savingEnergy = *base.AnnualEnergy - *own.AnnualEnergy;
    column.savingCost = *base.RunningCost - *own.RunningCost;
    if (*base.AnnualEnergy > 0)
        column.savingPercent = *column.savingEnergy / *base.AnnualEnergy * 100;
    column.payback = PaybackYears(column.investment, *column.savingCost);
}

void AddTewi(const GwpValues& gwp, const TewiInputs& inputs, ComparisonColumn& column) {
    const std::optional<double> value = gwp.Of(column.figures.refrigerant);
    if (value && column.figures.Computed()) {
        column.tewi = ComputeTewi(*value, inputs, column.figures.result.AnnualEnergy,
                                  column.figures.emissionFactor);
    }
}

}  // namespace

Comparison Compare(const ProjectForm& form, const VariantSet& set, const GwpValues& gwp) {
    Comparison comparison;
    comparison.tewi = set.tewi;
    ComparisonColumn project;
    project.name = form.State().captions.Program(kProjectColumn);
    project.figures = ProjectFigures(form);
    AddTewi(gwp, set.tewi, project);
    comparison.columns.push_back(std::move(project));
    for (const Variant& variant : set.variants) {
        ComparisonColumn column;
        column.name = variant.name;
        column.investment = variant.investment;
        column.figures = ComputeVariant(form, variant);
        AddSavings(comparison.columns.front(), column);
        AddTewi(gwp, set.tewi, column);
        comparison.columns.push_back(std::move(column));
    }
    return comparison;
}

ComparisonTable ComparisonRows(const Comparison& comparison, const CaptionTables& captions,
                               const std::string& currencyCode, char separator) {
    ComparisonTable table;
    const std::vector<ComparisonColumn>& columns = comparison.columns;
    if (columns.empty())
        return table;
    for (const ComparisonColumn& column : columns)
        table.columnNames.push_back(column.name);
    const auto number = [separator](const std::optional<double>& value, double step) {
        return value ? PlainNumberText(Rounded(*value, step), separator) : std::string(kNone);
    };
    const auto row = [&](std::string heading, auto cellOf) {
        ComparisonTable::Row r{std::move(heading), {}};
        for (const ComparisonColumn& column : columns)
            r.cells.push_back(cellOf(column));
        table.rows.push_back(std::move(r));
    };
    const ProjectParameters& base = columns.front().figures.record;
    const std::string& baseRefrigerant = columns.front().figures.refrigerant;
    row(captions.Program(kRefrigerantRow), [&](const ComparisonColumn& c) {
        return ComparisonTable::Cell{c.figures.refrigerant,
                                     c.figures.refrigerant != baseRefrigerant};
    });
    for (FieldId field : kFieldOrder) {
        const bool changed = std::any_of(columns.begin(), columns.end(), [&](const auto& c) {
            return c.figures.record[field] != base[field];
        });
        if (!changed)
            continue;
        row(ListedFieldTitle(field, captions), [&](const ComparisonColumn& c) {
            return ComparisonTable::Cell{c.figures.record[field],
                                         c.figures.record[field] != base[field]};
        });
    }
    // The figures; a column without them shows why in the first figure row.
    const auto figure = [&](int entry, auto valueOf) {
        row(FillPlaces(captions.Program(entry), {currencyCode}), [&](const ComparisonColumn& c) {
            if (!c.figures.reason.empty() && entry == kCopRow)
                return ComparisonTable::Cell{c.figures.reason, false};
            return ComparisonTable::Cell{valueOf(c), false};
        });
    };
    figure(kCopRow, [&](const auto& c) { return number(c.figures.figures.COP, 0.01); });
    figure(kEnergyRow, [&](const auto& c) { return number(c.figures.figures.AnnualEnergy, 1); });
    figure(kCostRow, [&](const auto& c) { return number(c.figures.figures.RunningCost, 1); });
    figure(kCo2Row, [&](const auto& c) { return number(c.figures.figures.AnnualCO2, 0.1); });
    const auto ofVariant = [&](auto valueOf) {
        return [&, valueOf](const ComparisonColumn& c) {
            return &c == &columns.front() ? std::string() : valueOf(c);
        };
    };
    figure(kSavingEnergyRow, ofVariant([&](const auto& c) { return number(c.savingEnergy, 1); }));
    figure(kSavingCostRow, ofVariant([&](const auto& c) { return number(c.savingCost, 1); }));
    figure(kSavingPercentRow,
           ofVariant([&](const auto& c) { return number(c.savingPercent, 0.1); }));
    figure(kInvestmentRow,
           ofVariant([&](const auto& c) { return PlainNumberText(c.investment, separator); }));
    figure(kPaybackRow, ofVariant([&](const auto& c) { return number(c.payback, 0.1); }));
    const auto tewi = [&](double (*part)(const Tewi&)) {
        return [&, part](const ComparisonColumn& c) {
            return number(c.tewi ? std::optional<double>(part(*c.tewi) / 1000) : std::nullopt, 0.1);
        };
    };
    figure(kTewiDirectRow, tewi([](const Tewi& t) { return t.direct; }));
    figure(kTewiIndirectRow, tewi([](const Tewi& t) { return t.indirect; }));
    figure(kTewiTotalRow, tewi([](const Tewi& t) { return t.Total(); }));
    return table;
}

std::string ComparisonCsv(const ComparisonTable& table, char separator) {
    const char delimiter = separator == ',' ? ';' : ',';
    std::string out;
    const auto line = [&](const std::string& first, const std::vector<std::string>& rest) {
        const auto field = [](const std::string& text) {
            std::string quoted = "\"";
            for (char c : text) {
                if (c == '"')
                    quoted += '"';
                // A line break inside a reason becomes a blank: one record, one line.
                quoted += c == '\r' || c == '\n' ? ' ' : c;
            }
            return quoted + "\"";
        };
        out += field(first);
        for (const std::string& text : rest)
            out += delimiter + field(text);
        out += "\r\n";
    };
    line("", table.columnNames);
    for (const ComparisonTable::Row& row : table.rows) {
        std::vector<std::string> texts;
        for (const ComparisonTable::Cell& cell : row.cells)
            texts.push_back(cell.text);
        line(row.heading, texts);
    }
    return out;
}

std::string ComparisonText(const ComparisonTable& table) {
    std::vector<std::vector<std::string>> lines;
    lines.push_back({""});
    lines.back().insert(lines.back().end(), table.columnNames.begin(), table.columnNames.end());
    for (const ComparisonTable::Row& row : table.rows) {
        lines.push_back({row.heading});
        for (const ComparisonTable::Cell& cell : row.cells) {
            // A reason of several lines is shown on one.
            std::string text = cell.text;
            std::replace(text.begin(), text.end(), '\r', ' ');
            text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
            lines.back().push_back((cell.changed ? "*" : "") + text);
        }
    }
    std::vector<size_t> widths;
    for (const auto& line : lines) {
        widths.resize(std::max(widths.size(), line.size()));
        for (size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], CharacterCount(line[i]));
    }
    std::string out;
    for (const auto& line : lines) {
        std::string text;
        for (size_t i = 0; i < line.size(); ++i) {
            text += line[i];
            if (i + 1 < line.size())
                text += std::string(widths[i] - CharacterCount(line[i]) + 2, ' ');
        }
        out += text + "\n";
    }
    return out;
}

}  // namespace tessaro
