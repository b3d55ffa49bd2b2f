// The diagram drawn offscreen in German and Arabic: every text inside the picture, no two texts
// overlapping, the labels of the states and the legend inside the plot, and the picture changes
// with the evaporating temperature.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "drawings/ph_diagram_drawing.h"
#include "drawings/ph_diagram_view.h"
#include "project/form/ph_diagram_window.h"
#include "project/form/project_form_window.h"
#include "results/report_printing.h"
#include "support/started_folder.h"
#include "support/window_helpers.h"
#include "ui/qt_printer.h"
#include "ui/recording_printer.h"
#include "variants/comparison_window.h"
#include "variants/variant_run.h"
#include "variants/variants_file.h"

namespace tessaro {
namespace {

struct Drawn {
    QImage image;
    PhDiagramLayout layout;
};

Drawn Draw(test::StartedFolder& folder, const Variant& variant, QSize size) {
    FormHost host;
    ProjectForm form(folder.state, folder.messages, host);
    form.Load();
    const VariantFigures f = ComputeVariant(form, variant);
    Drawn drawn{QImage(size, QImage::Format_RGB32), {}};
    drawn.image.fill(Qt::white);
    QPainter painter(&drawn.image);
    // The font of the picture files, at their size and at half of it.
    QFont font("DejaVu Sans");
    font.setPixelSize(size.width() >= 1000 ? 15 : 10);
    painter.setFont(font);
    drawn.layout =
        DrawPhDiagram(painter, QRectF(QPointF(0, 0), QSizeF(size)), CycleDiagram(folder.state, f),
                      DiagramTexts(folder.state, f.refrigerant));
    return drawn;
}

TEST(PhDiagramDrawing, TextsStayInsideAndApartInGermanEnglishAndArabic) {
    for (const char* language : {"GER", "ENG", "ARA"}) {
        for (QSize size : {QSize(1000, 700), QSize(520, 380)}) {
            test::StartedFolder folder(language, language[0] == 'G' ? ',' : '.');
            for (const char* refrigerant : {"R22", "R404A", "PROPAN"}) {
                SCOPED_TRACE(std::string(language) + " " + refrigerant + " " +
                             std::to_string(size.width()));
                const Drawn d = Draw(folder, {"", refrigerant, {}, 0}, size);
                const QRectF picture(QPointF(0, 0), QSizeF(size));
                const auto& texts = d.layout.texts;
                ASSERT_GE(texts.size(), 12u) << "title, ticks, axes, legend and states";
                for (size_t i = 0; i < texts.size(); ++i) {
                    EXPECT_TRUE(picture.contains(texts[i]));
                    for (size_t j = i + 1; j < texts.size(); ++j)
                        EXPECT_FALSE(texts[i].intersects(texts[j])) << i << " and " << j;
                }
                // The four states' labels and the three legend lines lie inside the plot.
                const auto inside = std::count_if(texts.begin(), texts.end(), [&](const QRectF& r) {
                    return d.layout.plot.contains(r);
                });
                EXPECT_GE(inside, 7);
                // Nothing crosses the plot's frame: a text lies wholly inside or outside it.
                for (const QRectF& r : texts) {
                    EXPECT_TRUE(d.layout.plot.contains(r) || !d.layout.plot.intersects(r))
                        << r.x() << "," << r.y();
                }
            }
        }
    }
}

TEST(PhDiagramDrawing, ThePictureFollowsTheEvaporatingTemperature) {
    test::StartedFolder folder;
    const Drawn before = Draw(folder, {}, QSize(600, 420));
    const Drawn after = Draw(folder, {"", "", {{"t0", 0, "-20"}}, 0}, QSize(600, 420));
    const Drawn again = Draw(folder, {}, QSize(600, 420));
    EXPECT_NE(before.image, after.image);
    EXPECT_EQ(before.image, again.image);
}

// The report printed with the diagram as its second page: the report's page ends, the drawing
// follows on a page of its own, then the document ends; into a PDF, two pages.
TEST(PhDiagramPage, PrintsAfterTheReportsOwnPage) {
    test::ReportFolder folder;
    FormHost host;
    ProjectForm form(folder.state, folder.messages, host);
    form.Load();
    const auto page = [&](QPainter& painter, const QRectF& paper) {
        DrawProjectDiagramPage(painter, paper, form);
    };
    ui::RecordingPrinter printer(11906, 16838);
    PrintReport(folder.state, printer, "", page);
    std::vector<ui::RecordingPrinter::Call::Kind> ends;
    for (const auto& call : printer.Calls())
        if (call.kind != ui::RecordingPrinter::Call::Kind::Text &&
            call.kind != ui::RecordingPrinter::Call::Kind::Line)
            ends.push_back(call.kind);
    using Kind = ui::RecordingPrinter::Call::Kind;
    EXPECT_EQ(ends, (std::vector<Kind>{Kind::EndPage, Kind::Drawing, Kind::EndPage, Kind::EndDoc}));
    ASSERT_EQ(printer.Drawings().size(), 1u);
    const QImage& drawn = printer.Drawings()[0];
    EXPECT_NE(drawn, QImage(drawn.size(), drawn.format()).copy()) << "something was drawn";
    // The same on paper: a PDF of two pages.
    const std::filesystem::path pdf = folder.temp.Path() / "ergEN1.pdf";
    {
        ui::QtPrinter paper(pdf, ui::QtPrinter::Destination::PdfFile);
        PrintReport(folder.state, paper, "", page);
    }
    const std::string bytes = folder.temp.Read("ergEN1.pdf");
    EXPECT_NE(bytes.find("/Count 2"), std::string::npos);
}

// The comparison's diagram: the project's cycle with the current variant's over it, following
// the column the user is on.
TEST(PhDiagramPage, TheComparisonLaysTheCurrentVariantOverTheProject) {
    test::StartedFolder folder("ENG");
    WriteVariantsFile(folder.state.dir, {{}, {{"Floating", "", {{"RGart", 5, ""}}, 0}}});
    FormHost host;
    ProjectForm form(folder.state, folder.messages, host);
    form.Load();
    ComparisonWindow window(form, folder.state.dir, folder.messages, nullptr);
    window.show();
    auto& button = test::Control(window, "Diagram");
    button.setFocus();
    test::Key(window, Qt::Key_Space);
    auto& view = test::Control<PhDiagramView>(window, "PhDiagram");
    ASSERT_TRUE(view.isVisible());
    EXPECT_TRUE(view.Diagram().cycle.has_value());
    test::Control<QTableWidget>(window, "ComparisonTable").setCurrentCell(0, 1);
    QImage with(view.size(), QImage::Format_RGB32);
    view.render(&with);
    test::Control<QTableWidget>(window, "ComparisonTable").setCurrentCell(0, 0);
    QImage without(view.size(), QImage::Format_RGB32);
    view.render(&without);
    EXPECT_NE(with, without) << "the variant's cycle is drawn over the project's";
}

// The form's diagram button opens the diagram beside the form, which follows an entry at once.
TEST(PhDiagramPage, TheFormsDiagramFollowsEveryRecalculation) {
    test::StartedFolder folder;
    ProjectFormWindow form(folder.state, folder.messages, ProjectFormHooks{});
    form.show();
    auto& button = test::Control(form, "Diagrammbutt");
    button.setFocus();
    test::Key(form, Qt::Key_Space);
    ASSERT_NE(form.Diagram(), nullptr);
    const auto& view = test::Control<PhDiagramView>(*form.Diagram(), "PhDiagram");
    EXPECT_NEAR(view.Diagram().t0, -10, 1e-9);
    auto& t0 = test::Control<QLineEdit>(form, "t0");
    t0.setFocus();
    t0.selectAll();
    QTest::keyClicks(&t0, "-20");
    QTest::keyClick(&t0, Qt::Key_Return);
    EXPECT_NEAR(view.Diagram().t0, -20, 1e-9);
}

}  // namespace
}  // namespace tessaro
