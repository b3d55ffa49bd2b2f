#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QPainter;
class QRectF;

namespace tessaro {

// What the comparison's bar chart shows: for each figure (running cost, CO2, TEWI) a group of
// horizontal bars, one per column of the comparison, in the order of the columns.
struct ComparisonChartData {
    struct Group {
        QString title;
        std::vector<std::optional<double>> values;  // nothing: no bar, a dash
        QStringList texts;                          // the value as the table shows it
    };
    QStringList columnNames;
    std::vector<Group> groups;
};

// Draws the chart into rect: each group under its title, a bar per column with the column's name
// at the left and the value at the bar's end, the project's bar dark, the variants' lighter, each
// group scaled to its largest value. Readable in grey-scale print. Right-to-left painters (Arabic)
// are not mirrored: numbers and bars read left to right.
void DrawComparisonChart(QPainter& painter, const QRectF& rect, const ComparisonChartData& data);

// The height the chart needs at a font's line height, for a given number of columns and groups.
double ComparisonChartHeight(double lineHeight, int columns, int groups);

}  // namespace tessaro

namespace tessaro {

// A page of the comparison for the printer: the title, the table (a heading row, then a row per
// figure; cells marked as changed are drawn bold) and under it the chart, all scaled down to the
// page's width where the table is wider.
struct ComparisonPage {
    QString title;
    QStringList columnNames;
    struct Row {
        QString heading;
        QStringList cells;
        std::vector<bool> changed;
    };
    std::vector<Row> rows;
    ComparisonChartData chart;
};

void DrawComparisonPage(QPainter& painter, const QRectF& page, const ComparisonPage& content);

}  // namespace tessaro
