#pragma once

#include <QImage>
#include <QString>

// Writes a picture as PNG (8-bit RGB, or RGBA when it has an alpha channel,
// as Qt's own writer does) with every row filtered by None, Sub, Up or
// Average only. The game decodes its pictures while it starts; Paeth rows,
// which libpng's default filtering picks for much of a brush picture, cost
// several times as much to undo as the others for a file of about the same
// size.
bool writePng(const QImage &image, const QString &path);
