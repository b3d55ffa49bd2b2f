#include "project/form/project_form_window.h"

#include "project/field_titles.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "project/form/ph_diagram_window.h"
#include "shell/caption_tables.h"
#include "shell/help_box_dialog.h"
#include "shell/shell_state.h"
#include "shell/text.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/screen_fit.h"
#include "ui/text_fit.h"
#include "ui/twips.h"
#include "variants/comparison_window.h"

namespace tessaro {

namespace {

// The object names of the containers, in the order of FormPanel.
constexpr const char* kPanelNames[kFormPanelCount] = {
    "Frame3D4", "Frame3d1", "Panel3D1", "Panel3D2", "Panel3D3", "Panel3D4",
    "Pn44",     "Pn45",     "PNRG",     "Pn43",     "vdpn",     "Pn47"};

// Background pictures of the containers when backgrounds are on.
constexpr std::pair<FormPanel, const char*> kBackgrounds[] = {
    {FormPanel::Frame3D4, "Varnholt_Back01.jpg"},
    {FormPanel::Frame3d1, "Varnholt_Back032.jpg"},
    {FormPanel::Panel3D3, "Varnholt_Back041.jpg"},
    {FormPanel::Panel3D2, "Varnholt_Back04.jpg"},
    {FormPanel::Panel3D4, "Varnholt_Back04.jpg"},
    {FormPanel::Panel3D1, "Varnholt_Back04.jpg"},
    {FormPanel::PNRG, "Varnholt_Back04.jpg"},
    {FormPanel::vdpn, "Varnholt_Back04.jpg"},
    {FormPanel::Pn45, "HG_red_01.jpg"},
    {FormPanel::Pn44, "HG_blue_01.jpg"},
    {FormPanel::Pn47, "HG_blue_01.jpg"}};

// Each field's caption label and what it says; the unit label beside a number box.
struct FieldCaption {
    FieldId field;
    const char* label;
    char table;  // 'M' main caption entry, 'P' program caption entry, 'T' the fixed text
    int entry;
    const char* text;
    const char* unitLabel;
};
constexpr FieldCaption kFieldCaptions[] = {
    {FieldId::km, "Label31", 'M', 22, "", nullptr},
    {FieldId::betrstd, "Label20", 'M', 82, "", "Label27"},
    {FieldId::lzfaktor, "Label21", 'M', 83, "", "Label29"},
    {FieldId::EnergKost, "Label22", 'M', 84, "", "Label25"},
    {FieldId::JahrebetrT, "Label23", 'M', 85, "", nullptr},
    {FieldId::Spezco2emission, "Label24", 'M', 222, "", "Label26"},
    {FieldId::AnwendBereich, "Label17", 'P', 29, "", nullptr},
    {FieldId::AnlGroesse, "Label2", 'M', 37, "", nullptr},
    {FieldId::Q0, "Label4", 'T', 0, "Qo :", "Label30"},
    {FieldId::Tempbereich, "Label18", 'P', 30, "", nullptr},
    {FieldId::AmbientT, "Label9", 'P', 13, "", nullptr},
    {FieldId::tambient, "", 'T', 0, "", "Label1"},
    {FieldId::vdsize, "Label7", 'M', 203, "", nullptr},
    {FieldId::t0, "Label5", 'T', 0, "to :", "Label12"},
    {FieldId::VFlsize, "Label8", 'M', 203, "", nullptr},
    {FieldId::Tc, "Label6", 'T', 0, "tc :", "Label13"},
    {FieldId::RGart, "Label34", 'P', 46, "", nullptr},
    {FieldId::WinterRGart, "Label35", 'P', 47, "", nullptr},
    {FieldId::WartungI, "Label14", 'P', 21, "", nullptr},
    {FieldId::Fullzustand, "Label15", 'P', 12, "", nullptr},
    {FieldId::Leitungsdimension, "Label16", 'P', 22, "", nullptr},
    {FieldId::WaermeD, "Label19", 'P', 32, "", nullptr},
    {FieldId::Verdichterbauart, "Label33", 'M', 12, "", nullptr},
};

const QColor kPanelColour(236, 240, 244);
const QColor kHotLine(196, 60, 48);
const QColor kColdLine(40, 96, 176);
const QColor kPendingText(176, 96, 0);

// Below this size the form scrolls; the window itself may be made this small.
const QSize kSmallestWindow(480, 360);

}  // namespace

ProjectFormWindow::ProjectFormWindow(AppState& state, MessageBox& messages, ProjectFormHooks hooks,
                                     QWidget* parent)
    : QDialog(parent),
      hooks_(std::move(hooks)),
      messages_(messages),
      form_(state, messages, *this),
      shell_(form_.Shell()) {
    setObjectName("Projektdaten");
    setModal(true);
    // On a screen too small for the design size the whole form is scaled down, fonts included,
    // so that its layout stays the designed one; below the smallest scale it scrolls.
    const QSize design(ui::ToPixels(kFormDesignWidth), ui::ToPixels(kFormDesignHeight));
    scale_ = ui::FitScale(design, ui::AvailableArea(this).size(), ui::FrameExtra(*this));
    setFont(ui::ScaledFont(font(), scale_));
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    content_ = new QWidget;
    content_->setMinimumSize(design * scale_);
    content_->installEventFilter(this);
    scroll_->setWidget(content_);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroll_);
    setMinimumSize(kSmallestWindow);
    BuildPanels();
    BuildCycle();
    BuildFields();
    BuildResults();
    BuildButtons();
    assitPN_ = new QFrame(content_);
    assitPN_->setObjectName("AssitPN");
    // The help never takes a click: a click meant for the control below it reaches that control.
    assitPN_->setAttribute(Qt::WA_TransparentForMouseEvents);
    assitPN_->setFrameShape(QFrame::Box);
    assitPN_->setStyleSheet("#AssitPN { background: #fffbe6; border: 1px solid #b59a3c; }");
    assitPN_->hide();
    assitLabel_ = new QLabel(assitPN_);
    assitLabel_->setObjectName("AssitLabel");
    assitLabel_->setWordWrap(true);
    assitLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    resize(design * scale_);
    // Form load: the busy pointer while the project, the lists and the first run load.
    if (ui::ScreenSizeTwips().height < 8900)
        move(ui::ToPixels(1), ui::ToPixels(1));
    form_.Load();
    ApplyCaptions();
    SetTabOrder();
    Refresh();
    // The form opens with the calculate button in focus, the command a user most often wants.
    rechbutt_->setFocus();
}

QLabel* ProjectFormWindow::AddLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    labels_[name.toStdString()] = label;
    return label;
}

void ProjectFormWindow::BuildPanels() {
    for (int i = 0; i < kFormPanelCount; ++i) {
        const auto panel = static_cast<FormPanel>(i);
        QWidget* parent = content_;
        if (panel == FormPanel::vdpn || panel == FormPanel::Pn47)
            parent = Panel(FormPanel::Pn43);
        else if (panel != FormPanel::Frame3D4 && panel != FormPanel::Frame3d1)
            parent = Panel(FormPanel::Frame3d1);
        auto* frame = new QFrame(parent);
        frame->setObjectName(kPanelNames[i]);
        frame->setAutoFillBackground(panel != FormPanel::Pn43);
        if (panel != FormPanel::Frame3D4 && panel != FormPanel::Frame3d1 &&
            panel != FormPanel::Pn43) {
            frame->setFrameShape(QFrame::StyledPanel);
            frame->setFrameShadow(QFrame::Raised);
        }
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, kPanelColour);
        frame->setPalette(palette);
        panels_[static_cast<size_t>(i)] = frame;
        Watch(frame);
    }
    Panel(FormPanel::Frame3d1)->lower();
    for (FormPanel titled : {FormPanel::Pn44, FormPanel::Pn45}) {
        QLabel* title =
            AddLabel(QString(kPanelNames[static_cast<int>(titled)]) + "_l", Panel(titled));
        QFont font = title->font();
        font.setBold(true);
        title->setFont(font);
        title->setGeometry(Px({120, 50, 4400, 240}));
    }
}

void ProjectFormWindow::BuildFields() {
    for (const FieldCaption& caption : kFieldCaptions) {
        const FieldId field = caption.field;
        const ControlPlace place = PlaceOfField(field);
        QWidget* panel = Panel(place.panel);
        QWidget* control = nullptr;
        if (IsChoiceField(field)) {
            auto* combo = new QComboBox(panel);
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            connect(combo, &QComboBox::activated, this, [this, field](int index) {
                form_.Pick(field, index + 1);
                Refresh();
            });
            control = combo;
        } else {
            auto* box = new QLineEdit(panel);
            connect(box, &QLineEdit::textEdited, this, [this, box, field](const QString& text) {
                form_.Type(field, text.toStdString());
                ShowPending(box, field);
                RefreshHelp();
            });
            connect(box, &QLineEdit::returnPressed, this, [this, field] {
                form_.Enter(field);
                Refresh();
            });
            control = box;
        }
        control->setObjectName(ui::ToQString(std::string(FieldName(field))));
        control->setGeometry(Px(place.field));
        fields_[static_cast<size_t>(field)] = control;
        control->installEventFilter(this);
        if (*caption.label != '\0') {
            QLabel* label = AddLabel(caption.label, panel);
            label->setGeometry(Px(place.label));
            label->setBuddy(control);
            Watch(label);
        }
        if (caption.unitLabel != nullptr && place.unit)
            AddLabel(caption.unitLabel, panel)->setGeometry(Px(*place.unit));
    }
}

void ProjectFormWindow::BuildCycle() {
    // The refrigerant circuit around the panels: discharge line from the compressor up and over
    // to the condenser, liquid line down the left side to the evaporator, suction line from the
    // evaporator over and up to the compressor.
    const std::pair<const char*, QColor> kLines[] = {
        {"HubKlinie1", kHotLine}, {"HubKlinie2", kColdLine}, {"Line1", kHotLine},
        {"Line2", kHotLine},      {"Line3", kHotLine},       {"Line4", kHotLine},
        {"Line5", kHotLine},      {"Line6", kColdLine}};
    for (const auto& [name, colour] : kLines) {
        auto* line = new QFrame(Panel(FormPanel::Frame3d1));
        line->setObjectName(name);
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, colour);
        line->setPalette(palette);
        lines_[name] = line;
    }
    // Nothing sets the compressor stage, so both stroke lines are shown.
    QFrame* suction = Panel(FormPanel::Pn47);
    QLabel* title = AddLabel("tslPN", suction);
    title->setGeometry(Px({100, 45, 2200, 480}));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    tSLeit_ = AddLabel("tSLeit", suction);
    tSLeit_->setGeometry(Px({100, 600, 1300, 360}));
    tSLeit_->setFrameShape(QFrame::Panel);
    tSLeit_->setFrameShadow(QFrame::Sunken);
    tSLeit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tSLeit_->setLayoutDirection(Qt::LeftToRight);
    tSLeit_->setAutoFillBackground(true);
    tSLeit_->setBackgroundRole(QPalette::Base);
    AddLabel("Label28", suction)->setGeometry(Px({1460, 600, 700, 360}));
}

void ProjectFormWindow::BuildResults() {
    QFrame* result = Panel(FormPanel::Panel3D3);
    result->setFrameShadow(QFrame::Sunken);
    pn40_ = new QFrame(result);
    pn40_->setObjectName("Pn40");
    pn40_->setFrameShape(QFrame::StyledPanel);
    pn40_->setGeometry(Px({2520, 120, 2960, 480}));
    AddLabel("Label42", pn40_)->setGeometry(Px({90, 60, 1300, 360}));
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.35);
    big.setBold(true);
    const auto value = [&](const char* name, QWidget* parent, const TwipsRect& place) {
        QLabel* label = AddLabel(name, parent);
        label->setGeometry(Px(place));
        label->setFont(big);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Numbers read left to right in every language, a minus sign before its digits.
        label->setLayoutDirection(Qt::LeftToRight);
        return label;
    };
    leistZ_ = value("LeistZ", pn40_, {1400, 30, 1440, 420});
    AddLabel("Label32", result)->setGeometry(Px({120, 800, 2360, 420}));
    betrKo_ = value("BetrKo", result, {2520, 800, 1900, 420});
    AddLabel("Label3", result)->setGeometry(Px({4500, 800, 1000, 420}));
    AddLabel("Label11", result)->setGeometry(Px({120, 1340, 2360, 420}));
    co2consum_ = value("co2consum", result, {2520, 1340, 1900, 420});
    AddLabel("Label10", result)->setGeometry(Px({4500, 1340, 1000, 420}));
    kWstunden_ = AddLabel("kWstunden", result);
    kWstunden_->setGeometry(Px({2520, 1900, 2980, 360}));
    kWstunden_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    kWstunden_->setLayoutDirection(Qt::LeftToRight);
    for (const char* name : {"Label32", "Label11"})
        labels_[name]->setWordWrap(true);
}

void ProjectFormWindow::BuildButtons() {
    rechbutt_ = new ui::PictureButton("Rechbutt", Panel(FormPanel::Panel3D3));
    rechbutt_->move(Px(120), Px(120));
    QFrame* column = Panel(FormPanel::Frame3D4);
    diagrammbutt_ = new ui::PictureButton("Diagrammbutt", column);
    variantbutt_ = new ui::PictureButton("Variantbutt", column);
    printbutt_ = new ui::PictureButton("Printbutt", column);
    command3D3_ = new ui::PictureButton("Command3D3", column);
    command3D2_ = new ui::PictureButton("Command3D2", column);
    abbrechen_ = new ui::PictureButton("Abbrechen", column);
    const auto then = [this](void (ProjectForm::*command)()) {
        return [this, command] {
            (form_.*command)();
            if (!form_.Closed())
                Refresh();
        };
    };
    connect(rechbutt_, &ui::PictureButton::clicked, this, then(&ProjectForm::Rechbutt));
    connect(diagrammbutt_, &ui::PictureButton::clicked, this, [this] { ShowDiagram(); });
    connect(variantbutt_, &ui::PictureButton::clicked, this, [this] { ShowComparison(); });
    connect(printbutt_, &ui::PictureButton::clicked, this, then(&ProjectForm::Printbutt));
    connect(command3D3_, &ui::PictureButton::clicked, this, then(&ProjectForm::Command3D3));
    connect(command3D2_, &ui::PictureButton::clicked, this, then(&ProjectForm::Command3D2));
    connect(abbrechen_, &ui::PictureButton::clicked, this, then(&ProjectForm::Abbrechen));
}

// Every caption and picture of the form from the caption tables of the current language.
void ProjectFormWindow::ApplyCaptions() {
    const CaptionTables& c = shell_.captions;
    const std::string colon(kColonSuffix);
    const std::string& currency = shell_.settings.CurrencyCode;
    for (const FieldCaption& caption : kFieldCaptions) {
        std::string text = caption.text;
        if (caption.table == 'M')
            text = c.Main(caption.entry) + colon;
        else if (caption.table == 'P')
            text = c.Program(caption.entry) + colon;
        QWidget* control = fields_[static_cast<size_t>(caption.field)];
        if (*caption.label != '\0') {
            labels_[caption.label]->setText(ui::ToQString(text));
            control->setAccessibleName(ui::ToQString(text.substr(0, text.rfind(" :"))));
        }
    }
    fields_[static_cast<size_t>(FieldId::tambient)]->setAccessibleName(
        ui::ToQString(c.Program(13)));
    labels_["Label27"]->setText("h");
    labels_["Label29"]->setText(" - ");
    labels_["Label25"]->setText(ui::ToQString(currency + "/kWh"));
    labels_["Label26"]->setText("kg CO2/kWh");
    labels_["Label30"]->setText(ui::ToQString(UnitLabel(4)));
    labels_["Label1"]->setText(ui::ToQString(UnitLabel(1)));
    labels_["Label12"]->setText(ui::ToQString(UnitLabel(1)));
    labels_["Label13"]->setText(ui::ToQString(UnitLabel(1)));
    labels_["Label28"]->setText(ui::ToQString(UnitLabel(1)));
    labels_["Pn44_l"]->setText(ui::ToQString(c.Main(13)));
    labels_["Pn45_l"]->setText(ui::ToQString(c.Main(14)));
    labels_["tslPN"]->setText(ui::ToQString(c.Main(171) + " " + c.Main(68) + colon));
    labels_["Label42"]->setText("COP ca. :");
    labels_["Label32"]->setText(ui::ToQString(c.Main(66) + colon));
    labels_["Label3"]->setText(ui::ToQString(currency + "/a"));
    labels_["Label11"]->setText(ui::ToQString(c.Main(222) + colon));
    labels_["Label10"]->setText("t/a");

    assitPN_->setAccessibleName(ui::ToQString(c.Main(21)));
    assitLabel_->setAccessibleName(ui::ToQString(c.Main(21)));
    for (const auto& [name, label] : labels_)
        if (label->accessibleName().isEmpty())
            label->setAccessibleName(label->text());
    // Panels are named by what their caption says, or not at all: a screen reader never hears
    // the object names of the containers or of the lines of the circuit.
    const std::pair<FormPanel, std::string> kPanelCaptions[] = {
        {FormPanel::Panel3D1, c.Program(29)},
        {FormPanel::Panel3D2, c.Program(13)},
        {FormPanel::Pn44, c.Main(13)},
        {FormPanel::Pn45, c.Main(14)},
        {FormPanel::PNRG, c.Program(46)},
        {FormPanel::vdpn, c.Main(12)},
        {FormPanel::Pn47, c.Main(171) + " " + c.Main(68)}};
    for (int i = 0; i < kFormPanelCount; ++i)
        panels_[static_cast<size_t>(i)]->setAccessibleName(QString());
    for (const auto& [panel, caption] : kPanelCaptions)
        Panel(panel)->setAccessibleName(ui::ToQString(caption));
    pn40_->setAccessibleName(QString());
    for (const auto& [name, line] : lines_)
        line->setAccessibleName(QString());
    ShowResultsToScreenReaders();
    // A caption too long for its place in a language is drawn smaller, never cut.
    for (const auto& [name, label] : labels_)
        ui::FitTextInto(*label);

    const std::pair<ui::PictureButton*, std::pair<std::string, const char*>> kButtons[] = {
        {rechbutt_, {c.Main(81), "brcap.bmp"}},
        {diagrammbutt_, {c.Program(112), "phcap.bmp"}},
        {variantbutt_, {c.Program(70), "varcap.bmp"}},
        {printbutt_, {c.Main(76), "prcap.bmp"}},
        {command3D3_, {c.Main(21), "hpcap.bmp"}},
        {command3D2_, {c.Main(35), "abcap.bmp"}},
        {abbrechen_, {"O.K.", "OKcap.bmp"}}};
    for (const auto& [button, look] : kButtons) {
        button->SetCaption(ui::ToQString(look.first));
        button->SetPicture(ui::LoadPicture(shell_.dir, look.second));
        button->setFixedSize(button->sizeHint() * scale_);
    }
}

void ProjectFormWindow::SetTabOrder() {
    QWidget* previous = nullptr;
    for (FieldId field : kFieldOrder) {
        QWidget* next = fields_[static_cast<size_t>(field)];
        if (previous != nullptr)
            setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget* button : {static_cast<QWidget*>(rechbutt_), static_cast<QWidget*>(diagrammbutt_),
                            static_cast<QWidget*>(variantbutt_), static_cast<QWidget*>(printbutt_),
                            static_cast<QWidget*>(command3D3_), static_cast<QWidget*>(abbrechen_),
                            static_cast<QWidget*>(command3D2_)}) {
        setTabOrder(previous, button);
        previous = button;
    }
}

// A watched caption label or panel answers the mouse moving over it itself: the move does not
// go on to the panel around it, whose own mouse-over would hide the help just shown.
void ProjectFormWindow::Watch(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->installEventFilter(this);
}

bool ProjectFormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == content_) {
        if (event->type() == QEvent::Resize)
            PlaceControls();
        return QDialog::eventFilter(watched, event);
    }
    const std::string name = watched->objectName().toStdString();
    const std::optional<FieldId> field = FieldByName(name);
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            if (!field) {
                form_.MouseOver(name);
                Refresh();
            }
            break;
        case QEvent::FocusIn:
            if (field && IsChoiceField(*field))
                lastChoiceFocus_ = field;
            if (field) {
                form_.Focus(*field);
                RefreshFields();
                RefreshHelp();
            }
            break;
        case QEvent::KeyPress:
            // Escape in an energy box with a pending text gives the saved text back, instead of
            // closing the form.
            if (field && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
                form_.Escape(*field)) {
                RefreshFields();
                return true;
            }
            [[fallthrough]];
        case QEvent::MouseButtonPress:
            // A click or any key in an energy box shows its help.
            if (field && IsEnergyField(*field)) {
                form_.Focus(*field);
                RefreshHelp();
            }
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void ProjectFormWindow::Refresh() {
    RefreshFields();
    RefreshHelp();
    const ResultLabels& labels = form_.Labels();
    tSLeit_->setText(ui::ToQString(labels.tSLeit));
    leistZ_->setText(ui::ToQString(labels.LeistZ));
    betrKo_->setText(ui::ToQString(labels.BetrKo));
    kWstunden_->setText(ui::ToQString(labels.kWstunden));
    co2consum_->setText(ui::ToQString(labels.co2consum));
    ShowResultsToScreenReaders();
    setWindowTitle(ui::ToQString(form_.Caption()));
    setAccessibleName(windowTitle());
    // The diagram follows every recalculation at once.
    if (diagram_ != nullptr && diagram_->isVisible())
        diagram_->Follow();
}

void ProjectFormWindow::RefreshFields() {
    const ProjectParameters& record = form_.Record();
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<FieldId>(i);
        const QString text = ui::ToQString(record[field]);
        QWidget* control = fields_[static_cast<size_t>(i)];
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            if (box->text() != text)
                box->setText(text);
            ShowPending(box, field);
            continue;
        }
        auto* combo = qobject_cast<QComboBox*>(control);
        const std::vector<std::string>& items = form_.Lists()[field];
        bool same = combo->count() == static_cast<int>(items.size());
        for (int k = 0; same && k < combo->count(); ++k)
            same = combo->itemText(k) == ui::ToQString(items[static_cast<size_t>(k)]);
        const QSignalBlocker quiet(combo);
        if (!same) {
            combo->clear();
            for (const std::string& item : items)
                combo->addItem(ui::ToQString(item));
        }
        // A text that is none of the items (an older project file) is shown as it stands.
        const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        combo->setCurrentIndex(index);
        combo->setPlaceholderText(index < 0 ? text : QString());
    }
}

// Each result label is named by its caption, its figure and its unit, as a sighted user reads
// them ("COP ca. 3.31"); a new figure changes the name, which screen readers announce.
void ProjectFormWindow::ShowResultsToScreenReaders() {
    const CaptionTables& c = shell_.captions;
    const std::string& currency = shell_.settings.CurrencyCode;
    const ResultLabels& l = form_.Labels();
    const auto name = [](const std::string& caption, const std::string& figure,
                         const std::string& unit) {
        return ui::ToQString(figure.empty() ? caption : caption + " " + figure + " " + unit);
    };
    const std::string energy =
        l.kWstunden.size() > 2 ? l.kWstunden.substr(1, l.kWstunden.size() - 2) : std::string();
    const std::pair<QLabel*, QString> kNames[] = {
        {leistZ_, name("COP ca.", l.LeistZ, "")},
        {betrKo_, name(c.Main(66), l.BetrKo, currency + "/a")},
        {co2consum_, name(c.Main(222), l.co2consum, "t/a")},
        {kWstunden_, ui::ToQString(TrimSpaces(energy))},
        {tSLeit_, name(c.Main(171) + " " + c.Main(68), l.tSLeit, UnitLabel(1))}};
    for (const auto& [label, text] : kNames) {
        if (label->accessibleName() != text.trimmed())
            label->setAccessibleName(text.trimmed());
    }
}

// An energy box whose typed text is not saved yet shows it in italics and another colour, and
// keeps it so until Enter saves it or Escape gives the saved text back.
void ProjectFormWindow::ShowPending(QLineEdit* box, FieldId field) {
    const bool pending = form_.Pending(field);
    if (box->property("pending").toBool() == pending)
        return;
    box->setProperty("pending", pending);
    QFont font = box->font();
    font.setItalic(pending);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text,
                     pending ? kPendingText : QApplication::palette().color(QPalette::Text));
    box->setPalette(palette);
}

void ProjectFormWindow::RefreshHelp() {
    const HelpPanel& help = form_.Help();
    if (!help.visible) {
        assitPN_->hide();
        return;
    }
    const QString caption = ui::ToQString(help.caption);
    assitLabel_->setText(caption);
    const QFontMetrics metrics(assitLabel_->font());
    HelpPanelPlace place = PlaceHelpPanel(help, layout_, Tw(metrics.horizontalAdvance(caption) + 4),
                                          Tw(metrics.height() + 2));
    place.panel = KeepClear(place.panel, ControlsToKeepClear(),
                            {0, 0, Tw(content_->width()), Tw(content_->height())});
    assitPN_->setGeometry(Px(place.panel));
    assitLabel_->setGeometry(Px(place.label));
    assitPN_->show();
    assitPN_->raise();
}

// The control in focus and the control under the mouse, in the form's twips: the help panel
// leaves both uncovered.
std::vector<TwipsRect> ProjectFormWindow::ControlsToKeepClear() const {
    std::vector<TwipsRect> rects;
    const auto add = [&](QWidget* widget) {
        if (widget == nullptr || !content_->isAncestorOf(widget) || assitPN_->isAncestorOf(widget))
            return;
        const QRect r(widget->mapTo(content_, QPoint(0, 0)), widget->size());
        rects.push_back({Tw(r.x()), Tw(r.y()), Tw(r.width()), Tw(r.height())});
    };
    add(QApplication::focusWidget());
    add(content_->childAt(content_->mapFromGlobal(QCursor::pos())));
    return rects;
}

// The edges are rounded, not the sizes, so that two rectangles that meet in the design still meet
// (and do not overlap by a pixel) at any scale.
QRect ProjectFormWindow::Px(const TwipsRect& r) const {
    const int left = Px(r.left);
    const int top = Px(r.top);
    return {left, top, Px(r.Right()) - left, Px(r.Bottom()) - top};
}

int ProjectFormWindow::Px(double twips) const {
    return ui::ToPixels(twips * scale_);
}

double ProjectFormWindow::Tw(int pixels) const {
    return ui::ToTwips(pixels) / scale_;
}

void ProjectFormWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceControls();
}

// The layout of the resize rules for the form's outer size; the form stays centred on the
// screen.
void ProjectFormWindow::PlaceControls() {
    if (placing_)
        return;
    placing_ = true;
    // The resize rules take the form's outer size: the scrolled inside and the window's frame.
    const QSize outer = content_->size() + ui::FrameExtra(*this);
    layout_ = LayOutForm(Tw(outer.width()), Tw(outer.height()));
    for (int i = 0; i < kFormPanelCount; ++i)
        panels_[static_cast<size_t>(i)]->setGeometry(Px(layout_.panels[static_cast<size_t>(i)]));
    const auto place = [this](ui::PictureButton* button, double top) {
        button->move((Panel(FormPanel::Frame3D4)->width() - button->width()) / 2, Px(top));
    };
    place(diagrammbutt_, layout_.diagrammbuttTop);
    place(variantbutt_, layout_.variantbuttTop);
    place(printbutt_, layout_.printbuttTop);
    place(command3D3_, layout_.command3D3Top);
    place(command3D2_, layout_.command3D2Top);
    place(abbrechen_, layout_.abbrechenTop);
    PlaceCycleLines();
    FitBackgrounds();
    if (!isMaximized() && !isFullScreen())
        ui::CentreOnScreen(*this);
    RefreshHelp();
    placing_ = false;
}

void ProjectFormWindow::PlaceCycleLines() {
    using enum FormPanel;
    const TwipsRect condenser = layout_[Pn45];
    const TwipsRect evaporator = layout_[Pn44];
    const TwipsRect compressor = InMainArea(layout_, vdpn);
    const double strip = compressor.left + compressor.width / 2;
    const double over = condenser.top - 220;
    const double liquidX = condenser.left - 400;
    const double evaporatorY = evaporator.top + evaporator.height / 2;
    const double condenserY = condenser.top + condenser.height / 2;
    constexpr double kWidth = 45;
    const auto segment = [this](const char* name, double x1, double y1, double x2, double y2) {
        const double left = std::min(x1, x2) - kWidth / 2;
        const double top = std::min(y1, y2) - kWidth / 2;
        lines_[name]->setGeometry(
            Px({left, top, std::abs(x2 - x1) + kWidth, std::abs(y2 - y1) + kWidth}));
    };
    segment("HubKlinie1", strip, compressor.top, strip, over);
    segment("Line1", strip, over, condenser.left + condenser.width / 2, over);
    segment("Line2", condenser.left + condenser.width / 2, over,
            condenser.left + condenser.width / 2, condenser.top);
    segment("Line3", condenser.left, condenserY, liquidX, condenserY);
    segment("Line4", liquidX, condenserY, liquidX, evaporatorY);
    segment("Line5", liquidX, evaporatorY, evaporator.left, evaporatorY);
    segment("Line6", evaporator.Right(), evaporatorY, strip, evaporatorY);
    segment("HubKlinie2", strip, evaporatorY, strip, compressor.Bottom());
    for (const auto& [name, line] : lines_)
        line->lower();
    Panel(Frame3d1)->lower();
}

void ProjectFormWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceControls();
    ShowBackgrounds();
    busy_.SetBusy(false);
}

void ProjectFormWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        busy_.SetBusy(false);
        ShowBackgrounds();
    }
}

// On activation, when backgrounds are on: the pictures are read again and fill their panels.
void ProjectFormWindow::ShowBackgrounds() {
    if (shell_.settings.ShowBackgrounds != 1)
        return;
    for (const auto& [panel, picture] : kBackgrounds)
        backgrounds_[panel] = ui::LoadPicture(shell_.dir, picture);
    FitBackgrounds();
}

void ProjectFormWindow::FitBackgrounds() {
    for (const auto& [panel, picture] : backgrounds_)
        ui::SetBackground(*Panel(panel), picture);
}

void ProjectFormWindow::ShowInfoLine(const std::string& text) {
    if (hooks_.showInfoLine)
        hooks_.showInfoLine(text);
}

void ProjectFormWindow::ShowHelpBox() {
    if (hooks_.showHelpBox) {
        hooks_.showHelpBox(this);
        return;
    }
    HelpBoxDialog help(shell_, this);
    help.exec();
}

void ProjectFormWindow::ShowReportViewer() {
    if (hooks_.showReportViewer)
        hooks_.showReportViewer(this);
}

// The comparison of variants of the project as the form shows it, over the form.
void ProjectFormWindow::ShowComparison() {
    if (hooks_.showComparison) {
        hooks_.showComparison(this, lastChoiceFocus_);
        return;
    }
    ComparisonWindow comparison(form_, shell_.dir, messages_, this, lastChoiceFocus_);
    comparison.exec();
}

// The diagram of the form's cycle beside the form; it follows every recalculation.
void ProjectFormWindow::ShowDiagram() {
    if (diagram_ == nullptr)
        diagram_ = new PhDiagramWindow(form_, this);
    diagram_->Follow();
    diagram_->show();
    diagram_->raise();
}

void ProjectFormWindow::CloseForm() {
    QDialog::done(QDialog::Accepted);
}

// Escape and the close box leave the form as its cancel button does: without saving.
void ProjectFormWindow::reject() {
    if (!form_.Closed())
        form_.Command3D2();
    else
        QDialog::reject();
}

}  // namespace tessaro
