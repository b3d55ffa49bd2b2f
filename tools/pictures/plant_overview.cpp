// The parts of a refrigeration plant on cards, joined in the order the refrigerant flows through
// them: compressor, condenser, receiver, filter drier, sight glass, solenoid valve, expansion
// valve and evaporator.
#include "tools/pictures/component_drawings.h"
#include "tools/pictures/line_art.h"
#include "tools/pictures/start_picture.h"

namespace tessaro::pictures {

namespace {

constexpr qreal kCard = 46;
constexpr qreal kStep = 58;
constexpr qreal kLeft = 11;

// The left edge of the card in column 0..4.
constexpr qreal Column(int column) {
    return kLeft + column * kStep;
}

void DrawCard(QPainter& painter, QPointF corner, Motif motif) {
    const QRectF card(corner, QSizeF(kCard, kCard));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x24, 0x32, 0x3f, 40));
    painter.drawRoundedRect(card.translated(2, 2), 5, 5);
    painter.setPen(QPen(QColor(0xa9, 0xb5, 0xc1), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, 5, 5);
    InUnitBox(painter, card.adjusted(3, 3, -3, -3),
              [motif](QPainter& unit) { DrawComponent(unit, motif); });
}

}  // namespace

void DrawPlantOverview(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / 300.0, area.height() / 200.0);
    const qreal top = 20;
    const qreal bottom = 134;
    const qreal upper = top + kCard / 2;
    const qreal lower = bottom + kCard / 2;
    const qreal width = 4;
    const qreal half = kCard / 2;
    DrawRefrigerantLine(painter, {{Column(0) + kCard, upper}, {Column(2), upper}}, HotGas(), width);
    DrawRefrigerantLine(painter, {{Column(2) + kCard, upper}, {Column(4), upper}}, Liquid(), width);
    DrawRefrigerantLine(painter, {{Column(4) + half, top + kCard}, {Column(4) + half, bottom}},
                        Liquid(), width);
    for (int column = 4; column >= 2; --column)
        DrawRefrigerantLine(painter, {{Column(column), lower}, {Column(column - 1) + kCard, lower}},
                            Liquid(), width);
    DrawRefrigerantLine(painter, {{Column(1), lower}, {Column(0) + kCard, lower}}, TwoPhase(),
                        width);
    DrawRefrigerantLine(painter, {{Column(0) + half, bottom}, {Column(0) + half, top + kCard}},
                        SuctionGas(), width);
    DrawCard(painter, {Column(0), top}, Motif::SemiHermeticCompressor);
    DrawCard(painter, {Column(2), top}, Motif::AirCooledCondenser);
    DrawCard(painter, {Column(4), top}, Motif::Receiver);
    DrawCard(painter, {Column(4), bottom}, Motif::FilterDrier);
    DrawCard(painter, {Column(3), bottom}, Motif::SightGlass);
    DrawCard(painter, {Column(2), bottom}, Motif::SolenoidValve);
    DrawCard(painter, {Column(1), bottom}, Motif::ExpansionValve);
    DrawCard(painter, {Column(0), bottom}, Motif::Evaporator);
    painter.restore();
}

}  // namespace tessaro::pictures
