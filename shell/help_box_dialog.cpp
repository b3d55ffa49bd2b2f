#include "shell/help_box_dialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTextOption>
#include <string_view>

#include "shell/help_text.h"
#include "shell/shell_state.h"
#include "shell/text.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace tessaro {

namespace {

// The design in twips: the text frame fills the dialog above a bottom strip that holds the
// picture at the left and the O.K. button at the right.
constexpr double kWidth = 9000;
constexpr double kHeight = 6900;
constexpr double kMargin = 240;
constexpr double kPictureSize = 1440;
constexpr double kGap = 180;

// InfoText's place inside pn1: its left and top edge, and how much narrower and lower it is.
constexpr double kTextLeft = 12;
constexpr double kTextTop = 12;
constexpr double kTextWidthLess = 37;
constexpr double kTextHeightLess = 30;

// Room between the frame and the lines of the text, in pixels.
constexpr int kTextPadding = 8;

// The text field of the help: a read-only text with room between the frame and the lines. The
// room is kept outside the scrolled text, beside the scroll bar, so that it stays on both sides
// in either reading direction.
class HelpTextField : public QPlainTextEdit {
  public:
    explicit HelpTextField(QWidget* parent) : QPlainTextEdit(parent) {
        setViewportMargins(kTextPadding, kTextPadding, kTextPadding, kTextPadding);
        document()->setDocumentMargin(0);
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
    }
};

}  // namespace

HelpBoxDialog::HelpBoxDialog(ShellState& state, QWidget* parent)
    : QDialog(parent),
      state_(state),
      Frame3d1_(new QLabel(this)),
      pn1_(new QFrame(this)),
      InfoText_(new HelpTextField(pn1_)),
      Picture1_(new QLabel(this)),
      Command3D1_(new ui::PictureButton("Command3D1", this)) {
    setObjectName("Hilfebox");
    setModal(true);
    setSizeGripEnabled(false);

    Frame3d1_->setObjectName("Frame3d1");
    Frame3d1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Frame3d1_->setFocusPolicy(Qt::NoFocus);

    pn1_->setObjectName("pn1");
    pn1_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    pn1_->setLineWidth(1);
    pn1_->setBackgroundRole(QPalette::Base);
    pn1_->setAutoFillBackground(true);

    InfoText_->setObjectName("InfoText");
    InfoText_->setReadOnly(true);
    InfoText_->setFrameShape(QFrame::NoFrame);
    InfoText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    InfoText_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    InfoText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    InfoText_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    InfoText_->setFocusPolicy(Qt::StrongFocus);
    // Arabic reads from the right: every paragraph runs right to left and keeps to the right
    // edge, even one that begins with a Latin word, and the scroll bar moves to the left.
    if (EqualIgnoringCase(state_.settings.LanguageCode, "ARA")) {
        InfoText_->setLayoutDirection(Qt::RightToLeft);
        QTextOption paragraphs = InfoText_->document()->defaultTextOption();
        paragraphs.setTextDirection(Qt::RightToLeft);
        paragraphs.setAlignment(Qt::AlignRight);
        InfoText_->document()->setDefaultTextOption(paragraphs);
    }

    Picture1_->setObjectName("Picture1");
    Picture1_->setAlignment(Qt::AlignCenter);
    Picture1_->setFocusPolicy(Qt::NoFocus);

    PlaceControls();
    ApplyCaptions();
    setTabOrder(InfoText_, Command3D1_);
    InfoText_->setFocus();
    connect(Command3D1_, &QAbstractButton::clicked, this, &QDialog::accept);
}

void HelpBoxDialog::PlaceControls() {
    setFixedSize(ui::ToPixels(kWidth), ui::ToPixels(kHeight));
    Frame3d1_->setGeometry(rect());
    Frame3d1_->lower();

    const double stripTop = kHeight - kMargin - kPictureSize;
    Picture1_->setGeometry(ui::PixelRect(kMargin, stripTop, kPictureSize, kPictureSize));
    pn1_->setGeometry(
        ui::PixelRect(kMargin, kMargin, kWidth - 2 * kMargin, stripTop - kGap - kMargin));

    // InfoText is fitted into pn1 from pn1's size as it stands.
    const double frameWidth = ui::ToTwips(pn1_->width());
    const double frameHeight = ui::ToTwips(pn1_->height());
    InfoText_->setGeometry(ui::PixelRect(kTextLeft, kTextTop, frameWidth - kTextWidthLess,
                                         frameHeight - kTextHeightLess));
}

void HelpBoxDialog::ApplyCaptions() {
    const QString caption =
        ui::ToQString(HelpBoxCaption(state_.captions, state_.settings.HelpCaptionSuffix));
    setWindowTitle(caption);
    setAccessibleName(caption);
    pn1_->setAccessibleName(caption);
    InfoText_->setAccessibleName(caption);
    Frame3d1_->setAccessibleName(caption);
    Picture1_->setAccessibleName(ui::ToQString(kApplicationTitle));
    Command3D1_->SetCaption("O.K.");

    // The background is drawn over the whole dialog, its proportions kept.
    const QPixmap background = state_.settings.ShowBackgrounds == 1
                                   ? ui::LoadPicture(state_.dir, "Varnholt_Back041.jpg")
                                   : QPixmap();
    if (background.isNull())
        Frame3d1_->clear();
    else
        Frame3d1_->setPixmap(
            background.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation));
    ui::SetPicture(*Picture1_, state_.dir, "Pic2.bmp");
    Command3D1_->SetPicture(ui::LoadPicture(state_.dir, "OKcap.bmp"));

    // The button keeps its place at the lower right whatever size its picture gives it.
    const QRect strip = Picture1_->geometry();
    Command3D1_->move(width() - ui::ToPixels(kMargin) - Command3D1_->width(),
                      strip.bottom() + 1 - Command3D1_->height());
}

void HelpBoxDialog::Activate() {
    helpFileName_ =
        tessaro::HelpFileName(state_.settings.LanguageCode, state_.settings.HelpContext);
    LoadHelpText();
    state_.settings.HelpContext = 0;
}

void HelpBoxDialog::LoadHelpText() {
    // The text field takes each CR LF of the help text as one line break.
    InfoText_->setPlainText(ui::ToQString(
        tessaro::LoadHelpText(state_.dir, helpFileName_, state_.settings.LanguageCode)));
}

void HelpBoxDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ui::CentreOnScreen(*this);
    Activate();
}

void HelpBoxDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ui::CentreOnScreen(*this);
}

void HelpBoxDialog::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere in the dialog is the O.K. button, as in a dialog with a default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Command3D1_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tessaro
