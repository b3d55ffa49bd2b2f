#include "drawings/ph_diagram_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "shell/shell_state.h"

namespace tessaro {

namespace {

const QColor kDome(30, 30, 30);
const QColor kGrid(215, 215, 215);
const QColor kIsotherm(130, 130, 130);
const QColor kCycle(170, 30, 30);
const QColor kOverlay(30, 70, 160);

QString Number(double value, int decimals, char separator) {
    QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero is shown without a sign.
    if (text.startsWith('-') && text.toDouble() == 0)
        text.remove(0, 1);
    if (separator == ',')
        text.replace('.', ',');
    return text;
}

// The pressure as a label: two significant digits below 10 bar, whole bars above.
QString Pressure(double p, char separator) {
    return Number(p, p < 1 ? 2 : p < 10 ? 1 : 0, separator);
}

class Plotter {
  public:
    Plotter(QPainter& painter, const QRectF& plot, const PhDiagram& d)
        : painter_(painter), plot_(plot), d_(d) {}

    QPointF At(double h, double p) const {
        const double x = (h - d_.hMin) / (d_.hMax - d_.hMin);
        const double y =
            (std::log(p) - std::log(d_.pMin)) / (std::log(d_.pMax) - std::log(d_.pMin));
        return {plot_.left() + x * plot_.width(), plot_.bottom() - y * plot_.height()};
    }
    QPointF At(const PhState& s) const { return At(s.h, s.p); }

    void Line(const std::vector<PhState>& states) const {
        QPainterPath path;
        for (size_t i = 0; i < states.size(); ++i) {
            if (i == 0)
                path.moveTo(At(states[i]));
            else
                path.lineTo(At(states[i]));
        }
        painter_.drawPath(path);
    }

  private:
    QPainter& painter_;
    QRectF plot_;
    const PhDiagram& d_;
};

// Texts placed so that none overlaps another: Place tries the positions given in turn.
class TextPlacer {
  public:
    TextPlacer(QPainter& painter, const QRectF& inside) : painter_(painter), inside_(inside) {}

    bool Free(const QRectF& r) const {
        if (!inside_.contains(r))
            return false;
        for (const QRectF& t : taken_)
            if (t.intersects(r))
                return false;
        return true;
    }
    void Take(const QRectF& r) { taken_.push_back(r); }

    // Draws text at the first of the candidate top-left corners where it is free (and inside
    // within, when given); false when none is.
    bool Place(const QString& text, const std::vector<QPointF>& corners,
               const QRectF* within = nullptr) {
        const QFontMetricsF m(painter_.font());
        const QSizeF size(m.horizontalAdvance(text) + 2, m.height());
        for (const QPointF& corner : corners) {
            const QRectF r(corner, size);
            if (Free(r) && (within == nullptr || within->contains(r))) {
                painter_.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
                Take(r);
                return true;
            }
        }
        return false;
    }
    const std::vector<QRectF>& Taken() const { return taken_; }

  private:
    QPainter& painter_;
    QRectF inside_;
    std::vector<QRectF> taken_;
};

void DrawCycle(QPainter& painter, const Plotter& at, const std::array<PhState, 4>& c, QColor colour,
               bool dashed, double width) {
    QPen pen(colour, width);
    if (dashed)
        pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath path(at.At(c[0]));
    for (int i : {1, 2, 3, 0})
        path.lineTo(at.At(c[size_t(i)]));
    painter.drawPath(path);
    painter.setBrush(colour);
    for (const PhState& s : c)
        painter.drawEllipse(at.At(s), width * 1.6, width * 1.6);
}

}  // namespace

PhDiagramLayout DrawPhDiagram(QPainter& painter, const QRectF& rect, const PhDiagram& d,
                              const PhDiagramTexts& texts, const PhDiagram* overlay) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setLayoutDirection(Qt::LeftToRight);
    const char sep = texts.decimalSeparator;
    QFont font = painter.font();
    const QFontMetricsF m(font);
    const double line = m.height();
    const double thin = std::max(1.0, line / 14);
    PhDiagramLayout layout;
    TextPlacer placer(painter, rect);

    // The title, then the plot with room for the ticks and the axis titles.
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    QString title = texts.title;
    if (!texts.refrigerant.isEmpty())
        title += " - " + texts.refrigerant;
    placer.Place(title, {rect.topLeft()});
    painter.setFont(font);
    double tickWidth = 0;
    for (double p : d.pTicks)
        tickWidth = std::max(tickWidth, m.horizontalAdvance(Pressure(p, sep)));
    const QRectF plot(rect.left() + line * 1.6 + tickWidth + line * 0.4, rect.top() + line * 1.8, 0,
                      0);
    layout.plot =
        QRectF(plot.topLeft(), QPointF(rect.right() - line * 0.5, rect.bottom() - line * 2.8));
    const QRectF& area = layout.plot;
    if (area.width() <= line || area.height() <= line) {
        painter.restore();
        layout.texts = placer.Taken();
        return layout;
    }
    const Plotter at(painter, area, d);

    // Grid, ticks and axis titles.
    painter.setPen(QPen(kGrid, thin));
    for (double p : d.pTicks)
        painter.drawLine(at.At(d.hMin, p), at.At(d.hMax, p));
    for (double h : d.hTicks)
        painter.drawLine(at.At(h, d.pMin), at.At(h, d.pMax));
    painter.setPen(QPen(Qt::black, thin));
    painter.drawRect(area);
    for (double p : d.pTicks) {
        const QString text = Pressure(p, sep);
        const QPointF y = at.At(d.hMin, p);
        const double w = m.horizontalAdvance(text) + 2;
        placer.Place(text, {QPointF(area.left() - w - line * 0.3, y.y() - line / 2)});
    }
    for (double h : d.hTicks) {
        const QString text = Number(h, 0, sep);
        const QPointF x = at.At(h, d.pMin);
        const double w = m.horizontalAdvance(text) + 2;
        placer.Place(text, {QPointF(x.x() - w / 2, area.bottom() + line * 0.2)});
    }
    const double hTitleWidth = m.horizontalAdvance(texts.enthalpyAxis) + 2;
    placer.Place(texts.enthalpyAxis,
                 {QPointF(area.center().x() - hTitleWidth / 2, area.bottom() + line * 1.4)});
    // The pressure axis title runs upwards along the left edge.
    const double pTitleWidth = m.horizontalAdvance(texts.pressureAxis) + 2;
    const QRectF pTitle(rect.left(), area.center().y() - pTitleWidth / 2, line, pTitleWidth);
    if (placer.Free(pTitle)) {
        painter.save();
        painter.translate(pTitle.left(), pTitle.bottom());
        painter.rotate(-90);
        painter.drawText(QRectF(0, 0, pTitleWidth, line), Qt::AlignCenter, texts.pressureAxis);
        painter.restore();
        placer.Take(pTitle);
    }

    painter.save();
    painter.setClipRect(area);
    // The isotherms, then the dome over them.
    QPen iso(kIsotherm, thin);
    iso.setStyle(Qt::DotLine);
    painter.setPen(iso);
    for (const auto& pair : d.isotherms)
        painter.drawLine(at.At(pair[0]), at.At(pair[1]));
    painter.setPen(QPen(kDome, thin * 1.6));
    at.Line(d.bubbleLine);
    at.Line(d.dewLine);
    if (d.cycle)
        DrawCycle(painter, at, *d.cycle, kCycle, false, thin * 2.4);
    if (overlay != nullptr && overlay->cycle)
        DrawCycle(painter, at, *overlay->cycle, kOverlay, true, thin * 2);
    painter.restore();

    // The legend in the upper left of the plot, where the subcooled liquid lies.
    painter.setPen(Qt::black);
    const QPointF legend = area.topLeft() + QPointF(line * 0.4, line * 0.3);
    QStringList legendLines;
    if (d.cycle) {
        legendLines << texts.evaporating + ": " + Number(d.t0, 1, sep) + " \u00B0C";
        legendLines << texts.condensing + ": " + Number(d.tc, 1, sep) + " \u00B0C";
        legendLines << "COP: " + Number(d.cop, 2, sep);
        if (overlay != nullptr && overlay->cycle && !texts.overlayName.isEmpty())
            legendLines << "- - " + texts.overlayName + " (COP " + Number(overlay->cop, 2, sep) +
                               ")";
    } else {
        legendLines << texts.noCycle;
    }
    for (int i = 0; i < legendLines.size(); ++i)
        placer.Place(legendLines[i], {legend + QPointF(0, i * line * 1.1)}, &area);

    // The states of the cycle: number, temperature and pressure, on a free side of the point.
    if (d.cycle) {
        painter.setPen(kCycle);
        for (size_t i = 0; i < 4; ++i) {
            const PhState& s = d.cycle->at(i);
            const QString text = QString::number(i + 1) + ": " + Number(s.t, 1, sep) +
                                 " \u00B0C, " + Pressure(s.p, sep) + " bar";
            const double w = m.horizontalAdvance(text) + 2;
            const QPointF p = at.At(s);
            const double gap = line * 0.4;
            const QPointF right(p.x() + gap, p.y() - line / 2);
            const QPointF left(p.x() - gap - w, p.y() - line / 2);
            const QPointF above(p.x() - w / 2, p.y() - gap - line);
            const QPointF below(p.x() - w / 2, p.y() + gap);
            // Outside the cycle first: 1 and 2 to the right, 3 and 4 to the left; then beside
            // the corner, away from the lines that meet there.
            const bool upper = i == 1 || i == 2;
            const QPointF diagonal(i >= 2 ? p.x() - gap - w : p.x() - w - gap,
                                   upper ? p.y() - gap - line : p.y() + gap);
            const QPointF outward(i >= 2 ? p.x() - gap - w : p.x() + gap,
                                  upper ? p.y() - gap - line : p.y() + gap);
            std::vector<QPointF> tries = i >= 2 ? std::vector<QPointF>{left, outward, diagonal}
                                                : std::vector<QPointF>{right, outward, diagonal};
            tries.push_back(upper ? above : below);
            tries.push_back(i >= 2 ? right : left);
            placer.Place(text, tries, &area);
        }
    }
    // The isotherms' temperatures above their middle, where the text is free.
    painter.setPen(kIsotherm);
    for (const auto& pair : d.isotherms) {
        const QPointF a = at.At(pair[0]), b = at.At(pair[1]);
        const QString text = Number(pair[0].t, 0, sep) + " \u00B0C";
        const double w = m.horizontalAdvance(text) + 2;
        const QPointF middle = (a + b) / 2;
        if (area.contains(middle))
            placer.Place(text, {QPointF(middle.x() - w / 2, middle.y() - line * 1.05)}, &area);
    }
    painter.restore();
    layout.texts = placer.Taken();
    return layout;
}

void DrawPhDiagramPage(QPainter& painter, const QRectF& paper, const PhDiagram& diagram,
                       const PhDiagramTexts& texts) {
    const double margin = std::min(paper.width(), paper.height()) / 10;
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(6, static_cast<int>(paper.height() / 80)));
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawPhDiagram(painter, paper.adjusted(margin, margin, -margin, -margin * 1.5), diagram, texts);
}

PhDiagramTexts DiagramTexts(const ShellState& state, const std::string& refrigerant) {
    const CaptionTables& c = state.captions;
    PhDiagramTexts texts;
    texts.title = QString::fromStdString(c.Program(113));
    texts.pressureAxis = QString::fromStdString(c.Program(114));
    texts.enthalpyAxis = QString::fromStdString(c.Program(115));
    texts.evaporating = QString::fromStdString(c.Program(116));
    texts.condensing = QString::fromStdString(c.Program(117));
    texts.noCycle = QString::fromStdString(c.Program(118));
    texts.refrigerant = QString::fromStdString(refrigerant);
    texts.decimalSeparator = state.decimalSeparator;
    return texts;
}

}  // namespace tessaro
