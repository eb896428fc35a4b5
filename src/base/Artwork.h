#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The pictures of the screens, compiled in from resources/art. Each is drawn
// at two scales; the sharper one is used on high-dpi screens.
namespace Artwork {

QPixmap pixmap(const QString &name, qreal devicePixelRatio = 1.0);
QIcon icon(const QString &name);
QIcon programIcon();

// A label showing one of the pictures at `at`, named for screen readers by
// the words it pictures.
QLabel *pictureLabel(QWidget *parent, const QString &objectName, const QString &art, const QString &words, QRect at);

} // namespace Artwork
