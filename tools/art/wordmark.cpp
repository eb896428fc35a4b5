#include "wordmark.h"

#include "brush.h"

#include <algorithm>
#include <vector>

namespace {

// Letters are drawn upright in design units (baseline y = 100, x-height 52,
// ascenders reach about y = 10) and leant and fitted afterwards.
constexpr qreal kSlant = 0.2;

struct Stroke
{
    QPainterPath spine;
    qreal width; // design units
    unsigned dry = 0; // seed for dry streaks, 0 for a wet stroke
    qreal lift = 0.35;
};

QPainterPath path(QPointF from)
{
    QPainterPath p(from);
    return p;
}

void capitalP(std::vector<Stroke> &s, qreal x)
{
    QPainterPath stem = path({x + 18, 14});
    stem.cubicTo(x + 18, 40, x + 16, 78, x + 12, 108);
    s.push_back({stem, 17, 11, 0.45});

    QPainterPath bowl = path({x + 4, 24});
    bowl.cubicTo(x + 30, 4, x + 76, 6, x + 72, 36);
    bowl.cubicTo(x + 68, 62, x + 38, 66, x + 22, 58);
    s.push_back({bowl, 13, 12, 0.4});
}

void lowercase(std::vector<Stroke> &s)
{
    // l, with a flick that leads into the u
    QPainterPath l = path({102, 10});
    l.cubicTo(101, 40, 96, 78, 96, 92);
    l.cubicTo(96, 104, 106, 104, 114, 95);
    s.push_back({l, 13, 21});

    // u
    QPainterPath u1 = path({121, 52});
    u1.cubicTo(120, 70, 114, 98, 130, 99);
    u1.cubicTo(144, 100, 150, 78, 153, 52);
    s.push_back({u1, 12, 0});
    QPainterPath u2 = path({153, 52});
    u2.cubicTo(151, 70, 148, 92, 151, 99);
    u2.cubicTo(153, 104, 160, 101, 164, 96);
    s.push_back({u2, 12, 31});

    // m
    QPainterPath m1 = path({172, 54});
    m1.cubicTo(173, 70, 172, 88, 171, 101);
    s.push_back({m1, 12, 0});
    QPainterPath m2 = path({173, 68});
    m2.cubicTo(180, 52, 191, 49, 196, 55);
    m2.cubicTo(201, 61, 199, 84, 198, 101);
    s.push_back({m2, 12, 41});
    QPainterPath m3 = path({199, 68});
    m3.cubicTo(206, 52, 217, 49, 222, 55);
    m3.cubicTo(227, 61, 224, 86, 226, 96);
    m3.cubicTo(227, 103, 234, 101, 238, 96);
    s.push_back({m3, 12, 42});

    // e
    QPainterPath e = path({246, 80});
    e.cubicTo(258, 81, 273, 74, 271, 62);
    e.cubicTo(269, 51, 252, 50, 246, 63);
    e.cubicTo(239, 78, 243, 99, 258, 100);
    e.cubicTo(266, 101, 272, 97, 277, 91);
    s.push_back({e, 12, 51});

    // n
    QPainterPath n1 = path({286, 54});
    n1.cubicTo(287, 70, 286, 88, 285, 101);
    s.push_back({n1, 12, 0});
    QPainterPath n2 = path({287, 68});
    n2.cubicTo(294, 52, 305, 49, 310, 55);
    n2.cubicTo(315, 61, 312, 86, 314, 96);
    n2.cubicTo(315, 103, 322, 101, 326, 96);
    s.push_back({n2, 12, 61});

    // o, closed with a small overlap and a flick to the right
    QPainterPath o = path({352, 53});
    o.cubicTo(338, 51, 330, 68, 331, 82);
    o.cubicTo(332, 98, 348, 104, 357, 94);
    o.cubicTo(366, 84, 366, 58, 351, 54);
    o.cubicTo(356, 54, 364, 58, 372, 55);
    s.push_back({o, 12, 71, 0.25});
}

void swoosh(std::vector<Stroke> &s)
{
    QPainterPath u = path({52, 126});
    u.cubicTo(140, 116, 260, 110, 376, 116);
    s.push_back({u, 12, 81, 0.7});
}

// `weight` fattens every stroke; `bold` also keeps the tails from thinning
// out, for sizes where a hairline tail would vanish.
Wordmark build(const std::vector<Stroke> &strokes, const QRectF &box, qreal weight, bool bold = false)
{
    const QTransform lean = slanted(kSlant);
    QRectF ink;
    qreal widest = 0;
    for (const auto &s : strokes) {
        ink = ink.united(lean.map(s.spine).boundingRect());
        widest = std::max(widest, s.width * weight);
    }
    ink.adjust(-widest / 2, -widest / 2, widest / 2, widest / 2);
    const QTransform fit = fitInto(ink, box);
    const qreal k = fit.m11();

    Wordmark w;
    for (const auto &s : strokes) {
        Nib nib;
        nib.width = s.width * weight * k;
        nib.lift = bold ? s.lift * 0.6 : s.lift;
        nib.tail = bold ? 0.6 : nib.tail;
        nib.aspect = 0.5;
        nib.heavyDown = 0.45;
        const QPainterPath spine = fit.map(lean.map(s.spine));
        w.body.add(brushStroke(spine, nib));
        if (s.dry)
            w.dry.add(dryStreaks(spine, nib, s.dry));
    }
    return w;
}

} // namespace

Wordmark plumenoWordmark(const QRectF &box, bool withSwoosh)
{
    std::vector<Stroke> strokes;
    capitalP(strokes, 10);
    lowercase(strokes);
    if (withSwoosh)
        swoosh(strokes);
    return build(strokes, box, 1.0);
}

Wordmark brushP(const QRectF &box, qreal weight)
{
    std::vector<Stroke> strokes;
    capitalP(strokes, 0);
    return build(strokes, box, weight, weight > 1.0);
}
