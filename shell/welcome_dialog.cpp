#include "shell/welcome_dialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRawFont>
#include <QScreen>
#include <QStyle>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "shell/shell_state.h"
#include "shell/welcome_choice.h"
#include "ui/backdrop.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace tessaro {

namespace {

// The design in twips (15 to the pixel at 96 dpi). The start picture stands at the upper left
// with the fourteen parts in two rows of seven beside it; below them the language panel holds the
// sixteen flags with their option labels in four rows of four, in the order of the language
// table; the O.K. button closes the dialog at the lower right.
constexpr double kMargin = 240;
constexpr double kStartWidth = 4500;  // the start pictures are 300 x 200 pixels
constexpr double kStartHeight = 3000;
constexpr double kPartSize = 960;  // the parts are 64 x 64 pixels
constexpr double kPartGap = 120;
constexpr int kPartColumns = 7;
constexpr double kPartsLeft = kMargin + kStartWidth + 300;
constexpr double kPartsHeight = 2 * kPartSize + kPartGap;
constexpr double kPartsTop = kMargin + (kStartHeight - kPartsHeight) / 2;
constexpr double kWidth =
    kPartsLeft + kPartColumns * kPartSize + (kPartColumns - 1) * kPartGap + kMargin;

constexpr double kPanelTop = kMargin + kStartHeight + kMargin;
constexpr double kPanelWidth = kWidth - 2 * kMargin;
constexpr double kPanelPadding = 180;
constexpr double kHeadingTop = 120;
constexpr double kHeadingHeight = 450;
constexpr double kGridTop = kHeadingTop + kHeadingHeight + 90;
constexpr int kGridColumns = 4;
constexpr int kGridRows = 4;
constexpr double kCellWidth = (kPanelWidth - 2 * kPanelPadding) / kGridColumns;
constexpr double kCellHeight = 780;
// A flag is 60 x 40 pixels; its control keeps 2 pixels around it for the focus frame.
constexpr double kFlagWidth = 900 + 60;
constexpr double kFlagHeight = 600 + 60;
constexpr double kOptionGap = 90;
constexpr double kOptionWidth = kCellWidth - kFlagWidth - kOptionGap - 60;
constexpr double kPanelHeight = kGridTop + kGridRows * kCellHeight + kPanelPadding - 120;

constexpr double kButtonWidth = 2250;  // the button pictures are 150 x 32 pixels
constexpr double kButtonHeight = 480;
constexpr double kButtonTop = kPanelTop + kPanelHeight + kMargin;
constexpr double kHeight = kButtonTop + kButtonHeight + kMargin;

constexpr double kOptionPoints = 10.5;
constexpr double kHeadingPoints = 12;

}  // namespace

// A flag or an option label of the language panel. A click (press and release on it), Space,
// Enter or Return chooses its language; Tab reaches it, and a frame shows when it has the focus.
// A disabled option label reacts to nothing and is left out of the Tab order.
class WelcomeDialog::LanguageControl : public QLabel {
  public:
    LanguageControl(QWidget* parent, std::function<void()> choose)
        : QLabel(parent), choose_(std::move(choose)) {
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            event->accept();
        else
            QLabel::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            event->accept();
            choose_();
            return;
        }
        QLabel::mouseReleaseEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Space:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                choose_();
                return;
            default:
                QLabel::keyPressEvent(event);
        }
    }

    void paintEvent(QPaintEvent* event) override {
        if (drawUpright_)
            DrawTextUpright();
        else
            QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }

    void focusInEvent(QFocusEvent* event) override {
        QLabel::focusInEvent(event);
        update();
    }

    void focusOutEvent(QFocusEvent* event) override {
        QLabel::focusOutEvent(event);
        update();
    }

    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            drawUpright_ = font().italic() && !ItalicShowsText();
    }

  private:
    // Whether the italic face of the font has every character of the text. Not every italic face
    // covers every script (an oblique face without Arabic letters would show empty boxes).
    bool ItalicShowsText() const {
        const QRawFont italic = QRawFont::fromFont(font());
        for (QChar c : text()) {
            if (!c.isSpace() && !italic.supportsCharacter(c))
                return false;
        }
        return true;
    }

    // The text in the upright face of the font: legible where the italic face lacks its letters.
    void DrawTextUpright() {
        QPainter painter(this);
        QFont upright = font();
        upright.setItalic(false);
        painter.setFont(upright);
        const QRect area = contentsRect().adjusted(indent(), 0, -indent(), 0);
        style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                              text(), foregroundRole());
    }

    std::function<void()> choose_;
    bool drawUpright_ = false;
};

WelcomeDialog::WelcomeDialog(ShellState& state, MessageBox& messages, QWidget* parent)
    : QDialog(parent),
      state_(state),
      messages_(messages),
      Picture1_(new QLabel(this)),
      Picture17_(new ui::Backdrop(this)),
      pn1_(new QLabel(Picture17_)),
      OKbutt_(new ui::PictureButton("OKbutt", this)) {
    setObjectName("Begruess");
    setModal(true);
    setSizeGripEnabled(false);
    BuildControls();

    // The load: pictures, heading and backgrounds; the options of the languages whose main
    // caption file is missing; V1 of the settings read again; the chosen language; the start
    // picture of the help context.
    LoadPictures();
    ApplyCaptions();
    DisableUnavailableOptions();
    ReloadCarriedValueV1(state_.dir, state_.settings);
    LanguageCheck();
    ui::SetPicture(*Picture1_, state_.dir, StartPictureName(state_.settings.HelpContext));
}

void WelcomeDialog::BuildControls() {
    setFixedSize(ui::ToPixels(kWidth), ui::ToPixels(kHeight));
    Picture1_->setObjectName("Picture1");
    Picture1_->setGeometry(ui::PixelRect(kMargin, kMargin, kStartWidth, kStartHeight));
    Picture1_->setAlignment(Qt::AlignCenter);
    for (size_t i = 0; i < components_.size(); ++i) {
        QLabel* part = new QLabel(this);
        part->setObjectName(QString("Picture%1").arg(i + 2));
        part->setAlignment(Qt::AlignCenter);
        const int column = static_cast<int>(i) % kPartColumns;
        const int row = static_cast<int>(i) / kPartColumns;
        part->setGeometry(ui::PixelRect(kPartsLeft + column * (kPartSize + kPartGap),
                                        kPartsTop + row * (kPartSize + kPartGap), kPartSize,
                                        kPartSize));
        components_[i] = part;
    }

    Picture17_->setObjectName("Picture17");
    Picture17_->setGeometry(ui::PixelRect(kMargin, kPanelTop, kPanelWidth, kPanelHeight));
    pn1_->setObjectName("pn1");
    pn1_->setGeometry(
        ui::PixelRect(kPanelPadding, kHeadingTop, kPanelWidth - 2 * kPanelPadding, kHeadingHeight));
    pn1_->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    QFont heading = pn1_->font();
    heading.setPointSizeF(kHeadingPoints);
    heading.setBold(true);
    pn1_->setFont(heading);

    QWidget* previous = nullptr;
    for (size_t i = 0; i < kWelcomeLanguages.size(); ++i) {
        const WelcomeLanguage& language = kWelcomeLanguages[i];
        const std::string_view code = language.code;
        LanguageRow& row = languages_[i];
        row.flag = new LanguageControl(Picture17_, [this, code] { ChooseLanguage(code); });
        row.option = new LanguageControl(Picture17_, [this, code] { ChooseLanguage(code); });
        row.flag->setObjectName(ui::ToQString(language.flagName));
        row.option->setObjectName(ui::ToQString(language.optionName));

        const double left = kPanelPadding + static_cast<double>(i % kGridColumns) * kCellWidth;
        const double top = kGridTop + static_cast<double>(i / kGridColumns) * kCellHeight;
        row.flag->setGeometry(ui::PixelRect(left, top, kFlagWidth, kFlagHeight));
        row.flag->setAlignment(Qt::AlignCenter);
        row.option->setGeometry(
            ui::PixelRect(left + kFlagWidth + kOptionGap, top, kOptionWidth, kFlagHeight));
        row.option->setIndent(ui::ToPixels(60));
        QFont font = row.option->font();
        font.setPointSizeF(kOptionPoints);
        row.option->setFont(font);

        // The option shows the language's own name, which does not change with the language of
        // the dialog; Arabic reads from the right and still stands next to its flag.
        const QString name = ui::ToQString(language.ownName);
        row.option->setText(name);
        row.option->setAccessibleName(name);
        row.flag->setAccessibleName(name);
        row.flag->setAccessibleDescription(ui::ToQString(code));
        row.option->setAccessibleDescription(ui::ToQString(code));
        if (code == "ARA") {
            row.option->setLayoutDirection(Qt::RightToLeft);
            row.option->setAlignment(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            row.option->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }

        if (previous != nullptr)
            setTabOrder(previous, row.flag);
        setTabOrder(row.flag, row.option);
        previous = row.option;
    }

    // The confirmation's label is named Label21.
    OKbutt_->CaptionLabel()->setObjectName("Label21");
    OKbutt_->move(ui::ToPixels(kWidth - kMargin - kButtonWidth), ui::ToPixels(kButtonTop));
    setTabOrder(previous, OKbutt_);
    connect(OKbutt_, &QAbstractButton::clicked, this, [this] { ConfirmWelcome(); });
    OKbutt_->setFocus();
}

void WelcomeDialog::LoadPictures() {
    for (size_t i = 0; i < components_.size(); ++i)
        ui::SetPicture(*components_[i], state_.dir, kComponentPictures[i]);
    for (size_t i = 0; i < kWelcomeLanguages.size(); ++i)
        ui::SetPicture(*languages_[i].flag, state_.dir, kWelcomeLanguages[i].flagPicture);
    OKbutt_->SetPicture(ui::LoadPicture(state_.dir, "okcap.bmp"));
    // The button keeps its place at the lower right whatever size its picture gives it.
    OKbutt_->move(width() - ui::ToPixels(kMargin) - OKbutt_->width(),
                  ui::ToPixels(kButtonTop + kButtonHeight) - OKbutt_->height());

    const bool backgrounds = state_.settings.ShowBackgrounds == 1;
    Picture17_->SetPicture(backgrounds ? ui::LoadPicture(state_.dir, "Varnholt_Back032.jpg")
                                       : QPixmap());
    background_ = backgrounds ? ui::LoadPicture(state_.dir, "Varnholt_Back01.jpg") : QPixmap();
    update();
    // Without its picture the language panel still stands apart from the dialog.
    Picture17_->setAutoFillBackground(!Picture17_->HasPicture());
}

void WelcomeDialog::ApplyCaptions() {
    const CaptionTables& captions = state_.captions;
    const QString title =
        ui::ToQString(std::string(kApplicationTitle) + " - " + captions.Program(1));
    setWindowTitle(title);
    setAccessibleName(title);
    const QString heading = ui::ToQString(captions.Main(91));
    pn1_->setText(heading);
    pn1_->setAccessibleName(heading);
    Picture17_->setAccessibleName(heading);
    Picture1_->setAccessibleName(ui::ToQString(kApplicationTitle));
    for (QLabel* part : components_)
        part->setAccessibleName(ui::ToQString(kApplicationTitle));
    OKbutt_->SetCaption("O.K.");
}

void WelcomeDialog::DisableUnavailableOptions() {
    const std::set<std::string> unavailable = UnavailableWelcomeLanguages(state_.dir);
    for (size_t i = 0; i < kWelcomeLanguages.size(); ++i) {
        const bool available = !unavailable.contains(std::string(kWelcomeLanguages[i].code));
        languages_[i].option->setEnabled(available);
        languages_[i].option->setCursor(available ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
}

void WelcomeDialog::LanguageCheck() {
    for (size_t i = 0; i < kWelcomeLanguages.size(); ++i) {
        QLabel* option = languages_[i].option;
        const bool chosen =
            IsChosenLanguage(kWelcomeLanguages[i].code, state_.settings.LanguageCode);
        QFont font = option->font();
        font.setBold(chosen);
        font.setItalic(!chosen);
        option->setFont(font);
    }
}

void WelcomeDialog::ChooseLanguage(std::string_view code) {
    state_.settings.LanguageCode = std::string(code);
    LanguageCheck();
}

void WelcomeDialog::ConfirmWelcome() {
    if (confirmed_)
        return;
    confirmed_ = true;
    OKbutt_->setDown(false);
    const std::string chosen = ChosenWelcomeLanguage([this](std::string_view code) {
        for (size_t i = 0; i < kWelcomeLanguages.size(); ++i) {
            if (kWelcomeLanguages[i].code == code)
                return languages_[i].option->font().bold();
        }
        return false;
    });
    ConfirmWelcomeChoice(state_, chosen, messages_);
    QDialog::done(QDialog::Accepted);
}

void WelcomeDialog::reject() {
    ConfirmWelcome();
}

void WelcomeDialog::closeEvent(QCloseEvent* event) {
    ConfirmWelcome();
    event->accept();
}

void WelcomeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceOnScreen();
    LanguageCheck();
}

void WelcomeDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceOnScreen();
}

void WelcomeDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        LanguageCheck();
}

void WelcomeDialog::mouseMoveEvent(QMouseEvent* event) {
    // Any movement over the dialog draws the O.K. button flat.
    OKbutt_->setDown(false);
    QDialog::mouseMoveEvent(event);
}

void WelcomeDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (background_.isNull())
        return;
    QPainter painter(this);
    const QSize covering = background_.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
    painter.drawPixmap(QRect(QPoint(0, 0), covering), background_);
}

void WelcomeDialog::PlaceOnScreen() {
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    const QSize size = frameGeometry().size();
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 3);
}

}  // namespace tessaro
