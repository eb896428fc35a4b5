#pragma once

#include <QImage>
#include <QSize>

// Pictures that are drawn rather than lettered. Each paints `logical`
// pixels' worth of picture at `scale` device pixels per logical pixel.
QImage drawMedal(int rank, QSize logical, qreal scale);
QImage drawClose(QSize logical, qreal scale);
QImage drawIcon(QSize logical, qreal scale);
// Pointing hand; the fingertip is at logical pixel (12, 1), the hot spot.
QImage drawHand(QSize logical, qreal scale);
