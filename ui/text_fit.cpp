#include "ui/text_fit.h"

#include <QFontMetrics>
#include <QLabel>

namespace tessaro::ui {

namespace {

constexpr const char* kOwnSize = "ownPointSize";

bool Fits(const QLabel& label, const QFont& font) {
    const QRect inside = label.contentsRect();
    const QFontMetrics metrics(font);
    const QString text = label.text();
    if (label.wordWrap()) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, inside.width(), 100000), Qt::TextWordWrap, text);
        return needed.width() <= inside.width() && needed.height() <= inside.height();
    }
    return metrics.horizontalAdvance(text) <= inside.width() && metrics.height() <= inside.height();
}

}  // namespace

void FitTextInto(QLabel& label, double smallest) {
    QFont font = label.font();
    if (!label.property(kOwnSize).isValid())
        label.setProperty(kOwnSize, font.pointSizeF());
    const double own = label.property(kOwnSize).toDouble();
    if (own <= 0 || label.text().isEmpty())
        return;
    double size = own;
    font.setPointSizeF(size);
    while (!Fits(label, font) && size * 0.95 >= own * smallest) {
        size *= 0.95;
        font.setPointSizeF(size);
    }
    label.setFont(font);
}

}  // namespace tessaro::ui
