#include "results/report_viewer_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "results/report_date.h"
#include "results/report_file.h"
#include "results/report_fonts.h"
#include "results/report_heading.h"
#include "results/report_printing.h"
#include "results/report_reader.h"
#include "shell/message_box.h"
#include "shell/shell_state.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/printer.h"
#include "ui/screen_fit.h"
#include "ui/twips.h"

namespace tessaro {

namespace {

// Design-time sizes in twips: the window, the button panel and the decoration bands.
constexpr double kWindowWidth = 15000;
constexpr double kWindowHeight = 13500;
constexpr double kPanelWidth = 2850;
constexpr double kBandWidth = 120;
constexpr double kAccentWidth = 45;

// The smallest window: the page scroll bar still left of the button panel, and the panel's switch
// and labels above its buttons.
constexpr QSize kSmallestWindow(760, 480);
// The least room left below the lowest button, in pixels.
constexpr int kButtonMargin = 8;
constexpr double kTwipsPerPoint = 20;

const QColor kSurface(223, 228, 234);
const QColor kBand(61, 90, 117);
const QColor kAccent(143, 176, 204);

QFrame* MakeShape(const QString& name, const QColor& colour, QWidget* parent) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setAutoFillBackground(true);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, colour);
    shape->setPalette(palette);
    shape->setAccessibleName(name);
    return shape;
}

}  // namespace

ReportViewerWindow::ReportViewerWindow(ShellState& state, ui::Printer& printer,
                                       MessageBox& messages, PrintSettingsRunner printSettings,
                                       QWidget* parent)
    : QDialog(parent),
      state_(state),
      printer_(printer),
      messages_(messages),
      printSettings_(std::move(printSettings)) {
    setObjectName("ErgebEdit");
    setModal(true);
    setAutoFillBackground(false);
    BuildControls();
    // Form_Load: the design size where the screen has room for it. On a smaller screen the window
    // opens as large as the screen allows and is placed inside it when shown (see showEvent), so
    // that its buttons at the bottom of the panel stay in reach.
    setMinimumSize(kSmallestWindow);
    resize(OpeningSize(ui::AvailableArea(this).size(), ui::FrameExtra(*this)));
    label1_->clear();
    label2_->clear();
}

QSize ReportViewerWindow::OpeningSize(QSize available, QSize frameExtra) {
    const QSize design(ui::ToPixels(kWindowWidth), ui::ToPixels(kWindowHeight));
    return design.boundedTo(available - frameExtra).expandedTo(kSmallestWindow);
}

void ReportViewerWindow::BuildControls() {
    shapes_[3] = MakeShape("Shape4", kBand, this);
    shapes_[0] = MakeShape("Shape1", kBand, this);
    shapes_[1] = MakeShape("Shape2", kAccent, this);
    shapes_[2] = MakeShape("Shape3", kBand, this);
    shapes_[4] = MakeShape("Shape5", kAccent, this);
    shapes_[5] = MakeShape("Shape6", kAccent, this);
    shapes_[5]->setGeometry(ui::ToPixels(0.045 * kWindowWidth), 0, ui::ToPixels(kAccentWidth),
                            ui::ToPixels(kWindowHeight));

    frame3D2_ = new QFrame(this);
    frame3D2_->setObjectName("Frame3D2");
    frame3D2_->setFixedWidth(ui::ToPixels(kPanelWidth));
    frame3D2_->setAutoFillBackground(true);

    printHead_ = new QCheckBox(frame3D2_);
    printHead_->setObjectName("PrintHead");
    printHead_->setGeometry(16, 18, 20, 20);
    printHeadLabel_ = new QLabel(frame3D2_);
    printHeadLabel_->setObjectName("PrintHead_l");
    printHeadLabel_->setWordWrap(true);
    printHeadLabel_->setBuddy(printHead_);
    printHeadLabel_->setGeometry(40, 14, frame3D2_->width() - 52, 40);

    label3_ = new QLabel(frame3D2_);
    label3_->setObjectName("Label3");
    label1_ = new QLabel(frame3D2_);
    label1_->setObjectName("Label1");
    label4_ = new QLabel(frame3D2_);
    label4_->setObjectName("Label4");
    label2_ = new QLabel(frame3D2_);
    label2_->setObjectName("Label2");
    const int labelWidth = frame3D2_->width() - 32;
    label3_->setGeometry(16, 72, labelWidth, 18);
    label1_->setGeometry(24, 90, labelWidth - 8, 18);
    label4_->setGeometry(16, 114, labelWidth, 18);
    label2_->setGeometry(24, 132, labelWidth - 8, 18);
    label3_->setBuddy(label1_);
    label4_->setBuddy(label2_);
    for (QLabel* label : {printHeadLabel_, label3_, label4_}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }

    command3D2_ = new ui::PictureButton("Command3D2", frame3D2_);
    command3D1_ = new ui::PictureButton("Command3D1", frame3D2_);
    command3D3_ = new ui::PictureButton("Command3D3", frame3D2_);

    vScroll1_ = new QScrollBar(Qt::Vertical, this);
    vScroll1_->setObjectName("VScroll1");

    connect(printHead_, &QCheckBox::clicked, this, [this] { PrintHeadClicked(); });
    connect(command3D2_, &ui::PictureButton::clicked, this, [this] { PrintButtonReleased(); });
    connect(command3D1_, &ui::PictureButton::clicked, this, [this] { CloseButtonReleased(); });
    connect(command3D3_, &ui::PictureButton::clicked, this, [this] { CloseButtonReleased(); });
    // VScroll1_Change: the page again, without a title.
    connect(vScroll1_, &QScrollBar::valueChanged, this, [this] { RenderReport("", 1); });

    setTabOrder(command3D2_, command3D1_);
    setTabOrder(command3D1_, command3D3_);
    setTabOrder(command3D3_, printHead_);
    setTabOrder(printHead_, vScroll1_);
    // The view opens with its print button in focus: Enter leads on to the print settings.
    command3D2_->setFocus();
}

void ReportViewerWindow::Activate() {
    const CaptionTables& m = state_.captions;
    printHead_->setChecked(state_.settings.PrintHeadingOff == 0);
    const QString printHeadCaption = ui::ToQString(m.Main(76) + " " + m.Main(221));
    printHeadLabel_->setText(printHeadCaption);
    printHead_->setAccessibleName(printHeadCaption);
    command3D1_->SetCaption("O.K.");
    command3D3_->SetCaption(ui::ToQString(m.Main(35)));
    command3D2_->SetCaption(ui::ToQString(m.Main(76)));
    label3_->setText(ui::ToQString(m.Main(25) + std::string(kColonSuffix)));
    label4_->setText(ui::ToQString(m.Main(26) + std::string(kColonSuffix)));
    label1_->setAccessibleName(ui::ToQString(m.Main(25)));
    label2_->setAccessibleName(ui::ToQString(m.Main(26)));
    label3_->setAccessibleName(ui::ToQString(m.Main(25)));
    label4_->setAccessibleName(ui::ToQString(m.Main(26)));
    vScroll1_->setAccessibleName(ui::ToQString(m.Main(61)));
    command3D1_->SetPicture(ui::LoadPicture(state_.dir, "OKcap.bmp"));
    command3D3_->SetPicture(ui::LoadPicture(state_.dir, "abcap.bmp"));
    command3D2_->SetPicture(ui::LoadPicture(state_.dir, "Prcap.bmp"));
    PlaceControls();
    ShowReport();
}

void ReportViewerWindow::ShowReport() {
    const QSignalBlocker quiet(vScroll1_);
    vScroll1_->setRange(1, 1);
    vScroll1_->setValue(1);
    const std::string title = ReportTitle(state_.settings.LanguageCode, state_.captions);
    setWindowTitle(ui::ToQString(title));
    setAccessibleName(ui::ToQString(title));
    frame3D2_->setAccessibleName(ui::ToQString(title));
    RenderReport(title, 1);
}

void ReportViewerWindow::RenderReport(const std::string& title, int page) {
    ReportPage report;
    report.variant = ReportVariant::Screen;
    report.printerPage = {printer_.PageWidth(), printer_.PageHeight()};
    report.fontName = state_.settings.FontName;
    report.heading = MakeReportHeading(state_.settings, state_.captions, title,
                                       std::to_string(vScroll1_->value()), Today());
    report.heading.label1 = label1_->text().toStdString();
    report.heading.label2 = label2_->text().toStdString();
    if (page == 1)
        report.records = ReadReportFile(state_.dir, state_.settings.LanguageCode);
    report.measure = MeasurePrintedText;
    layout_ = LayoutReportPage(report);
    // The report's lines for screen readers, which cannot read the painted page.
    QStringList lines;
    for (const DrawStep& step : layout_.steps)
        if (step.kind == DrawStep::Kind::Text && !step.text.empty())
            lines << ui::ToQString(step.text);
    setAccessibleDescription(lines.join('\n'));
    update();
}

// The white sheet between the decoration bands.
QRect ReportViewerWindow::SheetRect() const {
    return QRect(QPoint(shapes_[3]->geometry().right() + 1, 0),
                 QPoint(shapes_[0]->geometry().left() - 1, shapes_[2]->geometry().top() - 1));
}

// The view of the page model (-0.1 W to 1.5 W, -0.045 H to 0.99 H) fills the window in one
// direction at least; one scale for both keeps the page's proportions.
double ReportViewerWindow::PageScale() const {
    const PageWindow view = ScreenPageWindow(layout_.page);
    const double spanX = view.right - view.left;
    const double spanY = view.bottom - view.top;
    if (spanX <= 0 || spanY <= 0)
        return 0;
    return std::min(width() / spanX, height() / spanY);
}

// Down, the view's top edge is the window's. Across, the page (from its left edge to the frame's
// right edge) stands in the middle of the sheet; where the window is as wide as the view, that
// is where the view's left edge at the window's puts it.
QTransform ReportViewerWindow::PageTransform() const {
    const QRect sheet = SheetRect();
    const double sheetMiddle = sheet.left() + sheet.width() / 2.0;
    const double pageMiddle = kFrameRight * layout_.page.width / 2;
    const double scale = PageScale();
    return QTransform(scale, 0, 0, scale, sheetMiddle - pageMiddle * scale,
                      -ScreenPageWindow(layout_.page).top * scale);
}

QPointF ReportViewerWindow::ToWindow(double x, double y) const {
    return PageTransform().map(QPointF(x, y));
}

// Screen type at a fractional size is set at the nearest whole pixel size, which makes a small
// text several per cent wider or narrower than the page around it. So the texts are laid out in
// page units, where a size is whole twips and a text as wide as on paper, and the page image's
// scale brings them to the window.
std::vector<ReportViewerWindow::ScreenText> ReportViewerWindow::ScreenTexts() const {
    const QTransform toWindow = PageTransform();
    std::vector<ScreenText> texts;
    for (const DrawStep& step : layout_.steps) {
        if (step.kind != DrawStep::Kind::Text)
            continue;
        ScreenText shown;
        shown.text = ui::ToQString(step.text);
        shown.font = ReportFont(step.fontName, step.fontSize, step.bold);
        shown.font.setPixelSize(
            std::max(1, static_cast<int>(std::lround(step.fontSize * kTwipsPerPoint))));
        const QFontMetricsF metrics(shown.font);
        // The position is the top of the line; Qt draws on the baseline.
        shown.baseline = {step.x, step.y + metrics.ascent()};
        shown.box = toWindow.mapRect(QRectF(step.x, step.y, TextWidth(metrics, shown.text),
                                            metrics.ascent() + metrics.descent()));
        texts.push_back(std::move(shown));
    }
    return texts;
}

std::vector<QLineF> ReportViewerWindow::ScreenLines() const {
    std::vector<QLineF> lines;
    for (const DrawStep& step : layout_.steps)
        if (step.kind == DrawStep::Kind::Line)
            lines.emplace_back(ToWindow(step.x, step.y), ToWindow(step.x2, step.y2));
    return lines;
}

void ReportViewerWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kSurface);
    painter.fillRect(SheetRect(), Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(Qt::black, 1));
    // Lines in window pixels, one pixel wide at any scale.
    for (const QLineF& line : ScreenLines())
        painter.drawLine(line);
    painter.setTransform(PageTransform());
    // Each text takes the direction of its first letter, as on the printer: an Arabic label
    // reads from the right with its colon at its end.
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    for (const ScreenText& text : ScreenTexts()) {
        painter.setFont(text.font);
        painter.drawText(text.baseline, text.text);
    }
}

void ReportViewerWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceControls();
}

// Form_Resize, in twips: the button panel at the right edge, the buttons from the window's
// bottom, the scroll bar and the decoration bands by fractions of the inner size.
void ReportViewerWindow::PlaceControls() {
    const double innerWidth = ui::ToTwips(width());
    const double innerHeight = ui::ToTwips(height());
    const double windowHeight = ui::ToTwips(frameGeometry().height());
    const int panelWidth = frame3D2_->width();
    frame3D2_->setGeometry(width() - panelWidth, 0, panelWidth, ui::ToPixels(windowHeight + 100));
    const int buttonLeft = (panelWidth - command3D1_->width()) / 2;
    // The buttons stand by their distance from the window's outer bottom edge. Where the window's
    // frame takes more of that distance than the lowest button leaves, all three move up alike,
    // so that the lowest stays wholly inside.
    const int lowest = ui::ToPixels(windowHeight - 1000);
    const int up = std::max(0, lowest + command3D1_->height() + kButtonMargin - height());
    command3D1_->move(buttonLeft, lowest - up);
    command3D3_->move(buttonLeft, ui::ToPixels(windowHeight - 1600) - up);
    command3D2_->move(buttonLeft, ui::ToPixels(windowHeight - 2200) - up);
    vScroll1_->setGeometry(ui::ToPixels(0.72 * innerWidth), ui::ToPixels(100),
                           vScroll1_->sizeHint().width(), ui::ToPixels(innerHeight - 200));

    const auto place = [](QFrame* shape, double left, double top, double w, double h) {
        shape->setGeometry(ui::ToPixels(left), ui::ToPixels(top), std::max(1, ui::ToPixels(w)),
                           std::max(1, ui::ToPixels(h)));
    };
    place(shapes_[0], 0.67 * innerWidth, 1, kBandWidth, innerHeight);
    place(shapes_[1], 0.67 * innerWidth, 500, kAccentWidth, 0.95 * innerHeight - 250);
    place(shapes_[2], 0, 0.95 * innerHeight, 0.67 * innerWidth, kBandWidth);
    place(shapes_[3], 0, 0, 0.045 * innerWidth, innerHeight);
    place(shapes_[4], 0.045 * innerWidth + 250, 0.95 * innerHeight, 0.625 * innerWidth,
          kAccentWidth);

    const QPixmap background = ui::LoadPicture(state_.dir, "Varnholt_back00.jpg");
    QPalette palette = frame3D2_->palette();
    if (background.isNull())
        palette.setColor(QPalette::Window, kSurface);
    else
        palette.setBrush(QPalette::Window, QBrush(background));
    frame3D2_->setPalette(palette);
}

void ReportViewerWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Wholly inside the screen's room for windows; on a small screen that is its top left corner.
    // The window's frame is known once it is shown: where it is larger than was reckoned with,
    // the window gives up that much of its size.
    if (!event->spontaneous()) {
        const QSize room = ui::AvailableArea(this).size() - ui::FrameExtra(*this);
        if (width() > room.width() || height() > room.height())
            resize(size().boundedTo(room).expandedTo(minimumSize()));
        ui::CentreOnScreen(*this);
    }
    Activate();
}

void ReportViewerWindow::PrintHeadClicked() {
    state_.settings.PrintHeadingOff = printHead_->isChecked() ? 0 : 1;
    ShowReport();
}

// Command3D2: the print settings; their print command prints the report.
void ReportViewerWindow::PrintButtonReleased() {
    if (printSettings_)
        printSettings_(this);
    if (state_.settings.HelpContext != 0) {
        const std::string title = ReportTitle(state_.settings.LanguageCode, state_.captions);
        PrintReport(state_, printer_, title, secondPage_);
        state_.settings.HelpContext = 0;
        const std::filesystem::path file = printer_.DocumentFile();
        if (!file.empty())
            messages_.Show(
                state_.captions.Main(76) + " (PDF) :" + std::string(kLineBreak) + file.string(),
                std::string(kApplicationTitle), MessageIcon::Information, MessageButtons::Ok);
    }
    // The window is active again: its activation draws the page anew.
    Activate();
}

void ReportViewerWindow::CloseButtonReleased() {
    state_.settings.HelpContext = 0;
    accept();
}

// However the window closes (its buttons, Escape, the frame), HelpContext is left at 0.
void ReportViewerWindow::done(int result) {
    state_.settings.HelpContext = 0;
    QDialog::done(result);
}

}  // namespace tessaro
