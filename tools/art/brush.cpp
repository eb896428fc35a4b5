#include "brush.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// Dabs close enough that their scallops stay far below a pixel at 2x.
constexpr qreal kSpacing = 0.2;

qreal smoothstep(qreal a, qreal b, qreal x)
{
    const qreal t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QPointF unit(QPointF v)
{
    const qreal len = std::hypot(v.x(), v.y());
    return len > 1e-9 ? v / len : QPointF(1, 0);
}

QPointF tangentAt(const QPainterPath &spine, qreal t)
{
    const qreal h = 0.002;
    return unit(spine.pointAtPercent(std::min(1.0, t + h)) - spine.pointAtPercent(std::max(0.0, t - h)));
}

// Width of the stroke at `t` as a share of the nib's widest dab.
qreal pressure(const Nib &nib, qreal t, QPointF dir)
{
    const qreal landing = 0.55 + 0.45 * smoothstep(0, nib.press, t);
    // A brush is pressed down a moment on landing and leaves a small blob.
    const qreal blob = 1 + 0.12 * std::exp(-std::pow((t - nib.press) / nib.press, 2));
    const qreal lifting = 1 - (1 - nib.tail) * smoothstep(1 - nib.lift, 1, t);
    const qreal down = (1 - nib.heavyDown) + nib.heavyDown * std::max(0.0, dir.y());
    return landing * blob * lifting * down;
}

// How thick a dab of width `w` is across the direction of travel.
qreal across(const Nib &nib, qreal w, QPointF dir)
{
    const qreal a = qDegreesToRadians(nib.angle);
    const QPointF u(std::cos(a), std::sin(a));
    const QPointF v(-u.y(), u.x());
    const QPointF n(-dir.y(), dir.x());
    const qreal nu = n.x() * u.x() + n.y() * u.y();
    const qreal nv = n.x() * v.x() + n.y() * v.y();
    return 2 * std::hypot(w / 2 * nu, w * nib.aspect / 2 * nv);
}

QPainterPath dab(QPointF at, qreal w, qreal h, qreal angle)
{
    QPainterPath e;
    e.addEllipse(QPointF(0, 0), w / 2, h / 2);
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(angle);
    return t.map(e);
}

} // namespace

Figure brushStroke(const QPainterPath &spine, const Nib &nib)
{
    Figure f;
    const qreal len = spine.length();
    const int n = std::max(2, int(std::ceil(len / kSpacing)));
    for (int i = 0; i <= n; ++i) {
        const qreal t = qreal(i) / n;
        const qreal w = nib.width * pressure(nib, t, tangentAt(spine, t));
        f.add(dab(spine.pointAtPercent(t), w, w * nib.aspect, nib.angle));
    }
    return f;
}

Figure dryStreaks(const QPainterPath &spine, const Nib &nib, unsigned seed, int hairs)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<qreal> side(-0.32, 0.32);
    std::uniform_real_distribution<qreal> start(0.45, 0.8);
    std::uniform_real_distribution<qreal> fine(0.05, 0.09);

    Figure f;
    const qreal len = spine.length();
    const int n = std::max(2, int(std::ceil(len / kSpacing)));
    for (int h = 0; h < hairs; ++h) {
        const qreal offset = side(rng);
        const qreal from = start(rng);
        const qreal thin = fine(rng);
        for (int i = 0; i <= n; ++i) {
            const qreal t = qreal(i) / n;
            if (t < from)
                continue;
            const QPointF dir = tangentAt(spine, t);
            const qreal w = nib.width * pressure(nib, t, dir);
            const qreal thick = across(nib, w, dir);
            // The gap opens gradually instead of starting at full width.
            const qreal grow = smoothstep(from, from + 0.15, t);
            const QPointF normal(-dir.y(), dir.x());
            const qreal r = thin * thick * grow;
            QPainterPath c;
            c.addEllipse(spine.pointAtPercent(t) + normal * offset * thick, r, r);
            f.add(c);
        }
    }
    return f;
}

QTransform fitInto(const QRectF &ink, const QRectF &box, qreal maxScale, qreal squeeze)
{
    const qreal sx = box.width() / ink.width();
    const qreal sy = std::min(box.height() / ink.height(), maxScale);
    qreal kx = sy, ky = sy;
    if (sx < sy) {
        kx = sx;
        ky = std::min(sy, sx / squeeze);
    }
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(kx, ky);
    t.translate(-ink.center().x(), -ink.center().y());
    return t;
}

QTransform slanted(qreal slant)
{
    return QTransform(1, 0, -slant, 1, 0, 0);
}

QPainterPath textPath(const QString &text, const QFont &font)
{
    QPainterPath p;
    p.addText(0, 0, font, text);
    p.setFillRule(Qt::WindingFill);
    return p;
}

Figure letterFigure(const Lettering &l, const QRectF &box)
{
    // Glyph outlines are taken at a large size so that fitting only ever
    // scales them down; nothing is hinted to a pixel grid here.
    constexpr qreal kEm = 100;
    QFont font(l.family);
    font.setPixelSize(int(kEm));
    font.setBold(l.bold);
    font.setItalic(l.italic);
    font.setHintingPreference(QFont::PreferNoHinting);

    const QTransform lean = slanted(l.slant);
    const QPainterPath glyphs = lean.map(textPath(l.text, font));
    QRectF ink = glyphs.boundingRect();
    if (!l.reference.isEmpty()) {
        const QRectF ref = lean.map(textPath(l.reference, font)).boundingRect();
        ink.setTop(std::min(ink.top(), ref.top()));
        ink.setBottom(std::max(ink.bottom(), ref.bottom()));
    }

    const qreal mx = l.margin + std::abs(l.nib.x()) / 2;
    const qreal my = l.margin + std::abs(l.nib.y()) / 2;
    const QRectF room = box.adjusted(mx, my, -mx, -my);
    Figure f;
    if (l.hinted) {
        // Hinting needs a whole-pixel size, and it cannot narrow glyphs.
        const QTransform fit = fitInto(ink, room, l.maxEm / kEm, 1.0);
        const int em = std::max(1, int(std::floor(fit.m11() * kEm + 1e-6)));
        const qreal k = em / kEm;
        TextPiece t;
        t.text = l.text;
        t.font = font;
        t.em = em;
        t.baseline = room.center() - ink.center() * k;
        t.nib = l.nib;
        // The nib drags down and right from the glyph; centre the result.
        t.baseline -= l.nib / 2;
        f.add(t);
        return f;
    }

    const QPainterPath placed = fitInto(ink, room, l.maxEm / kEm, l.squeeze).map(glyphs);
    const int steps = l.nib.isNull() ? 1 : std::max(2, l.nibSteps);
    for (int i = 0; i < steps; ++i) {
        const qreal k = steps == 1 ? 0.0 : qreal(i) / (steps - 1) - 0.5;
        f.add(placed.translated(l.nib * k));
    }
    return f;
}
