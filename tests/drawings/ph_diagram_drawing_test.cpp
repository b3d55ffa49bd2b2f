// The diagram drawn offscreen in German and Arabic: every text inside the picture, no two texts
// overlapping, the labels of the states and the legend inside the plot, and the picture changes
// with the evaporating temperature.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "drawings/ph_diagram_drawing.h"
#include "support/started_folder.h"
#include "variants/variant_run.h"

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
    drawn.layout =
        DrawPhDiagram(painter, QRectF(QPointF(0, 0), QSizeF(size)), CycleDiagram(folder.state, f),
                      DiagramTexts(folder.state, f.refrigerant));
    return drawn;
}

TEST(PhDiagramDrawing, TextsStayInsideAndApartInGermanAndArabic) {
    for (const char* language : {"GER", "ARA"}) {
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

}  // namespace
}  // namespace tessaro
