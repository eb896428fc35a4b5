#pragma once

#include "mask.h"

#include <QFont>
#include <QString>
#include <QTransform>

// The tip of the brush: each point of a stroke leaves a tilted oval dab.
// Widths are logical pixels once the stroke has been placed.
struct Nib
{
    qreal width = 8; // widest dab
    qreal aspect = 0.6; // dab thickness / dab width
    qreal angle = -35; // dab tilt, degrees, screen coordinates
    qreal press = 0.08; // share of the stroke spent landing the brush
    qreal lift = 0.35; // share spent lifting it off
    qreal tail = 0.25; // width left at the very end
    qreal heavyDown = 0.3; // how much lighter strokes are that do not go down
};

// Dabs along `spine` (logical coordinates).
Figure brushStroke(const QPainterPath &spine, const Nib &nib);

// Thin gaps near the end of a stroke, where a brush running out of ink
// shows its hairs. Random but reproducible through `seed`.
Figure dryStreaks(const QPainterPath &spine, const Nib &nib, unsigned seed, int hairs = 3);

// Maps `ink` into `box`, centred, as large as fits but never above
// `maxScale`; when the width is what limits, the glyphs may be narrowed down
// to `squeeze` of their width before they are made smaller.
QTransform fitInto(const QRectF &ink, const QRectF &box, qreal maxScale = 1e9, qreal squeeze = 1.0);

QTransform slanted(qreal slant);

// Text set in a font and brushed along a nib.
struct Lettering
{
    QString text;
    QString family = QStringLiteral("IPAMincho");
    bool bold = false;
    bool italic = false;
    qreal slant = 0; // extra lean, positive to the right
    QPointF nib = {0, 0}; // the glyphs are dragged along this, logical px
    int nibSteps = 7;
    qreal margin = 1; // kept clear on every side, room for the rim
    qreal maxEm = 1e9; // largest em size in logical px
    qreal squeeze = 0.88;
    QString reference; // glyphs whose height sets the vertical fit
    bool hinted = false; // keep as hinted text: whole-pixel em, no slant
};

QPainterPath textPath(const QString &text, const QFont &font);
Figure letterFigure(const Lettering &l, const QRectF &box);
