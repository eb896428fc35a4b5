#include "mask.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

void Figure::add(const Figure &other)
{
    pieces.insert(pieces.end(), other.pieces.begin(), other.pieces.end());
    texts.insert(texts.end(), other.texts.begin(), other.texts.end());
}

QRectF Figure::bounds() const
{
    QRectF r;
    for (const auto &p : pieces)
        r = r.united(p.boundingRect());
    for (const auto &t : texts) {
        QFont f = t.font;
        f.setPixelSize(t.em);
        const QRectF ink = QFontMetricsF(f).tightBoundingRect(t.text);
        r = r.united(ink.translated(t.baseline).adjusted(0, 0, t.nib.x(), t.nib.y()));
    }
    return r;
}

namespace {

// Takes the larger coverage of `scratch` (alpha) and the mask at `at`.
void mergeMax(QImage &mask, const QImage &scratch, QPoint at)
{
    const QRect area = QRect(at, scratch.size()).intersected(mask.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(scratch.constScanLine(y - at.y()));
        uchar *dst = mask.scanLine(y);
        for (int x = area.left(); x <= area.right(); ++x)
            dst[x] = std::max<uchar>(dst[x], uchar(qAlpha(src[x - at.x()])));
    }
}

} // namespace

Mask::Mask(QSize pixels)
    : m_img(pixels, QImage::Format_Grayscale8)
{
    m_img.fill(0);
}

void Mask::stamp(const QPainterPath &logicalPiece, qreal scale)
{
    const QPainterPath path = QTransform::fromScale(scale, scale).map(logicalPiece);
    const QRect area = path.boundingRect().adjusted(-2, -2, 2, 2).toAlignedRect().intersected(m_img.rect());
    if (area.isEmpty())
        return;

    // A private scratch per piece: painting straight into the mask would
    // add coverage instead of taking the larger of the two.
    QImage scratch(area.size(), QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-area.topLeft());
        p.fillPath(path, Qt::white);
    }
    mergeMax(m_img, scratch, area.topLeft());
}

void Mask::stamp(const TextPiece &text, qreal scale)
{
    QFont font = text.font;
    font.setPixelSize(int(std::lround(text.em * scale)));
    font.setHintingPreference(QFont::PreferFullHinting);
    // Whole-pixel positions only, or the hinting would be undone.
    const QPoint origin = (text.baseline * scale).toPoint();
    const QPointF nib = text.nib * scale;
    const int steps = int(std::lround(std::max(std::abs(nib.x()), std::abs(nib.y()))));
    for (int k = 0; k <= steps; ++k) {
        const QPoint off = steps ? (nib * k / steps).toPoint() : QPoint();
        QImage scratch(size(), QImage::Format_ARGB32_Premultiplied);
        scratch.fill(Qt::transparent);
        {
            QPainter p(&scratch);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(origin + off, text.text);
        }
        mergeMax(m_img, scratch, QPoint(0, 0));
    }
}

void Mask::stamp(const Figure &figure, qreal scale)
{
    for (const auto &piece : figure.pieces)
        stamp(piece, scale);
    for (const auto &text : figure.texts)
        stamp(text, scale);
}

Mask Mask::dilated(qreal radius) const
{
    // Each neighbour lends its coverage, weakened by how far it lies past
    // the radius; the strongest lender wins.
    const int reach = int(std::ceil(radius + 1));
    struct Tap
    {
        int dx, dy;
        qreal weight;
    };
    std::vector<Tap> taps;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const qreal w = std::clamp(radius + 1 - std::hypot(dx, dy), 0.0, 1.0);
            if (w > 0)
                taps.push_back({dx, dy, w});
        }
    Mask out(size());
    const int W = m_img.width(), H = m_img.height();
    for (int y = 0; y < H; ++y) {
        uchar *d = out.m_img.scanLine(y);
        for (int x = 0; x < W; ++x) {
            qreal best = 0;
            for (const Tap &t : taps) {
                const int sx = x + t.dx, sy = y + t.dy;
                if (sx >= 0 && sy >= 0 && sx < W && sy < H)
                    best = std::max(best, m_img.constScanLine(sy)[sx] * t.weight);
            }
            d[x] = uchar(std::lround(best));
        }
    }
    return out;
}

void Mask::subtract(const Mask &other, qreal strength)
{
    for (int y = 0; y < m_img.height(); ++y) {
        uchar *d = m_img.scanLine(y);
        const uchar *o = other.m_img.constScanLine(y);
        for (int x = 0; x < m_img.width(); ++x)
            d[x] = uchar(std::lround(d[x] * (1.0 - strength * o[x] / 255.0)));
    }
}

Mask Mask::shifted(int dx, int dy) const
{
    Mask out(size());
    for (int y = 0; y < m_img.height(); ++y) {
        const int sy = y - dy;
        if (sy < 0 || sy >= m_img.height())
            continue;
        const uchar *s = m_img.constScanLine(sy);
        uchar *d = out.m_img.scanLine(y);
        for (int x = 0; x < m_img.width(); ++x) {
            const int sx = x - dx;
            if (sx >= 0 && sx < m_img.width())
                d[x] = s[sx];
        }
    }
    return out;
}

QImage Mask::tinted(const QColor &colour) const
{
    QImage layer(size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(colour);
    return clip(layer);
}

QImage Mask::clip(const QImage &layer) const
{
    QImage out = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        auto *px = reinterpret_cast<QRgb *>(out.scanLine(y));
        const uchar *m = m_img.constScanLine(y);
        for (int x = 0; x < out.width(); ++x) {
            const int k = m[x];
            const QRgb c = px[x];
            px[x] = qRgba((qRed(c) * k + 127) / 255, (qGreen(c) * k + 127) / 255, (qBlue(c) * k + 127) / 255, (qAlpha(c) * k + 127) / 255);
        }
    }
    return out;
}

QImage inkFigure(const Figure &figure, const Ink &ink, QSize logical, qreal scale, const Figure *dry)
{
    const QSize pixels = logical * scale;
    QImage out(pixels, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);

    Mask body(pixels);
    body.stamp(figure, scale);
    const Mask rim = body.dilated(ink.rimWidth * scale);
    if (dry) {
        Mask streaks(pixels);
        streaks.stamp(*dry, scale);
        body.subtract(streaks, 0.8);
    }

    QPainter p(&out);
    if (ink.shadow.alpha() > 0) {
        const QPoint off = (ink.shadowOffset * scale).toPoint();
        p.drawImage(0, 0, rim.shifted(off.x(), off.y()).tinted(ink.shadow));
    }
    if (ink.rimWidth > 0)
        p.drawImage(0, 0, rim.tinted(ink.rim));

    const QRectF b = figure.bounds();
    QLinearGradient grad(0, b.top() * scale, 0, b.bottom() * scale);
    grad.setColorAt(0, ink.top);
    grad.setColorAt(1, ink.bottom);
    QImage fill(pixels, QImage::Format_ARGB32_Premultiplied);
    fill.fill(Qt::transparent);
    {
        QPainter fp(&fill);
        fp.fillRect(fill.rect(), grad);
    }
    p.drawImage(0, 0, body.clip(fill));

    // Light falls from above: the band of the body that a slightly lowered
    // copy does not cover is its upper edge. Stacking a few widening bands
    // fades the light out instead of leaving a hard line.
    if (ink.gloss.alpha() > 0) {
        const int depth = std::max(1, int(std::lround(ink.glossDepth * scale)));
        QColor step = ink.gloss;
        step.setAlphaF(ink.gloss.alphaF() / depth);
        for (int k = 1; k <= depth; ++k) {
            Mask band = body;
            band.subtract(body.shifted(int(std::lround(k * 0.35)), k));
            p.drawImage(0, 0, band.tinted(step));
        }
    }
    return out;
}
