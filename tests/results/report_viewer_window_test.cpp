#include "results/report_viewer_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "report_window_support.h"
#include "results/report_file.h"
#include "ui/picture_button.h"
#include "ui/qt_printer.h"
#include "ui/recording_printer.h"
#include "ui/screen_fit.h"

namespace tessaro {
namespace {

constexpr double kW = 11906;  // A4 in twips
constexpr double kH = 16838;

class ReportViewerTest : public ::testing::Test {
  protected:
    ReportViewerTest() { window.resize(1000, 900); }

    QImage Render() {
        window.Activate();
        return window.grab().toImage();
    }
    // Whether a dark pixel lies within a few pixels of the page point (x W, y H).
    bool DarkNear(const QImage& image, double x, double y, int reach = 2) const {
        const QPoint at = window.ToWindow(x * kW, y * kH).toPoint();
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const QPoint p = at + QPoint(dx, dy);
                if (image.rect().contains(p) && qGray(image.pixel(p)) < 110)
                    return true;
            }
        return false;
    }
    std::vector<DrawStep> TextsBelowHeading() const {
        std::vector<DrawStep> texts;
        for (const DrawStep& step : window.PageLayout().steps)
            if (step.kind == DrawStep::Kind::Text && step.y >= 0.145 * kH)
                texts.push_back(step);
        return texts;
    }
    template <typename T>
    T* Child(const char* name) {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    test::ReportFolder folder;
    ui::RecordingPrinter printer{kW, kH};
    test::RecordingMessageBox messages;
    int settingsShown = 0;
    int settingsAnswer = 0;
    ReportViewerWindow window{folder.state, printer, messages, [this](QWidget*) {
                                  ++settingsShown;
                                  folder.state.settings.HelpContext = settingsAnswer;
                              }};
};

TEST_F(ReportViewerTest, DrawsThePageWhereThePageModelPutsIt) {
    const QImage image = Render();
    // The page frame from (0.08 W, 0.14 H) to (0.94 W, 0.91 H).
    EXPECT_TRUE(DarkNear(image, 0.5, 0.14));
    EXPECT_TRUE(DarkNear(image, 0.08, 0.5));
    EXPECT_TRUE(DarkNear(image, 0.94, 0.5));
    EXPECT_TRUE(DarkNear(image, 0.5, 0.91));
    // White paper around it.
    const QPoint margin = window.ToWindow(0.03 * kW, 0.5 * kH).toPoint();
    EXPECT_EQ(image.pixelColor(margin), QColor(Qt::white));
    EXPECT_FALSE(DarkNear(image, 0.5, 0.925));
    // Every report line in ink at its place, in the label column or the value column, in the
    // printed size.
    const std::vector<DrawStep> texts = TextsBelowHeading();
    ASSERT_GT(texts.size(), 30u);
    for (const DrawStep& text : texts) {
        EXPECT_EQ(text.fontSize, 10) << text.text;
        EXPECT_TRUE(text.x == 0.09 * kW || text.x == 0.55 * kW) << text.text;
        // The ink starts a little right of and below the text's corner.
        EXPECT_TRUE(DarkNear(image, text.x / kW + 0.006, text.y / kH + 0.008, 4)) << text.text;
    }
    EXPECT_EQ(window.windowTitle().toStdString(), ReportTitle("GER", folder.state.captions));
}

TEST_F(ReportViewerTest, HeadingSwitchChangesOnlyTheHeading) {
    folder.state.settings.PrintHeadingOff = 0;
    const QImage full = Render();
    const std::vector<DrawStep> linesFull = TextsBelowHeading();
    auto* printHead = Child<QCheckBox>("PrintHead");
    ASSERT_TRUE(printHead->isChecked());

    printHead->click();
    EXPECT_EQ(folder.state.settings.PrintHeadingOff, 1);
    const QImage compact = window.grab().toImage();
    // The compact heading: the title in bold at (0.1 W, 0.08 H).
    const auto& steps = window.PageLayout().steps;
    EXPECT_TRUE(std::any_of(steps.begin(), steps.end(), [](const DrawStep& s) {
        return s.bold && s.x == 0.1 * kW && s.y == 0.08 * kH;
    }));

    const int frameTop = window.ToWindow(0, 0.14 * kH).toPoint().y() - 1;
    const QRect report(0, frameTop, full.width(), full.height() - frameTop);
    EXPECT_EQ(full.copy(report), compact.copy(report)) << "the report lines stay in place";
    const QRect heading(0, 0, full.width(), frameTop);
    EXPECT_NE(full.copy(heading), compact.copy(heading));
    EXPECT_EQ(TextsBelowHeading().size(), linesFull.size());

    // The setting is kept, and the next activation shows it.
    window.Activate();
    EXPECT_FALSE(printHead->isChecked());
    printHead->click();
    EXPECT_EQ(folder.state.settings.PrintHeadingOff, 0);
}

TEST_F(ReportViewerTest, MissingReportFileShowsAnEmptyPage) {
    std::filesystem::remove(folder.temp.Path() / "ergEN1.DAT");
    const QImage image = Render();
    EXPECT_TRUE(TextsBelowHeading().empty());
    EXPECT_TRUE(DarkNear(image, 0.5, 0.14));
    EXPECT_FALSE(DarkNear(image, 0.3, 0.3, 6));
}

TEST_F(ReportViewerTest, PrintButtonPrintsOnlyWhenTheSettingsSayPrint) {
    Render();
    auto* print = Child<ui::PictureButton>("Command3D2");
    settingsAnswer = 0;
    print->click();
    EXPECT_EQ(settingsShown, 1);
    EXPECT_TRUE(printer.Calls().empty());

    settingsAnswer = 1;
    // From the keyboard: the button takes the focus and acts on Space.
    print->setFocus();
    QTest::keyClick(print, Qt::Key_Space);
    EXPECT_EQ(settingsShown, 2);
    ASSERT_FALSE(printer.Calls().empty());
    EXPECT_EQ(printer.Calls().back().kind, ui::RecordingPrinter::Call::Kind::EndDoc);
    EXPECT_EQ(folder.state.settings.HelpContext, 0);
    EXPECT_TRUE(messages.shown.empty()) << "a real printer needs no word about a file";
}

TEST_F(ReportViewerTest, CloseButtonsAndTheirLabelsLeaveHelpContextAtZero) {
    for (const char* name : {"Command3D1", "Command3D3"}) {
        Render();
        window.show();
        folder.state.settings.HelpContext = 7;
        auto* button = Child<ui::PictureButton>(name);
        QLabel* label = button->CaptionLabel();
        QTest::mousePress(label, Qt::LeftButton);
        EXPECT_TRUE(button->Raised()) << name;
        EXPECT_TRUE(window.isVisible());
        QTest::mouseRelease(label, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible()) << name;
        EXPECT_EQ(folder.state.settings.HelpContext, 0) << name;
    }
}

// The buttons are named in the language, the other controls carry a name too, and the painted
// report can still be read out.
TEST_F(ReportViewerTest, ControlsCarryTheirNamesInTheLanguage) {
    Render();
    EXPECT_EQ(Child<ui::PictureButton>("Command3D2")->accessibleName(), "Drucken");
    EXPECT_EQ(Child<QLabel>("PrintHead_l")->text(), "Drucken mit Briefkopf");
    for (const char* name : {"Frame3D2", "VScroll1", "Shape1", "Shape6", "PrintHead"})
        EXPECT_FALSE(Child<QWidget>(name)->accessibleName().isEmpty()) << name;
    EXPECT_TRUE(window.accessibleDescription().contains("Verdampfer"));
}

// The view opens at its design size where the screen has room, else as large as the screen's room
// for windows (less the window's frame) allows; on a 1280 x 720 screen its buttons, its heading
// switch and the page image lie wholly inside it, clear of each other.
TEST_F(ReportViewerTest, FitsEveryScreenFrom1280By720WithItsButtonsInReach) {
    struct Row {
        QSize available, frame, opening;
    };
    const std::vector<Row> rows = {{{1920, 1080}, {8, 36}, {1000, 900}},
                                   {{1280, 720}, {8, 36}, {1000, 684}},
                                   {{1366, 768}, {0, 0}, {1000, 768}},
                                   {{1280, 1024}, {0, 0}, {1000, 900}}};
    for (const Row& row : rows)
        EXPECT_EQ(ReportViewerWindow::OpeningSize(row.available, row.frame), row.opening)
            << row.available.width() << "x" << row.available.height();
    EXPECT_TRUE(QRect(0, 0, 1280 - 8, 720 - 36).contains(QRect(QPoint(), window.minimumSize())));

    window.resize(ReportViewerWindow::OpeningSize({1280, 720}, {8, 36}));
    Render();
    std::vector<QRect> controls;
    for (const char* name : {"Command3D2", "Command3D3", "Command3D1", "PrintHead", "PrintHead_l",
                             "Label3", "Label4"}) {
        auto* control = Child<QWidget>(name);
        const QRect place(control->mapTo(&window, QPoint()), control->size());
        EXPECT_TRUE(window.rect().contains(place)) << name;
        for (const QRect& other : controls)
            EXPECT_FALSE(place.intersects(other)) << name;
        controls.push_back(place);
    }
    // The page from its heading to the frame's lower right corner, on the sheet left of the
    // scroll bar and above the lower band.
    const QRectF page(window.ToWindow(0, 0), window.ToWindow(0.94 * kW, 0.91 * kH));
    EXPECT_GE(page.left(), Child<QWidget>("Shape4")->geometry().right());
    EXPECT_LE(page.right(), Child<QWidget>("Shape1")->geometry().left());
    EXPECT_LE(page.bottom(), Child<QWidget>("Shape3")->geometry().top());
    EXPECT_GT(page.top(), 0);
}

// Shown, the view lies inside the screen's room for windows.
TEST_F(ReportViewerTest, OpensInsideTheScreen) {
    ReportViewerWindow fresh(folder.state, printer, messages, [](QWidget*) {});
    fresh.show();

    EXPECT_TRUE(ui::AvailableArea(&fresh).contains(fresh.frameGeometry()))
        << fresh.frameGeometry().x() << "," << fresh.frameGeometry().y() << " "
        << fresh.frameGeometry().width() << "x" << fresh.frameGeometry().height();
    fresh.close();
}

// Without a system printer the page goes into a PDF beside the report, and the user is told
// where it is.
TEST(ReportViewerPdf, PrintingWithoutPrinterNamesThePdfFile) {
    test::ReportFolder folder("ENG");
    const std::filesystem::path pdf = folder.temp.Path() / "ergEN1.pdf";
    ui::QtPrinter printer(pdf, ui::QtPrinter::Destination::PdfFile);
    test::RecordingMessageBox messages;
    ReportViewerWindow window(folder.state, printer, messages,
                              [&](QWidget*) { folder.state.settings.HelpContext = 1; });
    window.Activate();
    window.findChild<ui::PictureButton*>("Command3D2")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(pdf.string()), std::string::npos);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

}  // namespace
}  // namespace tessaro
