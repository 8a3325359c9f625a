#include "orba/loader/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

QPixmap orbaEmblem(QSize size)
{
    QPixmap pix(size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    // The rings reach past the orb: leave them room.
    const qreal d = std::min(size.width(), size.height()) * 0.78;
    const QRectF orb((size.width() - d) / 2, (size.height() - d) / 2, d, d);

    // A soft shadow, then the orb lit from the upper left.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(orb.translated(d * 0.03, d * 0.05));
    QRadialGradient body(orb.center() - QPointF(d * 0.18, d * 0.2), d * 0.75);
    body.setColorAt(0.0, QColor(0x9f, 0xd8, 0xff));
    body.setColorAt(0.45, QColor(0x2a, 0x7f, 0xd4));
    body.setColorAt(1.0, QColor(0x0b, 0x2e, 0x66));
    p.setBrush(body);
    p.drawEllipse(orb);

    // Two orbit rings.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 110), d * 0.018));
    p.save();
    p.translate(orb.center());
    p.rotate(-18);
    p.drawEllipse(QRectF(-d * 0.62, -d * 0.16, d * 1.24, d * 0.32));
    p.rotate(36);
    p.setPen(QPen(QColor(255, 214, 90, 150), d * 0.014));
    p.drawEllipse(QRectF(-d * 0.6, -d * 0.12, d * 1.2, d * 0.24));
    p.restore();

    // The highlight.
    QRadialGradient shine(orb.topLeft() + QPointF(d * 0.32, d * 0.26), d * 0.28);
    shine.setColorAt(0.0, QColor(255, 255, 255, 170));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(orb);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(8, static_cast<int>(d * 0.22)));
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 235));
    p.drawText(orb, Qt::AlignCenter, QStringLiteral("ORBA"));
    return pix;
}
