#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <string>
#include <utility>

#include "shell/help_box_dialog.h"
#include "shell/language_switch.h"
#include "shell/main_commands.h"
#include "shell/message_box.h"
#include "shell/shell_state.h"
#include "shell/start_page_layout.h"
#include "shell/text.h"
#include "shell/welcome_dialog.h"
#include "ui/backdrop.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/qt_translations.h"
#include "ui/twips.h"

namespace tessaro {

namespace {

// The design in twips (15 to the pixel at 96 dpi). Across the top of the page runs the band of
// the information line; the information panel stands in the middle with the program's name on a
// dark header and the four picture buttons in a column below it; the decoration pictures keep to
// the corners, placed by the resize rules.
constexpr double kBandHeight = 600;
constexpr double kAccentHeight = 45;
constexpr double kLineLeft = 120;  // the information line's distance from the band's edges
constexpr double kLineTop = 90;
constexpr double kLineHeight = 420;

constexpr double kInfoWidth = 8100;
constexpr double kInfoHeight = 5070;
constexpr double kInfoTop = 1800;  // kept on small screens
constexpr double kHeaderHeight = 1560;
constexpr double kHeaderPadding = 360;
constexpr double kTitleTop = 150;
constexpr double kTitleHeight = 600;
constexpr double kSubtitleTop = 780;
constexpr double kSubtitleHeight = 660;

constexpr double kButtonWidth = 2250;  // the button pictures are 150 x 32 pixels
constexpr double kButtonHeight = 480;
constexpr double kButtonGap = 180;
constexpr double kFramePadding = 180;
constexpr double kFrameWidth = kButtonWidth + 2 * kFramePadding;
constexpr double kFrameHeight = 4 * kButtonHeight + 3 * kButtonGap + 2 * kFramePadding;
constexpr double kFrameTop = kHeaderHeight + 300;

constexpr double kCornerLeft = 360;  // Pic1 and pic5 at the left edge
constexpr double kPic2Top = kBandHeight + 360;
constexpr double kPictureSize = 1440;  // the decoration pictures are 96 x 96 pixels
constexpr double kLabelWidth = 1200;
constexpr double kLabelHeight = 300;

constexpr double kTitlePoints = 22;
constexpr double kSubtitlePoints = 10;
constexpr double kLinePoints = 10;

const QColor kHeader(61, 90, 117);
const QColor kOutline(120, 140, 160);

QLabel* MakeLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

void SetPointSize(QWidget& widget, double points, bool bold) {
    QFont font = widget.font();
    font.setPointSizeF(points);
    font.setBold(bold);
    widget.setFont(font);
}

}  // namespace

MainWindow::MainWindow(ShellState& state, MessageBox& messages, BusyPointer& busy,
                       DialogRunner openProjectForm, std::function<int()> printerSetup,
                       QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      messages_(messages),
      busy_(busy),
      openProjectForm_(std::move(openProjectForm)),
      printerSetup_(std::move(printerSetup)) {
    setObjectName("Start");
    welcomeRunner_ = [this](QWidget* parent) {
        WelcomeDialog dialog(state_, messages_, parent);
        dialog.exec();
    };
    helpBoxRunner_ = [this](QWidget* parent) {
        HelpBoxDialog dialog(state_, parent);
        dialog.exec();
    };
    BuildMenu();
    BuildPage();

    // The rest of the start-up: the layout from the screen size, the captions and pictures, the
    // backgrounds. The window opens filling the screen.
    LayOutAtLoad();
    ApplyMainCaptions();
    const std::pair<QLabel*, const char*> decorations[] = {{Pic1_, "pic1.bmp"},
                                                           {pic2_, "pic2.bmp"},
                                                           {pic3_, "pic3.bmp"},
                                                           {pic5_, "pic5.bmp"},
                                                           {pic6_, "pic6.bmp"}};
    for (const auto& [picture, name] : decorations)
        ui::SetPicture(*picture, state_.dir, name);
    if (state_.settings.ShowBackgrounds == 1)
        LoadBackgrounds();
    // Made smaller than the information panel with its margins, the start page would cover it.
    setMinimumSize(
        ui::ToPixels(kInfoWidth + 2 * kCornerLeft),
        ui::ToPixels(kInfoTop + kInfoHeight + kCornerLeft) + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    setWindowState(Qt::WindowMaximized);
    ApplyResizeRules();
    // The information panel appears with the first activation, after the welcome dialog.
    InfoG_->hide();
}

void MainWindow::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MenuBar");
    ProjNix_ = bar->addAction(QString());
    ProjNix_->setObjectName("ProjNix");
    connect(ProjNix_, &QAction::triggered, this, [this] { OpenProjectForm(); });
    Variantvgl_ = bar->addAction(QString());
    Variantvgl_->setObjectName("Variantvgl");
    Variantvgl_->setVisible(false);
    connect(Variantvgl_, &QAction::triggered, this, [this] { OpenComparison(); });

    VorGab_ = bar->addMenu(QString());
    VorGab_->setObjectName("VorGab");
    Language_ = VorGab_->addMenu(QString());
    Language_->setObjectName("Language");
    for (size_t i = 0; i < kMenuLanguages.size(); ++i) {
        const MenuLanguage& item = kMenuLanguages[i];
        QAction* action = Language_->addAction(ui::ToQString(item.caption));
        action->setObjectName(ui::ToQString(item.itemName));
        const std::string_view code = item.code;
        connect(action, &QAction::triggered, this, [this, code] { SwitchLanguageTo(code); });
        languageItems_[i] = action;
    }

    InfoP_ = bar->addAction("&Info");
    InfoP_->setObjectName("InfoP");
    connect(InfoP_, &QAction::triggered, this, [this] { ShowAbout(); });
    Printset_ = bar->addAction(QString());
    Printset_->setObjectName("Printset");
    connect(Printset_, &QAction::triggered, this, [this] { printCMsetup(); });
    StartHelp_ = bar->addAction(QString());
    StartHelp_->setObjectName("StartHelp");
    connect(StartHelp_, &QAction::triggered, this, [this] {
        state_.settings.HelpCaptionSuffix = std::string(kApplicationTitle) + "-Software";
        ShowHelpBox();
    });
    ende_ = bar->addAction(QString());
    ende_->setObjectName("ende");
    connect(ende_, &QAction::triggered, this, [this] { ConfirmExit(); });
}

void MainWindow::BuildPage() {
    Panel3D5_ = new ui::Backdrop(this);
    Panel3D5_->setObjectName("Panel3D5");
    Panel3D5_->setAutoFillBackground(false);
    setCentralWidget(Panel3D5_);

    // The band of the information line across the top.
    Panel3D1_ = MakeLabel("Panel3D1", Panel3D5_);
    Panel3D1_->setStyleSheet("#Panel3D1 { background: rgba(255, 255, 255, 205); }");
    Panel3D4_ = MakeLabel("Panel3D4", Panel3D5_);
    Panel3D4_->setStyleSheet("#Panel3D4 { background: #8fb0cc; }");
    InfoPn2_ = MakeLabel("InfoPn2", Panel3D5_);
    InfoPn2_->setTextFormat(Qt::PlainText);
    SetPointSize(*InfoPn2_, kLinePoints, false);

    // The information panel: the program's name on its header, the buttons in a column.
    InfoG_ = new ui::Backdrop(Panel3D5_, kOutline);
    InfoG_->setObjectName("InfoG");
    InfoG_->setGeometry(ui::PixelRect(0, kInfoTop, kInfoWidth, kInfoHeight));
    auto* shadow = new QGraphicsDropShadowEffect(InfoG_);
    shadow->setBlurRadius(24);
    shadow->setOffset(0, 4);
    shadow->setColor(QColor(0, 0, 0, 70));
    InfoG_->setGraphicsEffect(shadow);

    Panel3D6_ = MakeLabel("Panel3D6", InfoG_);
    Panel3D6_->setGeometry(ui::PixelRect(0, 0, kInfoWidth, kHeaderHeight));
    Panel3D6_->setStyleSheet(QString("#Panel3D6 { background: %1; }").arg(kHeader.name()));
    Label1_ = MakeLabel("Label1", Panel3D6_);
    Label1_->setGeometry(
        ui::PixelRect(kHeaderPadding, kTitleTop, kInfoWidth - 2 * kHeaderPadding, kTitleHeight));
    SetPointSize(*Label1_, kTitlePoints, true);
    Label2_ = MakeLabel("Label2", Panel3D6_);
    Label2_->setGeometry(ui::PixelRect(kHeaderPadding, kSubtitleTop,
                                       kInfoWidth - 2 * kHeaderPadding, kSubtitleHeight));
    Label2_->setWordWrap(true);
    SetPointSize(*Label2_, kSubtitlePoints, false);
    for (QLabel* label : {Label1_, Label2_}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
        label->setTextFormat(Qt::PlainText);
    }
    Text2_ = new QLineEdit(InfoG_);
    Text2_->setObjectName("Text2");
    Text2_->hide();

    FrameP_ = MakeLabel("FrameP", InfoG_);
    FrameP_->setGeometry(
        ui::PixelRect((kInfoWidth - kFrameWidth) / 2, kFrameTop, kFrameWidth, kFrameHeight));
    FrameP_->setStyleSheet(
        "#FrameP { background: rgba(255, 255, 255, 150); border: 1px solid #969ca4; }");
    Command3D6_ = new ui::PictureButton("Command3D6", FrameP_);
    PriButt_ = new ui::PictureButton("PriButt", FrameP_);
    Command3D1_ = new ui::PictureButton("Command3D1", FrameP_);
    Command3D11_ = new ui::PictureButton("Command3D11", FrameP_);
    double top = kFramePadding;
    for (ui::PictureButton* button : {Command3D6_, PriButt_, Command3D1_, Command3D11_}) {
        button->move(ui::ToPixels(kFramePadding), ui::ToPixels(top));
        top += kButtonHeight + kButtonGap;
    }
    connect(Command3D6_, &QAbstractButton::clicked, this, [this] { OpenProjectForm(); });
    connect(PriButt_, &QAbstractButton::clicked, this, [this] { printCMsetup(); });
    connect(Command3D1_, &QAbstractButton::clicked, this, [this] { ShowHelpBox(); });
    connect(Command3D11_, &QAbstractButton::clicked, this, [this] { ConfirmExit(); });
    setTabOrder(Command3D6_, PriButt_);
    setTabOrder(PriButt_, Command3D1_);
    setTabOrder(Command3D1_, Command3D11_);

    // The decoration pictures; the resize rules move them into the corners.
    Pic1_ = MakeLabel("Pic1", Panel3D5_);
    pic2_ = MakeLabel("pic2", Panel3D5_);
    pic3_ = MakeLabel("pic3", Panel3D5_);
    pic5_ = MakeLabel("pic5", Panel3D5_);
    pic6_ = MakeLabel("pic6", Panel3D5_);
    for (QLabel* picture : {Pic1_, pic2_, pic3_, pic5_, pic6_}) {
        picture->setGeometry(ui::PixelRect(kCornerLeft, kPic2Top, kPictureSize, kPictureSize));
        picture->setAlignment(Qt::AlignCenter);
    }

    // Three labels at the right edge of the band; they show nothing.
    Label8_ = MakeLabel("Label8", Panel3D5_);
    Label11_ = MakeLabel("Label11", Panel3D5_);
    Label12_ = MakeLabel("Label12", Panel3D5_);
    for (QLabel* label : {Label8_, Label11_, Label12_}) {
        label->setGeometry(ui::PixelRect(0, kLineTop, kLabelWidth, kLabelHeight));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->hide();
    }
    Command3D6_->setFocus();
}

void MainWindow::LayOutAtLoad() {
    const double screenWidth = ui::ScreenSizeTwips().width;
    Panel3D1_->setGeometry(ui::PixelRect(0, 0, screenWidth, kBandHeight));
    Panel3D4_->setGeometry(ui::PixelRect(0, kBandHeight, screenWidth, kAccentHeight));
    const double panelLeft = ui::ToTwips(Panel3D1_->x());
    InfoPn2_->setGeometry(
        ui::PixelRect(panelLeft + kLineLeft, kLineTop, screenWidth - 2 * kLineLeft, kLineHeight));
}

void MainWindow::LoadBackgrounds() {
    InfoG_->SetPicture(ui::LoadPicture(state_.dir, "Varnholt_Back031.jpg"));
    Panel3D5_->SetPicture(ui::LoadPicture(state_.dir, "Varnholt_Back041.jpg"));
}

void MainWindow::SetButtonPicture(ui::PictureButton& button, std::string_view name) {
    button.SetPicture(ui::LoadPicture(state_.dir, name));
}

void MainWindow::ApplyMainCaptions() {
    // Qt's own texts (the message boxes' buttons, the printer setup) follow the language too.
    ui::UseQtTranslations(state_.settings.LanguageCode);
    const CaptionTables& c = state_.captions;
    const QString caption =
        ui::ToQString(std::string(kApplicationTitle) + " - " + state_.captions.Program(1));
    setWindowTitle(caption);
    Command3D6_->SetCaption(ui::ToQString(c.Main(81)));
    ProjNix_->setText(ui::ToQString("&" + c.Main(81)));
    Variantvgl_->setText(ui::ToQString("&" + c.Program(71)));
    SetButtonPicture(*Command3D6_, "brcap.bmp");
    Printset_->setText(ui::ToQString("&" + c.Main(166)));
    PriButt_->SetCaption(ui::ToQString(c.Main(166)));
    SetButtonPicture(*PriButt_, "prcap.bmp");
    Command3D1_->SetCaption(ui::ToQString(c.Main(21)));
    SetButtonPicture(*Command3D1_, "hpcap.bmp");
    Command3D11_->SetCaption(ui::ToQString(c.Main(75)));
    SetButtonPicture(*Command3D11_, "endcap.bmp");
    Label1_->setText(ui::ToQString(ProgramTitle()));
    VorGab_->setTitle(ui::ToQString("&" + c.Main(63)));
    Language_->setTitle(ui::ToQString("&" + c.Main(91)));
    StartHelp_->setText(ui::ToQString("&" + c.Main(21)));
    ende_->setText(ui::ToQString(c.Main(75)));

    // Beyond the captions above: the program's subtitle under its name, the information line in
    // the new language, the reading direction, and the names that screen readers announce.
    const QString subtitle = ui::ToQString(c.Program(1));
    Label2_->setText(subtitle);
    InfoPn2_->setText(ui::ToQString(c.CaptionList(42)));
    const bool rightToLeft = EqualIgnoringCase(state_.settings.LanguageCode, "ARA");
    const Qt::Alignment side =
        rightToLeft ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft | Qt::AlignAbsolute;
    InfoPn2_->setAlignment(side | Qt::AlignVCenter);
    Label1_->setAlignment(side | Qt::AlignVCenter);
    Label2_->setAlignment(side | Qt::AlignTop);
    for (QLabel* label : {InfoPn2_, Label1_, Label2_})
        label->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    setAccessibleName(caption);
    Panel3D5_->setAccessibleName(caption);
    InfoG_->setAccessibleName(Label1_->text());
    Panel3D6_->setAccessibleName(Label1_->text());
    Label1_->setAccessibleName(Label1_->text());
    Label2_->setAccessibleName(subtitle);
    Text2_->setAccessibleName(subtitle);
    FrameP_->setAccessibleName(Label1_->text());
    InfoPn2_->setAccessibleName(InfoPn2_->text());
    Panel3D1_->setAccessibleName(InfoPn2_->text());
    Panel3D4_->setAccessibleName(InfoPn2_->text());
    VorGab_->setAccessibleName(ui::ToQString(c.Main(63)));
    Language_->setAccessibleName(ui::ToQString(c.Main(91)));
    const QString title = ui::ToQString(kApplicationTitle);
    for (QLabel* label : {Pic1_, pic2_, pic3_, pic5_, pic6_, Label8_, Label11_, Label12_})
        label->setAccessibleName(title);
}

void MainWindow::FirstActivation() {
    OfferWelcomeOnce(
        state_,
        [this] {
            if (welcomeRunner_)
                welcomeRunner_(this);
        },
        [this] { ApplyMainCaptions(); });
    InfoG_->show();
    if (QApplication::focusWidget() == nullptr)
        Command3D6_->setFocus();
    ShowInfoLine(ui::ToQString(state_.captions.CaptionList(42)));
}

void MainWindow::ShowInfoLine(const QString& text) {
    QPalette palette = InfoPn2_->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    InfoPn2_->setPalette(palette);
    InfoPn2_->setText(text);
    InfoPn2_->setAccessibleName(text);
    Panel3D1_->setAccessibleName(text);
}

void MainWindow::RunModal(const std::function<void()>& dialog) {
    InfoG_->hide();
    dialog();
    FirstActivation();
}

void MainWindow::OpenProjectForm() {
    // Busy while the form loads: the pointer comes back as soon as the form waits for the user.
    busy_.SetBusy(true);
    QTimer::singleShot(0, this, [this] { busy_.SetBusy(false); });
    RunModal([this] {
        if (openProjectForm_)
            openProjectForm_(this);
    });
    busy_.SetBusy(false);
}

void MainWindow::SetComparisonRunner(DialogRunner runner) {
    comparisonRunner_ = std::move(runner);
    Variantvgl_->setVisible(comparisonRunner_ != nullptr);
}

void MainWindow::OpenComparison() {
    RunModal([this] {
        if (comparisonRunner_)
            comparisonRunner_(this);
    });
}

int MainWindow::printCMsetup() {
    int result = 0;
    RunModal([this, &result] { result = printerSetup_ ? printerSetup_() : 0; });
    return result;
}

void MainWindow::ShowHelpBox() {
    RunModal([this] {
        if (helpBoxRunner_)
            helpBoxRunner_(this);
    });
}

void MainWindow::ConfirmExit() {
    InfoG_->hide();
    if (!ExitConfirmed(state_, messages_)) {
        InfoG_->show();
        return;
    }
    close();
    QCoreApplication::quit();
}

void MainWindow::ShowAbout() {
    RunModal([this] {
        messages_.Show(AboutMessage(state_.dir, state_.settings.LanguageCode),
                       std::string(kApplicationTitle), MessageIcon::Information,
                       MessageButtons::Ok);
    });
}

void MainWindow::SwitchLanguageTo(std::string_view code) {
    SwitchLanguage(state_, code, messages_, [this] { ApplyMainCaptions(); });
}

void MainWindow::ApplyResizeRules() {
    StartPageSizes sizes;
    const QSize outer = frameGeometry().size();
    sizes.windowWidth = ui::ToTwips(outer.width());
    sizes.windowHeight = ui::ToTwips(outer.height());
    sizes.screenHeight = ui::ScreenSizeTwips().height;
    sizes.infoGWidth = ui::ToTwips(InfoG_->width());
    sizes.infoGHeight = ui::ToTwips(InfoG_->height());
    sizes.pic1Height = ui::ToTwips(Pic1_->height());
    sizes.pic2Width = ui::ToTwips(pic2_->width());
    sizes.pic3Width = ui::ToTwips(pic3_->width());
    sizes.pic3Height = ui::ToTwips(pic3_->height());
    sizes.pic5Height = ui::ToTwips(pic5_->height());
    sizes.pic6Width = ui::ToTwips(pic6_->width());
    sizes.pic6Height = ui::ToTwips(pic6_->height());
    sizes.label8Width = ui::ToTwips(Label8_->width());
    sizes.label11Width = ui::ToTwips(Label11_->width());
    sizes.label12Width = ui::ToTwips(Label12_->width());
    const StartPagePlaces places = PlaceStartPage(sizes);

    auto moveTo = [](QWidget& control, double left, double top) {
        control.move(ui::ToPixels(left), ui::ToPixels(top));
    };
    const double infoTop = places.infoGTop.value_or(ui::ToTwips(InfoG_->y()));
    moveTo(*InfoG_, places.infoGLeft, infoTop);
    moveTo(*Pic1_, ui::ToTwips(Pic1_->x()), places.pic1Top);
    moveTo(*pic5_, ui::ToTwips(pic5_->x()), places.pic5Top);
    moveTo(*pic3_, places.pic3Left, places.pic3Top);
    moveTo(*pic2_, places.pic2Left, ui::ToTwips(pic2_->y()));
    moveTo(*pic6_, places.pic6Left, places.pic6Top);
    Label11_->clear();
    Label8_->clear();
    moveTo(*Label11_, places.label11Left, ui::ToTwips(Label11_->y()));
    moveTo(*Label8_, places.label8Left, ui::ToTwips(Label8_->y()));
    moveTo(*Label12_, places.label12Left, ui::ToTwips(Label12_->y()));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ApplyResizeRules();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The activation runs after the event, so that a dialog it shows does not open inside it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] { FirstActivation(); });
}

}  // namespace tessaro
