#include "drawings/comparison_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace tessaro {

namespace {

// The project's bar and the variants' bars: dark and mid grey-blue, told apart in grey as well.
const QColor kProjectBar(40, 70, 120);
const QColor kVariantBar(120, 160, 210);

double BarStep(double lineHeight) {
    return lineHeight * 1.25;
}

}  // namespace

double ComparisonChartHeight(double lineHeight, int columns, int groups) {
    return groups * (lineHeight * 1.6 + columns * BarStep(lineHeight));
}

void DrawComparisonChart(QPainter& painter, const QRectF& rect, const ComparisonChartData& data) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setLayoutDirection(Qt::LeftToRight);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    double nameWidth = 0;
    for (const QString& name : data.columnNames)
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(name));
    nameWidth = std::min(nameWidth + line * 0.5, rect.width() * 0.35);
    double valueWidth = 0;
    for (const auto& group : data.groups)
        for (const QString& text : group.texts)
            valueWidth = std::max(valueWidth, metrics.horizontalAdvance(text));
    const double barLeft = rect.left() + nameWidth;
    const double barRoom = std::max(rect.right() - barLeft - valueWidth - line * 0.5, line);
    double y = rect.top();
    for (const auto& group : data.groups) {
        QFont bold = painter.font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(rect.left(), y, rect.width(), line), Qt::AlignLeft, group.title);
        bold.setBold(false);
        painter.setFont(bold);
        y += line * 1.6;
        double largest = 0;
        for (const auto& value : group.values)
            largest = std::max(largest, value ? std::abs(*value) : 0.0);
        for (size_t i = 0; i < group.values.size(); ++i) {
            const QString name =
                i < size_t(data.columnNames.size()) ? data.columnNames[int(i)] : "";
            const QString shown = metrics.elidedText(name, Qt::ElideRight, nameWidth - line * 0.5);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(rect.left(), y, nameWidth, line), Qt::AlignLeft, shown);
            const auto& value = group.values[i];
            const double length = value && largest > 0 ? std::abs(*value) / largest * barRoom : 0;
            const QRectF bar(barLeft, y + line * 0.1, length, line * 0.8);
            painter.setPen(QPen(Qt::black, 0.5));
            painter.setBrush(i == 0 ? kProjectBar : kVariantBar);
            if (length > 0)
                painter.drawRect(bar);
            const QString text = i < size_t(group.texts.size()) ? group.texts[int(i)] : "";
            painter.drawText(QRectF(bar.right() + line * 0.3, y, valueWidth + line, line),
                             Qt::AlignLeft, text);
            y += BarStep(line);
        }
    }
    painter.restore();
}

}  // namespace tessaro

namespace tessaro {

void DrawComparisonPage(QPainter& painter, const QRectF& page, const ComparisonPage& content) {
    painter.save();
    painter.setLayoutDirection(Qt::LeftToRight);
    QFont font = painter.font();
    const QFontMetricsF metrics(font);
    const double line = metrics.height() * 1.2;
    const double gap = metrics.height() * 0.6;
    // The widths the texts need: the headings, then each column.
    std::vector<double> widths(size_t(content.columnNames.size()) + 1, 0);
    for (int i = 0; i < content.columnNames.size(); ++i)
        widths[size_t(i) + 1] = metrics.horizontalAdvance(content.columnNames[i]) * 1.1;
    for (const auto& row : content.rows) {
        widths[0] = std::max(widths[0], metrics.horizontalAdvance(row.heading));
        for (int i = 0; i < row.cells.size() && size_t(i) + 1 < widths.size(); ++i) {
            const double cell = metrics.horizontalAdvance(row.cells[i]) * 1.1;
            widths[size_t(i) + 1] =
                std::max(widths[size_t(i) + 1], std::min(cell, page.width() / 3));
        }
    }
    double total = 0;
    for (double& w : widths)
        total += (w += gap);
    const double scale = std::min(1.0, page.width() / std::max(total, 1.0));
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    const double width = page.width() / scale;
    QFont title = font;
    title.setBold(true);
    title.setPointSizeF(font.pointSizeF() * 1.4);
    painter.setFont(title);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, width, line * 1.6), Qt::AlignLeft | Qt::AlignVCenter,
                     content.title);
    double y = line * 2;
    const auto drawRow = [&](const QString& heading, const QStringList& cells,
                             const std::vector<bool>& changed, bool boldAll) {
        double x = 0;
        QFont f = font;
        f.setBold(boldAll);
        painter.setFont(f);
        painter.drawText(QRectF(x, y, widths[0], line), Qt::AlignLeft | Qt::AlignVCenter, heading);
        x += widths[0];
        for (int i = 0; i < cells.size() && size_t(i) + 1 < widths.size(); ++i) {
            f.setBold(boldAll || (size_t(i) < changed.size() && changed[size_t(i)]));
            painter.setFont(f);
            const QRectF cell(x, y, widths[size_t(i) + 1] - gap, line);
            painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                             QFontMetricsF(f).elidedText(cells[i], Qt::ElideRight, cell.width()));
            x += widths[size_t(i) + 1];
        }
        y += line;
        painter.setPen(QPen(Qt::gray, 0.5));
        painter.drawLine(QPointF(0, y), QPointF(total, y));
        painter.setPen(Qt::black);
    };
    drawRow(QString(), content.columnNames, {}, true);
    for (const auto& row : content.rows)
        drawRow(row.heading, row.cells, row.changed, false);
    painter.setFont(font);
    y += line;
    const double room = page.height() / scale - y;
    const double needed = ComparisonChartHeight(
        metrics.height(), int(content.chart.columnNames.size()), int(content.chart.groups.size()));
    if (room > 0 && needed > 0) {
        // The chart shrinks to the room left on the page.
        const double shrink = std::min(1.0, room / needed);
        painter.translate(0, y);
        painter.scale(shrink, shrink);
        DrawComparisonChart(painter, QRectF(0, 0, std::min(width, total * 1.2) / shrink, needed),
                            content.chart);
    }
    painter.restore();
}

}  // namespace tessaro
