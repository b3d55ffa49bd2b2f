#pragma once

#include <QDialog>
#include <optional>

#include "project/project_parameters.h"
#include "variants/comparison.h"
#include "variants/gwp_values.h"
#include "variants/variant.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tessaro {

class MessageBox;
class PhDiagramView;
class ProjectForm;
class WorkingDir;

// The comparison of the project with its variants: a table with the project and each variant as
// a column (fields a variant changes marked), a bar chart of the running cost, the CO2 and the
// TEWI, the TEWI inputs, and the commands to add, rename, edit and delete variants, to add one
// variant per item of a choice field or per refrigerant, to print and to export CSV. Every change
// is saved in the variants file at once; nothing else is written.
class ComparisonWindow : public QDialog {
    Q_OBJECT

  public:
    // The variants of the project of form, whose state may hold its writes in memory: files is
    // the folder where the variants file, the CSV and the PDF go. focusField: the choice field in
    // focus on the form, offered first for a what-if.
    ComparisonWindow(const ProjectForm& form, const WorkingDir& files, MessageBox& messages,
                     QWidget* parent, std::optional<FieldId> focusField = std::nullopt);

    // The variant of a column the user works on: the current column of the table, or nothing for
    // the project's own column.
    std::optional<size_t> CurrentVariant() const;
    const VariantSet& Variants() const { return set_; }
    const Comparison& Shown() const { return comparison_; }

    // Computes every column again and shows the table and the chart.
    void Refresh();

    // The commands, as their buttons run them.
    void AddVariant();
    void RenameVariant();
    void EditVariant();
    void DeleteVariant();
    void AddItemVariants();
    void AddRefrigerantVariants();
    void PrintComparison();
    void ExportCsv();
    // The log p-h diagram of the project with the current variant laid over it, in a window of
    // its own that follows the current column.
    void ShowDiagram();

  private:
    void BuildControls(std::optional<FieldId> focusField);
    void ApplyTewiInputs();
    void ShowTable();
    void Save();
    void FollowDiagram();
    void Tell(const std::string& text);
    std::string Caption(int entry) const;

    const ProjectForm& form_;
    const WorkingDir& files_;
    MessageBox& messages_;
    VariantSet set_;
    GwpValues gwp_;
    Comparison comparison_;
    ComparisonTable table_;
    QTableWidget* tableView_ = nullptr;
    QWidget* chart_ = nullptr;
    QLabel* note_ = nullptr;
    QComboBox* whatIfField_ = nullptr;
    QDialog* diagram_ = nullptr;
    PhDiagramView* diagramView_ = nullptr;
    QDoubleSpinBox* charge_ = nullptr;
    QDoubleSpinBox* leakage_ = nullptr;
    QComboBox* leakageUnit_ = nullptr;
    QDoubleSpinBox* lifetime_ = nullptr;
    QDoubleSpinBox* recovery_ = nullptr;
};

}  // namespace tessaro
