#pragma once

#include <QFont>
#include <QString>

// The font the flashed numbers are drawn in. The design's face has
// half-width digits of about half an em, so that five digits fit the number
// display at the design size; a stand-in face whose digits are wider would
// cut the outer digits off.
namespace NumberFont {

// The widest of the ten digits, as a share of the font's em.
qreal digitShare(const QFont &font);

// The design face when its digits are about half an em wide, else the
// fixed-pitch Japanese face (whose half-width digits are exactly half an
// em) at the same size, when that one's are.
QFont face(const QFont &design);

// `font`, or the same face made smaller (in quarter points) when `text`
// would not fit `width` pixels in it.
QFont fitted(const QFont &font, const QString &text, qreal width);

} // namespace NumberFont
