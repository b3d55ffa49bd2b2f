// The report view on the report of the shipped example: the page it paints, its heading switch,
// its buttons, today's date, and the printout, on a recording printer and into a real PDF.
#include "results/report_viewer_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDate>
#include <QProcess>
#include <regex>

#include "results/report_file.h"
#include "results/report_printing.h"
#include "support/started_folder.h"
#include "support/window_helpers.h"
#include "ui/qt_printer.h"
#include "ui/recording_printer.h"

namespace tessaro {
namespace {

using test::Control;
using Call = ui::RecordingPrinter::Call;
constexpr double kW = 11906;  // A4 in twips
constexpr double kH = 16838;

class ReportViewerTest : public ::testing::Test {
  protected:
    // The texts of the page from fromY (a share of H) down.
    std::vector<DrawStep> Texts(double fromY = 0.145) const {
        std::vector<DrawStep> texts;
        for (const DrawStep& step : window.PageLayout().steps)
            if (step.kind == DrawStep::Kind::Text && step.y >= fromY * kH)
                texts.push_back(step);
        return texts;
    }

    test::ReportFolder folder;
    ui::RecordingPrinter printer{kW, kH};
    int settingsShown = 0;
    int settingsAnswer = 0;
    ReportViewerWindow window{folder.state, printer, folder.messages, [this](QWidget*) {
                                  ++settingsShown;
                                  folder.state.settings.HelpContext = settingsAnswer;
                              }};
};

// The switch shows the compact heading (the title in bold at 0.1 W, 0.08 H) or the full one,
// dated today by the machine's clock; the report lines stay.
TEST_F(ReportViewerTest, HeadingSwitchChangesOnlyTheHeadingDatedToday) {
    folder.state.settings.PrintHeadingOff = 0;
    const QDate before = QDate::currentDate();
    window.Activate();
    const size_t lines = Texts().size();
    const std::string dated = folder.state.captions.Main(38) + " : ";
    const std::vector<DrawStep> heading = Texts(0);
    const auto shown = std::find_if(heading.begin(), heading.end(),
                                    [&](const DrawStep& s) { return s.text.starts_with(dated); });
    ASSERT_NE(shown, heading.end());
    const std::string date = shown->text.substr(dated.size());
    EXPECT_TRUE(date == before.toString("dd.MM.yyyy").toStdString() ||
                date == QDate::currentDate().toString("dd.MM.yyyy").toStdString())
        << date;

    auto& printHead = Control<QCheckBox>(window, "PrintHead");
    ASSERT_TRUE(printHead.isChecked());
    printHead.click();
    EXPECT_EQ(folder.state.settings.PrintHeadingOff, 1);
    EXPECT_TRUE(Texts(0).front().bold && Texts(0).front().x == 0.1 * kW &&
                Texts(0).front().y == 0.08 * kH);
    EXPECT_EQ(Texts().size(), lines) << "the report lines stay";
    // The setting is kept, and the next activation shows it.
    window.Activate();
    EXPECT_FALSE(printHead.isChecked());
}

// The print button opens the print settings and prints when they say so: the frame, the report
// in the printed size with only its headings bold, one page, the end of the document.
TEST_F(ReportViewerTest, PrintButtonPrintsOnlyWhenTheSettingsSayPrint) {
    window.show();
    window.Activate();
    settingsAnswer = 0;
    test::Click(window, "Command3D2_l");
    EXPECT_EQ(settingsShown, 1);
    EXPECT_TRUE(printer.Calls().empty());

    settingsAnswer = 1;
    Control(window, "Command3D2").setFocus();
    test::Key(window, Qt::Key_Space);
    EXPECT_EQ(settingsShown, 2);
    EXPECT_EQ(folder.state.settings.HelpContext, 0);
    EXPECT_TRUE(folder.messages.shown.empty()) << "a real printer needs no word about a file";
    std::vector<std::string> bold;
    std::vector<Call::Kind> kinds;
    for (const Call& call : printer.Calls()) {
        if (call.kind == Call::Kind::Text) {
            EXPECT_EQ(call.fontSize, 10) << call.text;
            EXPECT_LT(call.y, 0.9 * kH) << call.text;
            if (call.bold)
                bold.push_back(call.text);
        } else if (call.kind != Call::Kind::Line) {
            kinds.push_back(call.kind);
        }
    }
    const CaptionTables& c = folder.state.captions;
    EXPECT_EQ(bold, (std::vector{ReportTitle("GER", c), c.Main(13), c.Main(14)}));
    EXPECT_EQ(kinds, (std::vector{Call::Kind::EndPage, Call::Kind::EndDoc}));
}

std::string Squeezed(const std::string& text) {
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

// Without a system printer the page goes into a PDF beside the report, the user is told where it
// is, and its text can be searched: every printed line is found in it, in order, on one page.
TEST(ReportViewerPdf, PrintingWithoutPrinterWritesASearchablePdfAndNamesIt) {
    test::ReportFolder folder;
    const std::filesystem::path pdf = folder.temp.Path() / "ergEN1.pdf";
    ui::QtPrinter printer(pdf, ui::QtPrinter::Destination::PdfFile);
    printer.SetFontName("Arial");  // as the print settings leave it
    ReportViewerWindow window(folder.state, printer, folder.messages,
                              [&](QWidget*) { folder.state.settings.HelpContext = 1; });
    window.Activate();
    test::Click(window, "Command3D2");
    ASSERT_EQ(folder.messages.shown.size(), 1u);
    EXPECT_NE(folder.messages.shown[0].text.find(pdf.string()), std::string::npos);
    EXPECT_EQ(folder.messages.shown[0].icon, MessageIcon::Information);

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext (poppler-utils) must be installed";
    const std::string raw = pdftotext.readAllStandardOutput().toStdString();
    EXPECT_EQ(std::count(raw.begin(), raw.end(), '\f'), 1) << "one page";
    const std::string text = Squeezed(raw);
    ui::RecordingPrinter recorder(printer.PageWidth(), printer.PageHeight());
    PrintReport(folder.state, recorder, "");
    size_t from = 0;
    for (const Call& call : recorder.Calls()) {
        if (call.kind != Call::Kind::Text)
            continue;
        const size_t at = text.find(Squeezed(call.text), from);
        ASSERT_NE(at, std::string::npos) << "not found in order: " << call.text;
        from = at + 1;
    }
}

}  // namespace
}  // namespace tessaro
