#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The pictures of the screens, compiled in from resources/art. Each is drawn
// at two scales; the sharper one is used on high-dpi screens.
namespace Artwork {

QPixmap pixmap(const QString &name, qreal devicePixelRatio = 1.0);
QIcon icon(const QString &name);
QIcon programIcon();

} // namespace Artwork
