#pragma once

#include <QString>
#include <QStringView>

// Numbers typed through a Japanese input method arrive in their full-width
// forms (１２．５, －３); the boxes that read numbers take them as the
// half-width characters they stand for.
namespace HalfWidth {

// Full-width ASCII forms (U+FF01..U+FF5E) become ASCII, the ideographic space
// a space and the minus sign U+2212 a hyphen-minus; the rest stays.
QString fold(QStringView text);

} // namespace HalfWidth
