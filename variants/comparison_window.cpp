#include "variants/comparison_window.h"

#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cerrno>

#include "drawings/comparison_chart.h"
#include "drawings/ph_diagram_drawing.h"
#include "drawings/ph_diagram_view.h"
#include "project/field_titles.h"
#include "project/form/project_form.h"
#include "project/number_ranges.h"
#include "shell/message_box.h"
#include "shell/shell_state.h"
#include "shell/text.h"
#include "ui/screen_fit.h"
#include "ui/twips.h"
#include "variants/variant_dialog.h"
#include "variants/variants_file.h"

namespace tessaro {

namespace {

// Program caption entries of the window.
enum Entry {
    kTitle = 71,
    kVariantName = 73,
    kCostRow = 77,
    kCo2Row = 78,
    kTewiTotalRow = 86,
    kCharge = 87,
    kLeakage = 88,
    kKgPerYear = 89,
    kPercentOfCharge = 90,
    kLifetime = 91,
    kRecovery = 92,
    kAdd = 93,
    kRename = 94,
    kDelete = 95,
    kEdit = 96,
    kPerItem = 97,
    kRefrigerants = 98,
    kPrint = 99,
    kExportCsv = 100,
    kClose = 101,
    kNoGwp = 104,
    kUnreadable = 108,
    kTewiGroup = 109,
    kDeleteQuestion = 110,
    kSavedAs = 111,
    kDiagram = 112,
    kDiagramTitle = 113,
};

constexpr const char* kCsvFile = "TempPartVariants.csv";
constexpr const char* kPdfFile = "TempPartVariants.pdf";

// The widest a column of the table grows, in pixels.
constexpr int kMaxColumnWidth = 160;

// A column's name in two lines at most, each as wide as a column may be, the rest elided: a long
// variant name is read in its header instead of being cut at both ends.
QString HeaderText(const QString& name, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    const QStringList words = name.split(' ', Qt::SkipEmptyParts);
    QString first;
    qsizetype used = 0;
    while (used < words.size()) {
        const QString longer = first.isEmpty() ? words[used] : first + ' ' + words[used];
        if (!first.isEmpty() && metrics.horizontalAdvance(longer) > width)
            break;
        first = longer;
        ++used;
    }
    first = metrics.elidedText(first, Qt::ElideRight, width);
    if (used == words.size())
        return first;
    return first + '\n' + metrics.elidedText(words.mid(used).join(' '), Qt::ElideRight, width);
}

// The chart's figures: running cost, CO2 and, where a column has one, the TEWI.
ComparisonChartData ChartOf(const Comparison& comparison, const ComparisonTable& table) {
    ComparisonChartData data;
    for (const std::string& name : table.columnNames)
        data.columnNames << ui::ToQString(name);
    const auto rowTexts = [&](const std::string& heading) {
        QStringList texts;
        for (const auto& row : table.rows)
            if (row.heading == heading)
                for (const auto& cell : row.cells)
                    texts << ui::ToQString(cell.text);
        return texts;
    };
    // The headings of the figure rows are the last rows of the table, in this order.
    const size_t n = table.rows.size();
    const auto group = [&](size_t fromEnd, auto valueOf) {
        ComparisonChartData::Group g;
        g.title = ui::ToQString(table.rows[n - fromEnd].heading);
        g.texts = rowTexts(table.rows[n - fromEnd].heading);
        for (const ComparisonColumn& c : comparison.columns)
            g.values.push_back(valueOf(c));
        data.groups.push_back(std::move(g));
    };
    // Rows from the end: TEWI total 1, indirect 2, direct 3, payback 4, investment 5, saving %
    // 6, saving cost 7, saving energy 8, CO2 9, cost 10.
    group(10, [](const ComparisonColumn& c) { return c.figures.figures.RunningCost; });
    group(9, [](const ComparisonColumn& c) { return c.figures.figures.AnnualCO2; });
    const bool anyTewi = std::any_of(comparison.columns.begin(), comparison.columns.end(),
                                     [](const ComparisonColumn& c) { return c.tewi.has_value(); });
    if (anyTewi) {
        group(1, [](const ComparisonColumn& c) {
            return c.tewi ? std::optional<double>(c.tewi->Total() / 1000) : std::nullopt;
        });
    }
    return data;
}

// The chart in the window; its accessible description reads the figures out.
class ChartView : public QWidget {
  public:
    explicit ChartView(QWidget* parent) : QWidget(parent) {
        setObjectName("ComparisonChart");
        setMinimumSize(260, 200);
    }
    void SetData(ComparisonChartData data) {
        data_ = std::move(data);
        QStringList parts;
        for (const auto& group : data_.groups) {
            QStringList values;
            for (int i = 0; i < group.texts.size() && i < data_.columnNames.size(); ++i)
                values << data_.columnNames[i] + " " + group.texts[i];
            parts << group.title + ": " + values.join(", ");
        }
        setAccessibleDescription(parts.join("; "));
        setMinimumHeight(
            int(ComparisonChartHeight(fontMetrics().height(), int(data_.columnNames.size()),
                                      int(data_.groups.size()))) +
            8);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        DrawComparisonChart(painter, QRectF(rect()).adjusted(6, 4, -6, -4), data_);
    }

  private:
    ComparisonChartData data_;
};

QDoubleSpinBox* SpinBox(double low, double high, int decimals, double value) {
    auto* box = new QDoubleSpinBox;
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setValue(value);
    box->setKeyboardTracking(false);
    return box;
}

}  // namespace

ComparisonWindow::ComparisonWindow(const ProjectForm& form, const WorkingDir& files,
                                   MessageBox& messages, QWidget* parent,
                                   std::optional<FieldId> focusField)
    : QDialog(parent), form_(form), files_(files), messages_(messages) {
    setObjectName("Variantenvergleich");
    setWindowTitle(ui::ToQString(Caption(kTitle)));
    const WorkingDir& dir = files_;
    const VariantsRead read = ReadVariantsFile(dir, true);
    set_ = read.set;
    gwp_ = GwpValues::Read(dir);
    BuildControls(focusField);
    Refresh();
    const QRect area = ui::AvailableArea(parent != nullptr ? parent : this);
    resize(std::min(1600, area.width() - 24), std::min(900, area.height() - 48));
    if (!read.error.empty()) {
        Tell(FillPlaces(Caption(kUnreadable), {dir.Resolve(kVariantsFile).string(), read.error,
                                               read.kept ? kDamagedVariantsFile : "-"}));
    }
}

std::string ComparisonWindow::Caption(int entry) const {
    return form_.Shell().captions.Program(entry);
}

void ComparisonWindow::BuildControls(std::optional<FieldId> focusField) {
    const CaptionTables& c = form_.Shell().captions;
    tableView_ = new QTableWidget(this);
    tableView_->setObjectName("ComparisonTable");
    tableView_->setAccessibleName(ui::ToQString(Caption(kTitle)));
    tableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    tableView_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView_->setTabKeyNavigation(false);
    tableView_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    connect(tableView_, &QTableWidget::cellDoubleClicked, this, [this] { EditVariant(); });
    connect(tableView_, &QTableWidget::currentCellChanged, this, [this] { FollowDiagram(); });
    auto* chart = new ChartView(this);
    chart_ = chart;
    note_ = new QLabel(this);
    note_->setObjectName("TewiNote");
    note_->setWordWrap(true);

    auto* tewi = new QGroupBox(ui::ToQString(Caption(kTewiGroup)), this);
    tewi->setObjectName("TewiInputs");
    auto* tewiForm = new QFormLayout(tewi);
    const TewiInputs& t = set_.tewi;
    charge_ = SpinBox(0, 1e6, 1, t.charge);
    leakage_ = SpinBox(0, 1e6, 1, t.leakage);
    leakageUnit_ = new QComboBox;
    leakageUnit_->addItem(ui::ToQString(Caption(kPercentOfCharge)));
    leakageUnit_->addItem(ui::ToQString(Caption(kKgPerYear)));
    leakageUnit_->setCurrentIndex(t.leakageUnit == LeakageUnit::KgPerYear ? 1 : 0);
    lifetime_ = SpinBox(0, 100, 0, t.lifetime);
    recovery_ = SpinBox(0, 1, 2, t.recovery);
    recovery_->setSingleStep(0.05);
    const std::pair<QWidget*, std::pair<int, const char*>> inputs[] = {
        {charge_, {kCharge, "Charge"}},
        {leakage_, {kLeakage, "Leakage"}},
        {leakageUnit_, {0, "LeakageUnit"}},
        {lifetime_, {kLifetime, "Lifetime"}},
        {recovery_, {kRecovery, "Recovery"}}};
    for (const auto& [control, caption] : inputs) {
        control->setObjectName(caption.second);
        const std::string text = caption.first != 0 ? Caption(caption.first) : std::string();
        control->setAccessibleName(ui::ToQString(caption.first != 0 ? text : Caption(kLeakage)));
        tewiForm->addRow(ui::ToQString(text), control);
    }
    for (QDoubleSpinBox* box : {charge_, leakage_, lifetime_, recovery_})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { ApplyTewiInputs(); });
    connect(leakageUnit_, &QComboBox::currentIndexChanged, this, [this] { ApplyTewiInputs(); });

    const auto button = [this](int entry, const char* name, void (ComparisonWindow::*run)()) {
        auto* b = new QPushButton(ui::ToQString(Caption(entry)), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, run);
        return b;
    };
    whatIfField_ = new QComboBox(this);
    whatIfField_->setObjectName("WhatIfField");
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldId field = static_cast<FieldId>(i);
        if (IsChoiceField(field))
            whatIfField_->addItem(ui::ToQString(FieldTitle(field, c)), i);
    }
    if (focusField && IsChoiceField(*focusField))
        whatIfField_->setCurrentIndex(whatIfField_->findData(static_cast<int>(*focusField)));
    auto* perItem = button(kPerItem, "PerItem", &ComparisonWindow::AddItemVariants);
    const auto nameWhatIf = [this, perItem] {
        whatIfField_->setAccessibleName(whatIfField_->currentText());
        perItem->setAccessibleName(ui::ToQString(Caption(kPerItem)) + ": " +
                                   whatIfField_->currentText());
    };
    connect(whatIfField_, &QComboBox::currentIndexChanged, this, nameWhatIf);
    nameWhatIf();

    auto* commands = new QHBoxLayout;
    commands->addWidget(button(kAdd, "Add", &ComparisonWindow::AddVariant));
    commands->addWidget(button(kEdit, "Edit", &ComparisonWindow::EditVariant));
    commands->addWidget(button(kRename, "Rename", &ComparisonWindow::RenameVariant));
    commands->addWidget(button(kDelete, "Delete", &ComparisonWindow::DeleteVariant));
    commands->addSpacing(16);
    commands->addWidget(whatIfField_, 1);
    commands->addWidget(perItem);
    commands->addWidget(
        button(kRefrigerants, "Refrigerants", &ComparisonWindow::AddRefrigerantVariants));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note_, 1);
    bottom->addWidget(button(kDiagram, "Diagram", &ComparisonWindow::ShowDiagram));
    bottom->addWidget(button(kPrint, "Print", &ComparisonWindow::PrintComparison));
    bottom->addWidget(button(kExportCsv, "ExportCsv", &ComparisonWindow::ExportCsv));
    auto* close = new QPushButton(ui::ToQString(Caption(kClose)), this);
    close->setObjectName("Close");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(close);

    auto* side = new QVBoxLayout;
    side->addWidget(chart_, 1);
    side->addWidget(tewi);
    auto* top = new QHBoxLayout;
    top->addWidget(tableView_, 5);
    top->addLayout(side, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(commands);
    layout->addLayout(bottom);
}

std::optional<size_t> ComparisonWindow::CurrentVariant() const {
    const int column = tableView_->currentColumn();
    if (column < 1 || static_cast<size_t>(column) > set_.variants.size())
        return std::nullopt;
    return static_cast<size_t>(column - 1);
}

void ComparisonWindow::ApplyTewiInputs() {
    TewiInputs& t = set_.tewi;
    t.charge = charge_->value();
    t.leakage = leakage_->value();
    t.leakageUnit =
        leakageUnit_->currentIndex() == 1 ? LeakageUnit::KgPerYear : LeakageUnit::PercentOfCharge;
    t.lifetime = lifetime_->value();
    t.recovery = recovery_->value();
    Save();
    Refresh();
}

void ComparisonWindow::Refresh() {
    comparison_ = Compare(form_, set_, gwp_);
    const ShellState& state = form_.Shell();
    table_ = ComparisonRows(comparison_, state.captions, state.settings.CurrencyCode,
                            state.decimalSeparator);
    ShowTable();
    static_cast<ChartView*>(chart_)->SetData(ChartOf(comparison_, table_));
    QStringList missing;
    for (const ComparisonColumn& c : comparison_.columns) {
        const QString name = ui::ToQString(c.figures.refrigerant);
        if (!gwp_.Of(c.figures.refrigerant) && !missing.contains(name))
            missing << name;
    }
    note_->setText(missing.isEmpty() ? QString()
                                     : ui::ToQString(FillPlaces(
                                           Caption(kNoGwp), {missing.join(", ").toStdString()})));
    note_->setAccessibleName(note_->text());
    FollowDiagram();
}

void ComparisonWindow::ShowDiagram() {
    if (diagram_ == nullptr) {
        diagram_ = new QDialog(this);
        diagram_->setObjectName("ComparisonDiagram");
        diagram_->setWindowTitle(ui::ToQString(Caption(kDiagramTitle)));
        diagramView_ = new PhDiagramView(diagram_);
        auto* layout = new QVBoxLayout(diagram_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(diagramView_);
        const QRect area = ui::AvailableArea(this);
        diagram_->resize(std::min(760, area.width() - 40), std::min(560, area.height() - 60));
    }
    FollowDiagram();
    diagram_->show();
    diagram_->raise();
}

// The diagram shows the project's cycle and, over it, the current variant's (on the project's
// refrigerant's dome when the variant has another refrigerant, the variant's cycle is its own).
void ComparisonWindow::FollowDiagram() {
    if (diagramView_ == nullptr || comparison_.columns.empty())
        return;
    const ShellState& state = form_.Shell();
    const VariantFigures& project = comparison_.columns.front().figures;
    PhDiagramTexts texts = DiagramTexts(state, project.refrigerant);
    std::optional<PhDiagram> overlay;
    if (const std::optional<size_t> current = CurrentVariant()) {
        const ComparisonColumn& column = comparison_.columns[*current + 1];
        overlay = CycleDiagram(form_, column.figures);
        texts.overlayName = ui::ToQString(column.name);
    }
    diagramView_->Show(CycleDiagram(form_, project), texts, overlay);
}

void ComparisonWindow::ShowTable() {
    const int current = tableView_->currentColumn();
    tableView_->clear();
    tableView_->setColumnCount(static_cast<int>(table_.columnNames.size()));
    tableView_->setRowCount(static_cast<int>(table_.rows.size()));
    QStringList names;
    for (const std::string& name : table_.columnNames)
        names << ui::ToQString(name);
    tableView_->setHorizontalHeaderLabels(names);
    QStringList headings;
    for (const auto& row : table_.rows)
        headings << ui::ToQString(row.heading);
    tableView_->setVerticalHeaderLabels(headings);
    for (size_t r = 0; r < table_.rows.size(); ++r) {
        const auto& row = table_.rows[r];
        for (size_t col = 0; col < row.cells.size(); ++col) {
            // A left-to-right mark keeps a minus sign before its digits in right-to-left
            // languages.
            auto* item = new QTableWidgetItem(QChar(0x200E) + ui::ToQString(row.cells[col].text));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(ui::ToQString(row.cells[col].text));
            if (row.cells[col].changed) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(QColor(255, 236, 170));
            }
            // A screen reader hears the column, the row and the figure.
            item->setData(Qt::AccessibleTextRole, names[int(col)] + ", " + headings[int(r)] + ": " +
                                                      ui::ToQString(row.cells[col].text));
            tableView_->setItem(int(r), int(col), item);
        }
    }
    const QFontMetrics metrics(tableView_->horizontalHeader()->font());
    for (int col = 0; col < tableView_->columnCount(); ++col) {
        QTableWidgetItem* header = tableView_->horizontalHeaderItem(col);
        header->setText(HeaderText(names[col], metrics, kMaxColumnWidth - 12));
        header->setToolTip(names[col]);
    }
    tableView_->resizeColumnsToContents();
    for (int col = 0; col < tableView_->columnCount(); ++col)
        tableView_->setColumnWidth(col, std::min(tableView_->columnWidth(col), kMaxColumnWidth));
    if (current >= 0 && current < tableView_->columnCount())
        tableView_->setCurrentCell(0, current);
}

void ComparisonWindow::Save() {
    const WorkingDir& dir = files_;
    errno = 0;
    if (!WriteVariantsFile(dir, set_)) {
        Tell(WriteFailedMessage(dir.Resolve(kVariantsFile).string(), errno != 0 ? errno : EIO,
                                form_.Shell().captions));
    }
}

void ComparisonWindow::Tell(const std::string& text) {
    messages_.Show(text, std::string(kApplicationTitle), MessageIcon::Exclamation,
                   MessageButtons::Ok);
}

void ComparisonWindow::AddVariant() {
    Variant v;
    v.name = FillPlaces(Caption(kVariantName), {std::to_string(set_.variants.size() + 1)});
    if (const std::optional<size_t> current = CurrentVariant())
        v = set_.variants[*current], v.name += " (2)";
    set_.variants.push_back(v);
    Save();
    Refresh();
    tableView_->setCurrentCell(0, static_cast<int>(set_.variants.size()));
    EditVariant();
}

void ComparisonWindow::EditVariant() {
    const std::optional<size_t> current = CurrentVariant();
    if (!current)
        return;
    VariantDialog dialog(form_, set_.variants[*current], this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Variant edited = dialog.Edited();
    if (edited.name.empty())
        edited.name = set_.variants[*current].name;
    set_.variants[*current] = std::move(edited);
    Save();
    Refresh();
}

void ComparisonWindow::RenameVariant() {
    const std::optional<size_t> current = CurrentVariant();
    if (!current)
        return;
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, windowTitle(), ui::ToQString(Caption(94)), QLineEdit::Normal,
                              ui::ToQString(set_.variants[*current].name), &ok);
    if (!ok || name.trimmed().isEmpty())
        return;
    set_.variants[*current].name = name.trimmed().toStdString();
    Save();
    Refresh();
}

void ComparisonWindow::DeleteVariant() {
    const std::optional<size_t> current = CurrentVariant();
    if (!current)
        return;
    const std::string question =
        FillPlaces(Caption(kDeleteQuestion), {set_.variants[*current].name});
    if (messages_.Show(question, std::string(kApplicationTitle), MessageIcon::Question,
                       MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    set_.variants.erase(set_.variants.begin() + static_cast<std::ptrdiff_t>(*current));
    Save();
    Refresh();
}

void ComparisonWindow::AddItemVariants() {
    const FieldId field = static_cast<FieldId>(whatIfField_->currentData().toInt());
    for (Variant& v : WhatIfItems(form_, field))
        set_.variants.push_back(std::move(v));
    Save();
    Refresh();
}

void ComparisonWindow::AddRefrigerantVariants() {
    std::vector<std::string> names = OfferedRefrigerants(form_);
    names.resize(std::min<size_t>(names.size(), 10));
    for (Variant& v : WhatIfRefrigerants(names))
        set_.variants.push_back(std::move(v));
    Save();
    Refresh();
}

void ComparisonWindow::ExportCsv() {
    const WorkingDir& dir = files_;
    errno = 0;
    if (!dir.OpenForReplace(kCsvFile, ComparisonCsv(table_, form_.Shell().decimalSeparator))) {
        Tell(WriteFailedMessage(dir.Resolve(kCsvFile).string(), errno != 0 ? errno : EIO,
                                form_.Shell().captions));
        return;
    }
    Tell(FillPlaces(Caption(kSavedAs), {dir.Resolve(kCsvFile).string()}));
}

void ComparisonWindow::PrintComparison() {
    QPrinter printer(QPrinter::HighResolution);
    const std::string pdf = files_.Resolve(kPdfFile).string();
    const bool toPdf = QPrinterInfo::availablePrinterNames().isEmpty();
    if (toPdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(ui::ToQString(pdf));
    }
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) {
        Tell(WriteFailedMessage(pdf, EIO, form_.Shell().captions));
        return;
    }
    ComparisonPage page;
    page.title = ui::ToQString(Caption(kTitle)) + " - " +
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    for (const std::string& name : table_.columnNames)
        page.columnNames << ui::ToQString(name);
    for (const auto& row : table_.rows) {
        ComparisonPage::Row r{ui::ToQString(row.heading), {}, {}};
        for (const auto& cell : row.cells) {
            r.cells << ui::ToQString(cell.text);
            r.changed.push_back(cell.changed);
        }
        page.rows.push_back(std::move(r));
    }
    page.chart = ChartOf(comparison_, table_);
    QFont font("DejaVu Sans", 9);
    painter.setFont(font);
    DrawComparisonPage(painter,
                       printer.pageRect(QPrinter::DevicePixel)
                           .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft()),
                       page);
    painter.end();
    if (toPdf)
        Tell(FillPlaces(Caption(kSavedAs), {pdf}));
}

}  // namespace tessaro
