#include "orba/runner/QuizArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

QPixmap disc(int side, const QColor& fill)
{
    QPixmap pix(side, side);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(140), side * 0.06));
    p.setBrush(fill);
    const qreal m = side * 0.06;
    p.drawEllipse(QRectF(m, m, side - 2 * m, side - 2 * m));
    return pix;
}

} // namespace

QPixmap shouldBeCheckedMark(int side)
{
    QPixmap pix = disc(side, QColor(0x1e, 0x9e, 0x3a));
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, side * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(side * 0.27, side * 0.52);
    tick.lineTo(side * 0.44, side * 0.69);
    tick.lineTo(side * 0.74, side * 0.33);
    p.drawPath(tick);
    return pix;
}

QPixmap shouldBeUncheckedMark(int side)
{
    QPixmap pix = disc(side, QColor(0xd3, 0x2f, 0x2f));
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, side * 0.13, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(side * 0.32, side * 0.32), QPointF(side * 0.68, side * 0.68));
    p.drawLine(QPointF(side * 0.68, side * 0.32), QPointF(side * 0.32, side * 0.68));
    return pix;
}

QIcon stepArrowIcon(StepArrow arrow, int side)
{
    QIcon icon;
    for (const bool enabled : {true, false}) {
        QPixmap pix(side, side);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(enabled ? QColor(0x1f, 0x4e, 0x8c) : QColor(0xa8, 0xa8, 0xa8));
        const bool forward = arrow == StepArrow::Next || arrow == StepArrow::Last;
        const bool toEnd = arrow == StepArrow::First || arrow == StepArrow::Last;
        // Drawn pointing right, mirrored for the backward arrows.
        if (!forward) {
            p.translate(side, 0);
            p.scale(-1, 1);
        }
        const qreal top = side * 0.2;
        const qreal bottom = side * 0.8;
        const qreal left = toEnd ? side * 0.18 : side * 0.28;
        const qreal tip = toEnd ? side * 0.68 : side * 0.76;
        QPolygonF triangle{QPointF(left, top), QPointF(tip, side * 0.5), QPointF(left, bottom)};
        p.drawPolygon(triangle);
        if (toEnd)
            p.drawRect(QRectF(side * 0.7, top, side * 0.12, bottom - top));
        p.end();
        icon.addPixmap(pix, enabled ? QIcon::Normal : QIcon::Disabled);
    }
    return icon;
}
