#include "results/report_fonts.h"

#include <QImage>
#include <algorithm>

namespace tessaro {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr double kInchesPerMetre = 1 / 0.0254;

// A surface of 1440 dots per inch: text measured on it comes out in twips.
const QImage& TwipSurface() {
    static const QImage surface = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = static_cast<int>(kTwipsPerInch * kInchesPerMetre + 0.5);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return surface;
}

}  // namespace

QFont ReportFont(const std::string& fontName, double points, bool bold) {
    QFont font(QString::fromStdString(fontName));
    font.setPointSizeF(points > 0 ? points : 1);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double TextWidth(const QFontMetricsF& metrics, const QString& text) {
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right());
}

TextExtent MeasurePrintedText(std::string_view text, const std::string& fontName, double points,
                              bool bold) {
    const QFontMetricsF metrics(ReportFont(fontName, points, bold), &TwipSurface());
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {TextWidth(metrics, shown), metrics.ascent() + metrics.descent()};
}

}  // namespace tessaro
