#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

#include <vector>

// Small text is kept as text rather than outlines: the font's own hinting
// puts its strokes on whole pixels at each scale, where an outline path
// would smear a thin horizontal stroke over two rows.
struct TextPiece
{
    QString text;
    QFont font; // family and style; the pixel size is set per scale
    int em = 16; // logical pixel size
    QPointF baseline; // logical
    QPointF nib; // the glyphs are dragged along this, logical px
};

// A figure is a set of pieces whose union is the shape. Brush strokes are
// thousands of overlapping dabs and glyphs are stamped along a nib, so the
// pieces overlap heavily; painting them as one winding path would make every
// anti-aliased edge pixel count many times over and turn the edges jagged.
// Instead each piece is rasterised on its own and merged by taking the
// maximum coverage, which keeps edges exactly as soft as a single shape.
struct Figure
{
    std::vector<QPainterPath> pieces; // logical (1x) coordinates
    std::vector<TextPiece> texts;

    void add(const QPainterPath &piece) { pieces.push_back(piece); }
    void add(const TextPiece &text) { texts.push_back(text); }
    void add(const Figure &other);
    QRectF bounds() const;
};

// 8-bit coverage in device pixels.
class Mask
{
public:
    explicit Mask(QSize pixels);

    QSize size() const { return m_img.size(); }
    // Union of the piece (mapped by `scale`) with what is there.
    void stamp(const QPainterPath &logicalPiece, qreal scale);
    void stamp(const TextPiece &text, qreal scale);
    void stamp(const Figure &figure, qreal scale);
    // Grown outward by `radius` device pixels, edges kept soft.
    Mask dilated(qreal radius) const;
    // Take away `other` weighted by `strength` (0..1).
    void subtract(const Mask &other, qreal strength = 1.0);
    Mask shifted(int dx, int dy) const;

    // `colour` everywhere the mask covers, transparent elsewhere.
    QImage tinted(const QColor &colour) const;
    // `layer` cut down to the mask.
    QImage clip(const QImage &layer) const;

private:
    QImage m_img; // Format_Grayscale8, value = coverage
};

// How lettering is inked: a rim (the outline), a body with a vertical
// gradient, a light on the upper edges and an optional drop shadow.
struct Ink
{
    QColor rim = QColor(0, 0, 0, 200);
    qreal rimWidth = 1.0; // logical px
    QColor top = QColor(200, 255, 190);
    QColor bottom = QColor(60, 190, 70);
    QColor gloss = QColor(255, 255, 255, 0); // alpha = strength
    qreal glossDepth = 1.0; // logical px
    QColor shadow = QColor(0, 0, 0, 0);
    QPointF shadowOffset = QPointF(1, 1);
};

// Paints `figure` inked with `ink` on a transparent image of `logical`
// size times `scale`. `dry`, when given, is taken out of the body to leave
// the streaks a half-dry brush leaves behind.
QImage inkFigure(const Figure &figure, const Ink &ink, QSize logical, qreal scale, const Figure *dry = nullptr);
