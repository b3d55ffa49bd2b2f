#include "results/print_settings_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "shell/shell_state.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/printer.h"
#include "ui/twips.h"

namespace tessaro {

namespace {

// Layout in twips. The font list and its sample fill the left, the four buttons stand in a column
// at the right with the ice cube between the two pairs, and the size panel lies over the sample.
constexpr int kDialogWidth = 7200;
constexpr int kDialogHeight = 4140;
constexpr int kMargin = 240;
constexpr int kButtonWidth = 2250;  // the button pictures are 150 x 32 pixels
constexpr int kButtonHeight = 480;
constexpr int kButtonStep = 600;
constexpr int kColumnLeft = kDialogWidth - kMargin - kButtonWidth;
constexpr int kLeftWidth = kColumnLeft - 2 * kMargin;
constexpr int kFontListHeight = 390;
constexpr int kSampleTop = kMargin + kFontListHeight + 150;
constexpr int kSampleHeight = kDialogHeight - kMargin - kSampleTop;
constexpr int kLowerButtonTop = kDialogHeight - kMargin - kButtonHeight - kButtonStep;
// The size panel's labels and its hide button, relative to the panel.
constexpr int kPanelLineTop = 300;
constexpr int kPanelLineStep = 420;
constexpr int kPanelLineHeight = 360;
constexpr int kHideButtonWidth = 1200;
constexpr int kHideButtonHeight = 450;
// The sample is drawn at about the size of body text on paper.
constexpr double kSamplePoints = 12;

// A size in twips as a whole number.
QString WholeTwips(double twips) {
    return QString::number(static_cast<long long>(std::floor(twips)));
}

}  // namespace

// The font sample: a white card with the report's title and a few figures as they come out in
// the chosen font, the block standing in the middle of the card.
class PrintSettingsDialog::FontSample : public QWidget {
  public:
    explicit FontSample(QWidget* parent) : QWidget(parent) {}

    void SetLines(QStringList lines) {
        lines_ = std::move(lines);
        setAccessibleDescription(lines_.join('\n'));
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(QColor(150, 156, 164));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));

        const QRect area = rect().adjusted(ui::ToPixels(180), ui::ToPixels(120), -ui::ToPixels(180),
                                           -ui::ToPixels(120));
        constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        // The first line is the report's title, bold as in the report's heading, with half a line
        // of space below it.
        std::vector<std::pair<QFont, QRect>> blocks;
        int height = 0;
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            QFont font = this->font();
            font.setBold(i == 0);
            const QFontMetrics metrics(font);
            QRect bounds = metrics.boundingRect(area, kFlags, lines_[i]);
            height += bounds.height() + (i == 0 ? metrics.lineSpacing() / 2 : 0);
            blocks.emplace_back(font, bounds);
        }
        painter.setClipRect(area);
        painter.setPen(QColor(20, 20, 20));
        int y = area.top() + std::max(0, (area.height() - height) / 2);
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            const auto& [font, bounds] = blocks[static_cast<std::size_t>(i)];
            painter.setFont(font);
            painter.drawText(QRect(area.left(), y, area.width(), bounds.height()), kFlags,
                             lines_[i]);
            y += bounds.height() + (i == 0 ? QFontMetrics(font).lineSpacing() / 2 : 0);
        }
    }

  private:
    QStringList lines_;
};

PrintSettingsDialog::PrintSettingsDialog(ShellState& state, ui::Printer& printer,
                                         std::function<int()> printerSetup, QWidget* parent)
    : QDialog(parent),
      state_(state),
      printer_(printer),
      printerSetup_(std::move(printerSetup)),
      Frame3d1_(new QLabel(this)),
      fontlist_(new QComboBox(this)),
      FonttestPN_(new FontSample(this)),
      iceC_(new QLabel(this)),
      OKbutt_(new ui::PictureButton("OKbutt", this)),
      Abbutt_(new ui::PictureButton("Abbutt", this)),
      drbutt_(new ui::PictureButton("drbutt", this)),
      prevButt_(new ui::PictureButton("prevButt", this)),
      Panel3D1_(new QFrame(this)),
      Pwidth_(new QLabel(Panel3D1_)),
      Pheight_(new QLabel(Panel3D1_)),
      Swidth_(new QLabel(Panel3D1_)),
      Sheight_(new QLabel(Panel3D1_)),
      Command3D1_(new QPushButton(Panel3D1_)) {
    setObjectName("DruckEInstell");
    setModal(true);
    setFixedSize(ui::ToPixels(kDialogWidth), ui::ToPixels(kDialogHeight));

    Frame3d1_->setObjectName("Frame3d1");
    Frame3d1_->setScaledContents(true);
    Frame3d1_->setGeometry(ui::PixelRect(0, 0, kDialogWidth, kDialogHeight));
    Frame3d1_->lower();

    fontlist_->setObjectName("fontlist");
    // Not editable: the list offers only the fonts the printer has, and typing the first letters
    // of a name still jumps to it.
    fontlist_->setEditable(false);
    fontlist_->setMaxVisibleItems(16);
    fontlist_->setGeometry(ui::PixelRect(kMargin, kMargin, kLeftWidth, kFontListHeight));
    connect(fontlist_, &QComboBox::activated, this, [this] { fontlist_Click(); });

    FonttestPN_->setObjectName("FonttestPN");
    FonttestPN_->setGeometry(ui::PixelRect(kMargin, kSampleTop, kLeftWidth, kSampleHeight));

    // The print button's label is named with a small k: "Okbutt_l".
    OKbutt_->CaptionLabel()->setObjectName("Okbutt_l");
    OKbutt_->move(ui::ToPixels(kColumnLeft), ui::ToPixels(kMargin));
    Abbutt_->move(ui::ToPixels(kColumnLeft), ui::ToPixels(kMargin + kButtonStep));
    drbutt_->move(ui::ToPixels(kColumnLeft), ui::ToPixels(kLowerButtonTop));
    prevButt_->move(ui::ToPixels(kColumnLeft), ui::ToPixels(kLowerButtonTop + kButtonStep));
    connect(OKbutt_, &QAbstractButton::clicked, this, &PrintSettingsDialog::accept);
    connect(Abbutt_, &QAbstractButton::clicked, this, &PrintSettingsDialog::reject);
    connect(drbutt_, &QAbstractButton::clicked, this, [this] { printCMsetup(); });
    connect(prevButt_, &QAbstractButton::clicked, this, [this] { Printer_I(); });

    // The ice cube stands centred between the upper and the lower pair of buttons.
    iceC_->setObjectName("iceC");
    iceC_->setAlignment(Qt::AlignCenter);
    const int iceTop = kMargin + kButtonStep + kButtonHeight;
    iceC_->setGeometry(ui::PixelRect(kColumnLeft, iceTop, kButtonWidth, kLowerButtonTop - iceTop));

    Panel3D1_->setObjectName("Panel3D1");
    // A light card with the same quiet outline as the buttons, lying over the font sample.
    Panel3D1_->setStyleSheet("#Panel3D1 { background: #f4f6f8; border: 1px solid #969ca4; }");
    Panel3D1_->setGeometry(ui::PixelRect(kMargin, kSampleTop, kLeftWidth, kSampleHeight));
    const std::pair<QLabel*, const char*> lines[] = {
        {Pwidth_, "Pwidth"}, {Pheight_, "Pheight"}, {Swidth_, "Swidth"}, {Sheight_, "Sheight"}};
    // The printer's two lines, a gap, the screen's two lines.
    int lineTop = kPanelLineTop;
    for (const auto& [label, name] : lines) {
        label->setObjectName(name);
        label->setGeometry(
            ui::PixelRect(kMargin, lineTop, kLeftWidth - 2 * kMargin, kPanelLineHeight));
        lineTop += label == Pheight_ ? kPanelLineStep * 3 / 2 : kPanelLineStep;
    }
    Command3D1_->setObjectName("Command3D1");
    Command3D1_->setText("O.K.");
    Command3D1_->setAccessibleName("O.K.");
    Command3D1_->setAutoDefault(false);
    Command3D1_->setGeometry(ui::PixelRect(kLeftWidth - kMargin - kHideButtonWidth,
                                           kSampleHeight - kMargin - kHideButtonHeight,
                                           kHideButtonWidth, kHideButtonHeight));
    connect(Command3D1_, &QPushButton::clicked, this, [this] { Command3D1_Click(); });
    Panel3D1_->hide();

    setTabOrder(fontlist_, OKbutt_);
    setTabOrder(OKbutt_, Abbutt_);
    setTabOrder(Abbutt_, drbutt_);
    setTabOrder(drbutt_, prevButt_);
    setTabOrder(prevButt_, Command3D1_);
    // The dialog opens with its print button in focus, so Enter prints.
    OKbutt_->setFocus();

    // What the dialog does when it is loaded: the ice cube, the printer's fonts in the printer's
    // order, the background.
    ui::SetPicture(*iceC_, state_.dir, "iceCube.bmp");
    for (const std::string& name : printer_.FontNames())
        fontlist_->addItem(ui::ToQString(name));
    if (state_.settings.ShowBackgrounds == 1)
        ui::SetPicture(*Frame3d1_, state_.dir, "Varnholt_Back041.jpg");
}

void PrintSettingsDialog::Activate() {
    ApplyCaptions();
    FontTest();
}

void PrintSettingsDialog::accept() {
    state_.settings.HelpContext = 1;
    QDialog::accept();
}

void PrintSettingsDialog::reject() {
    state_.settings.HelpContext = 0;
    QDialog::reject();
}

void PrintSettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window that comes back from being minimised is not activated afresh.
    if (event->spontaneous())
        return;
    Activate();
    ui::CentreOnScreen(*this);
}

void PrintSettingsDialog::ApplyCaptions() {
    const CaptionTables& captions = state_.captions;
    const QString title = ui::ToQString(std::string(kApplicationTitle) + " - " + captions.Main(63) +
                                        " " + captions.Main(166));
    setWindowTitle(title);
    Frame3d1_->setAccessibleName(title);
    iceC_->setAccessibleName(ui::ToQString(std::string(kApplicationTitle)));

    const struct {
        ui::PictureButton* button;
        const char* picture;
        QString caption;
    } buttons[] = {
        {OKbutt_, "okcap.bmp", "O.K."},
        {Abbutt_, "abcap.bmp", ui::ToQString(captions.Main(35))},
        {drbutt_, "prcap.bmp", ui::ToQString(captions.Main(63))},
        // The size panel: "Size" is the nearest entry of the caption tables.
        {prevButt_, "zoomcap.bmp", ui::ToQString(captions.Main(203))},
    };
    for (const auto& [button, picture, caption] : buttons) {
        button->SetPicture(ui::LoadPicture(state_.dir, picture));
        button->SetCaption(caption);
    }
    Panel3D1_->setAccessibleName(ui::ToQString(captions.Main(203)));

    // The sample shows the report's title and a few figures in the user's number format.
    const QString comma(QChar::fromLatin1(state_.decimalSeparator));
    FonttestPN_->SetLines({
        ui::ToQString(captions.Main(146)),
        "Qo = 12" + comma + "5 kW    COP 3" + comma + "47",
        QString::fromUtf8("to = -10 °C    tc = 40 °C"),
        QString::fromUtf8("ÄÖÜ äöü ß 0123456789"),
    });
}

void PrintSettingsDialog::FontTest() {
    const std::string& name = state_.settings.FontName;
    printer_.SetFontName(name);
    SetSampleFont(name);
    ShowFontName(printer_.FontName());
}

void PrintSettingsDialog::fontlist_Click() {
    const std::string t = fontlist_->currentText().toStdString();
    printer_.SetFontName(t);
    ShowFontName(t);
    state_.settings.FontName = t;
    SetSampleFont(t);
    printer_.SetFontName(t);
}

void PrintSettingsDialog::Printer_I() {
    const ui::ScreenTwips screen = ui::ScreenSizeTwips();
    Pwidth_->setText("Printer Width = " + WholeTwips(printer_.PageWidth()));
    Pheight_->setText("Printer Height = " + WholeTwips(printer_.PageHeight()));
    Swidth_->setText("Screen Width = " + WholeTwips(screen.width));
    Sheight_->setText("Screen Height = " + WholeTwips(screen.height));
    for (QLabel* label : {Pwidth_, Pheight_, Swidth_, Sheight_})
        label->setAccessibleName(label->text());
    Panel3D1_->show();
    Panel3D1_->raise();
    Command3D1_->setFocus();
}

void PrintSettingsDialog::Command3D1_Click() {
    Panel3D1_->hide();
    prevButt_->setFocus();
}

int PrintSettingsDialog::printCMsetup() {
    return printerSetup_ ? printerSetup_() : 0;
}

void PrintSettingsDialog::ShowFontName(const std::string& name) {
    // A name that is not in the list (a printer without fonts) leaves the list without a choice.
    fontlist_->setCurrentIndex(fontlist_->findText(ui::ToQString(name)));
    fontlist_->setAccessibleName(fontlist_->currentText());
}

void PrintSettingsDialog::SetSampleFont(const std::string& name) {
    QFont font(ui::ToQString(name));
    font.setPointSizeF(kSamplePoints);
    FonttestPN_->setFont(font);
    FonttestPN_->setAccessibleName(ui::ToQString(name));
}

}  // namespace tessaro
