#pragma once

#include <QDialog>
#include <map>

#include "project/project_parameters.h"
#include "variants/variant.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace tessaro {

class ProjectForm;

// Edits one variant: its name, refrigerant, extra investment and the fields it changes. Every
// choice field offers "as in the project" and the items of its list; every number box left empty
// is as in the project.
class VariantDialog : public QDialog {
    Q_OBJECT

  public:
    VariantDialog(const ProjectForm& form, const Variant& variant, QWidget* parent);

    // The variant as the dialog shows it: the choices first, in the order of the form, then the
    // numbers, so that a number typed is not replaced by a proposal of a choice.
    Variant Edited() const;

  private:
    const ProjectForm& form_;
    QLineEdit* name_;
    QComboBox* refrigerant_;
    QDoubleSpinBox* investment_;
    std::map<FieldId, QComboBox*> choices_;
    std::map<FieldId, QLineEdit*> numbers_;
};

}  // namespace tessaro
