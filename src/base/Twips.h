#pragma once

#include <QRect>
#include <QSize>

// Window measures are kept in twips, as the screens were designed; Qt lays
// widgets out in logical pixels, 15 twips each at 96 dpi. Qt scales logical
// pixels itself on high-dpi screens.
namespace Twips {

constexpr double PerPixel = 15.0;

constexpr int toPx(double twips)
{
    return static_cast<int>(twips / PerPixel + (twips >= 0 ? 0.5 : -0.5));
}
constexpr double fromPx(int px)
{
    return px * PerPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPx(left), toPx(top), toPx(width), toPx(height));
}

inline QSize size(int width, int height)
{
    return QSize(toPx(width), toPx(height));
}

} // namespace Twips
