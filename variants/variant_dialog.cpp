#include "variants/variant_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "project/field_titles.h"
#include "project/form/project_form.h"
#include "shell/shell_state.h"
#include "ui/screen_fit.h"
#include "ui/twips.h"
#include "variants/variant_run.h"

namespace tessaro {

namespace {

constexpr int kRefrigerantEntry = 74;
constexpr int kInvestmentEntry = 82;
constexpr int kNameEntry = 102;
constexpr int kAsInProjectEntry = 103;

}  // namespace

VariantDialog::VariantDialog(const ProjectForm& form, const Variant& variant, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName("VariantDialog");
    const CaptionTables& c = form.Shell().captions;
    const std::string& currency = form.Shell().settings.CurrencyCode;
    setWindowTitle(ui::ToQString(variant.name));
    const QString asInProject = ui::ToQString(c.Program(kAsInProjectEntry));

    auto* fields = new QWidget;
    auto* grid = new QFormLayout(fields);
    const auto add = [&](const std::string& caption, QWidget* control, const char* name) {
        control->setObjectName(name);
        control->setAccessibleName(ui::ToQString(caption));
        auto* label = new QLabel(ui::ToQString(caption));
        label->setBuddy(control);
        grid->addRow(label, control);
    };
    name_ = new QLineEdit(ui::ToQString(variant.name));
    add(c.Program(kNameEntry), name_, "Name");
    refrigerant_ = new QComboBox;
    refrigerant_->addItem(asInProject, QString());
    for (const std::string& name : OfferedRefrigerants(form))
        refrigerant_->addItem(ui::ToQString(name), ui::ToQString(name));
    refrigerant_->setCurrentIndex(
        std::max(0, refrigerant_->findData(ui::ToQString(variant.refrigerant))));
    add(c.Program(kRefrigerantEntry), refrigerant_, "Refrigerant");
    investment_ = new QDoubleSpinBox;
    investment_->setRange(-1e9, 1e9);
    investment_->setDecimals(0);
    investment_->setValue(variant.investment);
    std::string investmentCaption = c.Program(kInvestmentEntry);
    if (const size_t place = investmentCaption.find("%1"); place != std::string::npos)
        investmentCaption.replace(place, 2, currency);
    add(investmentCaption, investment_, "Investment");

    for (FieldId field : kFieldOrder) {
        const std::string caption = ListedFieldTitle(field, c);
        const char* name = FieldName(field).data();
        const FieldChange* change = nullptr;
        for (const FieldChange& ch : variant.changes)
            if (ch.field == FieldName(field))
                change = &ch;
        if (IsChoiceField(field)) {
            auto* box = new QComboBox;
            box->addItem(asInProject);
            for (const std::string& item : form.Lists()[field])
                box->addItem(ui::ToQString(item));
            if (change != nullptr && change->item > 0 && change->item < box->count())
                box->setCurrentIndex(change->item);
            choices_[field] = box;
            add(caption, box, name);
        } else {
            auto* box = new QLineEdit(change != nullptr ? ui::ToQString(change->text) : QString());
            box->setPlaceholderText(ui::ToQString(form.Record()[field]));
            numbers_[field] = box;
            add(caption, box, name);
        }
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(fields);
    scroll->setWidgetResizable(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    const QRect area = ui::AvailableArea(parent);
    resize(std::min(640, area.width() - 40), std::min(660, area.height() - 60));
}

Variant VariantDialog::Edited() const {
    Variant v;
    v.name = name_->text().trimmed().toStdString();
    v.refrigerant = refrigerant_->currentData().toString().toStdString();
    v.investment = investment_->value();
    for (FieldId field : kFieldOrder) {
        if (auto it = choices_.find(field); it != choices_.end() && it->second->currentIndex() > 0)
            v.changes.push_back({std::string(FieldName(field)), it->second->currentIndex(), {}});
    }
    for (FieldId field : kFieldOrder) {
        if (auto it = numbers_.find(field); it != numbers_.end()) {
            const QString text = it->second->text().trimmed();
            if (!text.isEmpty())
                v.changes.push_back({std::string(FieldName(field)), 0, text.toStdString()});
        }
    }
    return v;
}

}  // namespace tessaro
