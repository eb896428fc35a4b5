#include "emblems.h"

#include "brush.h"
#include "mask.h"
#include "wordmark.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

QImage canvas(QSize logical, qreal scale)
{
    QImage img(logical * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

struct Metal
{
    QColor light, mid, dark, digit, ribbon;
};

Metal metalFor(int rank)
{
    switch (rank) {
    case 1:
        return {QColor(255, 248, 190), QColor(236, 184, 40), QColor(138, 96, 8), QColor(84, 50, 0), QColor(200, 40, 40)};
    case 2:
        return {QColor(255, 255, 255), QColor(190, 198, 210), QColor(104, 112, 126), QColor(34, 40, 52), QColor(50, 90, 200)};
    case 3:
        return {QColor(255, 222, 186), QColor(200, 126, 62), QColor(112, 60, 20), QColor(58, 24, 0), QColor(40, 140, 70)};
    default:
        return {QColor(96, 170, 110), QColor(34, 92, 48), QColor(12, 40, 20), QColor(236, 255, 232), QColor()};
    }
}

QPainterPath digitPath(int rank, const QRectF &box)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(100);
    f.setHintingPreference(QFont::PreferNoHinting);
    const QPainterPath glyph = textPath(QString::number(rank), f);
    // Fit by the height of a digit so every rank shows the same size.
    QRectF ink = glyph.boundingRect();
    const QRectF tall = textPath(QStringLiteral("8"), f).boundingRect();
    ink.setTop(tall.top());
    ink.setBottom(tall.bottom());
    return fitInto(ink, box).map(glyph);
}

} // namespace

QImage drawMedal(int rank, QSize logical, qreal scale)
{
    QImage img = canvas(logical, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    const Metal m = metalFor(rank);
    const bool prize = rank <= 3;
    const qreal r = prize ? 9.0 : 9.5;
    const QPointF c(logical.width() / 2.0, prize ? 10.0 : logical.height() / 2.0);

    if (prize) {
        // Two ribbon tails peeking out below the disc.
        p.setPen(QPen(QColor(0, 0, 0, 200), 0.8));
        for (int side : {-1, 1}) {
            QPainterPath tail;
            tail.moveTo(c.x() + side * 2.0, c.y() + 4);
            tail.lineTo(c.x() + side * 7.5, c.y() + 4);
            tail.lineTo(c.x() + side * 8.5, c.y() + 12.4);
            tail.lineTo(c.x() + side * 6.0, c.y() + 10.6);
            tail.lineTo(c.x() + side * 3.5, c.y() + 12.4);
            tail.closeSubpath();
            p.setBrush(side < 0 ? m.ribbon : m.ribbon.darker(130));
            p.drawPath(tail);
        }
    }

    QRadialGradient disc(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    disc.setColorAt(0, m.light);
    disc.setColorAt(0.45, m.mid);
    disc.setColorAt(1, m.dark);
    p.setPen(QPen(QColor(0, 0, 0, 210), 1.0));
    p.setBrush(disc);
    p.drawEllipse(c, r, r);
    // A raised rim: light on the upper left, shade on the lower right.
    QLinearGradient rimGrad(c - QPointF(r, r), c + QPointF(r, r));
    rimGrad.setColorAt(0, QColor(255, 255, 255, prize ? 200 : 150));
    rimGrad.setColorAt(1, QColor(0, 0, 0, 120));
    p.setPen(QPen(QBrush(rimGrad), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 1.3, r - 1.3);

    const qreal h = r * 1.15;
    const QPainterPath digit = digitPath(rank, QRectF(c.x() - h / 2, c.y() - h / 2, h, h));
    // Struck into the metal: a light edge below, the digit itself darker.
    p.setPen(Qt::NoPen);
    if (prize) {
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawPath(digit.translated(0.4, 0.6));
    } else {
        p.setBrush(QColor(0, 0, 0, 200));
        p.drawPath(digit.translated(0.5, 0.7));
    }
    p.setBrush(m.digit);
    p.drawPath(digit);
    return img;
}

QImage drawClose(QSize logical, qreal scale)
{
    const qreal w = logical.width(), h = logical.height();
    QPainterPath cross;
    // Ends on pixel centres keep the arms as sharp as diagonals get.
    const qreal a = std::round(w * 0.28) + 0.5, b = w - a;
    const qreal c = std::round(h * 0.28) + 0.5, d = h - c;
    cross.moveTo(a, c);
    cross.lineTo(b, d);
    cross.moveTo(b, c);
    cross.lineTo(a, d);
    QPainterPathStroker stroker;
    stroker.setWidth(w * 0.17);
    stroker.setCapStyle(Qt::RoundCap);
    Figure f;
    f.add(stroker.createStroke(cross).simplified());

    Ink ink;
    ink.rim = QColor(255, 250, 244, 235);
    ink.rimWidth = 1.0;
    ink.top = QColor(214, 58, 50);
    ink.bottom = QColor(120, 14, 14);
    ink.gloss = QColor(255, 200, 190, 110);
    ink.glossDepth = 0.8;
    return inkFigure(f, ink, logical, scale);
}

QImage drawIcon(QSize logical, qreal scale)
{
    const qreal s = logical.width();
    QImage img = canvas(logical, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Dark rounded tile, as black as the game's screens but with a hint of
    // green so it still stands out on a dark desktop.
    {
        p.save();
        p.scale(scale, scale);
        const qreal edge = std::max(1.0, s / 32);
        const QRectF tile = QRectF(0, 0, s, s).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
        QLinearGradient g(0, 0, 0, s);
        g.setColorAt(0, QColor(34, 60, 40));
        g.setColorAt(1, QColor(4, 10, 6));
        p.setPen(QPen(QColor(70, 160, 90), edge));
        p.setBrush(g);
        p.drawRoundedRect(tile, s * 0.18, s * 0.18);
        p.restore();
    }

    const bool tiny = s < 24;
    const qreal weight = tiny ? 1.9 : s <= 32 ? 1.55 : 1.3;
    const QRectF room = tiny ? QRectF(s * 0.1, s * 0.06, s * 0.8, s * 0.88) : QRectF(s * 0.12, s * 0.1, s * 0.62, s * 0.8);
    const Wordmark P = brushP(room, weight);

    Ink ink;
    ink.rim = QColor(0, 16, 4, 230);
    ink.rimWidth = std::max(0.7, s / 40);
    ink.top = QColor(214, 255, 170);
    ink.bottom = QColor(40, 170, 70);
    ink.gloss = QColor(255, 255, 240, 150);
    ink.glossDepth = std::max(0.6, s / 28);
    p.drawImage(0, 0, inkFigure(P.body, ink, logical, scale, tiny ? nullptr : &P.dry));

    if (!tiny) {
        // A gold spark: the flash in flash arithmetic.
        p.scale(scale, scale);
        const QPointF c(s * 0.76, s * 0.26);
        const qreal a = s * 0.17, b = s * 0.045;
        QPainterPath star;
        star.moveTo(c + QPointF(0, -a));
        star.quadTo(c + QPointF(b, -b), c + QPointF(a, 0));
        star.quadTo(c + QPointF(b, b), c + QPointF(0, a));
        star.quadTo(c + QPointF(-b, b), c + QPointF(-a, 0));
        star.quadTo(c + QPointF(-b, -b), c + QPointF(0, -a));
        QRadialGradient glow(c, a);
        glow.setColorAt(0, QColor(255, 255, 230));
        glow.setColorAt(1, QColor(250, 200, 60));
        p.setPen(QPen(QColor(60, 40, 0, 220), std::max(0.6, s / 64)));
        p.setBrush(glow);
        p.drawPath(star);
    }
    return img;
}

QImage drawHand(QSize logical, qreal scale)
{
    QImage img = canvas(logical, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    // Built on half-pixel lines so the one-pixel outline stays sharp at 1x
    // and lands on whole pixels at 2x. The index finger is 6 wide and
    // centred on x = 12.5, so its tip covers pixel (12, 1).
    QPainterPath hand;
    auto blob = [&](const QRectF &r, qreal round) {
        QPainterPath part;
        part.addRoundedRect(r, round, round);
        hand = hand.united(part);
    };
    blob(QRectF(9.5, 1.5, 6, 20), 3); // index finger
    blob(QRectF(15.5, 10.5, 5, 10), 2.5); // folded middle finger
    blob(QRectF(20.5, 11.5, 5, 10), 2.5); // ring finger
    blob(QRectF(25.5, 13.5, 4, 9), 2); // little finger
    blob(QRectF(9.5, 16.5, 20, 10), 3.5); // palm
    {
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(2.5, 18, 10, 4.5), 2.25, 2.25);
        QTransform t;
        t.translate(11, 21);
        t.rotate(40);
        t.translate(-11, -21);
        hand = hand.united(t.map(thumb));
    }

    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);

    // Creases between the folded fingers.
    p.drawLine(QPointF(15.5, 13.5), QPointF(15.5, 16.5));
    p.drawLine(QPointF(20.5, 13.5), QPointF(20.5, 16.5));
    p.drawLine(QPointF(25.5, 15.5), QPointF(25.5, 18.5));

    // Shirt cuff.
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(11.5, 26.5, 16, 4));
    return img;
}
