#include "NumberFont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace NumberFont {
namespace {

// Half an em and a little: kerning and hinting round a half-em digit up by
// a fraction of a pixel at some sizes.
constexpr qreal HalfEm = 0.52;

} // namespace

qreal digitShare(const QFont &font)
{
    const QFontMetricsF fm(font);
    qreal widest = 0;
    for (char16_t d = u'0'; d <= u'9'; ++d)
        widest = std::max(widest, fm.horizontalAdvance(QChar(d)));
    const qreal em = QFontInfo(font).pixelSize();
    return em > 0 ? widest / em : 0;
}

QFont face(const QFont &design)
{
    if (digitShare(design) <= HalfEm)
        return design;
    QFont fixed = design;
    fixed.setFamilies(QStringList{QStringLiteral("MS Gothic")});
    if (digitShare(fixed) <= HalfEm)
        return fixed;
    return design;
}

QFont fitted(const QFont &font, const QString &text, qreal width)
{
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    if (advance <= width || advance <= 0)
        return font;
    QFont smaller = font;
    // Start from the proportional guess, rounded down to a quarter point,
    // then step down until the text fits: hinting does not scale linearly.
    qreal points = std::floor(font.pointSizeF() * width / advance * 4) / 4;
    for (; points > 1; points -= 0.25) {
        smaller.setPointSizeF(points);
        if (QFontMetricsF(smaller).horizontalAdvance(text) <= width)
            break;
    }
    smaller.setPointSizeF(std::max<qreal>(points, 1));
    return smaller;
}

} // namespace NumberFont
