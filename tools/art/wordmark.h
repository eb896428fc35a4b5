#pragma once

#include "mask.h"

// The game's name as brush lettering: the body and the dry streaks to take
// out of it (see inkFigure).
struct Wordmark
{
    Figure body;
    Figure dry;
};

// "Plumeno" fitted into `box`; `swoosh` adds the underline stroke that fills
// a tall box.
Wordmark plumenoWordmark(const QRectF &box, bool swoosh);

// The capital P alone, for the program icon. `weight` scales the brush so
// that tiny icons can use a fatter one.
Wordmark brushP(const QRectF &box, qreal weight);
