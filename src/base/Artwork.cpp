#include "Artwork.h"

#include "DeferredIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLoggingCategory>
#include <QResource>
#include <cstring>

Q_LOGGING_CATEGORY(lcArtwork, "plumeno.artwork", QtWarningMsg)

namespace Artwork {
namespace {

QString path(const QString &name, bool doubled)
{
    return QStringLiteral(":/resources/art/") + name + (doubled ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

// The pictures of the first screen also come unpacked by tools/unpack_art
// (a header of width, height, bytes per line and format, then the rows),
// stored without compression: drawing them straight from the program's own
// memory spares decoding their PNG, which was the largest cost of our own
// before the first paint, and a copy of their pixels. Null when the picture
// has no unpacked form.
QPixmap unpacked(const QString &name)
{
    const QResource resource(QStringLiteral(":/resources/art/unpacked/") + name + QStringLiteral(".pixels"));
    if (!resource.isValid())
        return {};
    // A compressed one would have to be unpacked into memory that outlives
    // the pixmap; the build stores them uncompressed.
    quint32 header[4] = {};
    if (resource.compressionAlgorithm() == QResource::NoCompression && resource.size() >= qint64(sizeof header))
        std::memcpy(header, resource.data(), sizeof header);
    const auto [width, height, bytesPerLine, format] = header;
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) || width == 0 || width > 4096 || height == 0
        || height > 4096 || bytesPerLine != width * 4 || quint64(resource.size()) != sizeof header + quint64(bytesPerLine) * height) {
        qCWarning(lcArtwork, "unpacked picture %s is unusable; decoding its PNG instead", qPrintable(name));
        return {};
    }
    // Read-only pixels: anything that would change the picture works on a copy.
    const uchar *rows = resource.data() + sizeof header;
    const QImage image(rows, static_cast<int>(width), static_cast<int>(height), static_cast<qsizetype>(bytesPerLine),
                       static_cast<QImage::Format>(format));
    // QImage needs its rows on 32-bit boundaries; the resource data has no such promise.
    return QPixmap::fromImage(reinterpret_cast<quintptr>(rows) % 4 == 0 ? image : image.copy());
}

} // namespace

QPixmap pixmap(const QString &name, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 0)
        devicePixelRatio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (devicePixelRatio > 1.0 && QFile::exists(path(name, true))) {
        QPixmap p(path(name, true));
        p.setDevicePixelRatio(2.0);
        return p;
    }
    if (QPixmap p = unpacked(name); !p.isNull())
        return p;
    return QPixmap(path(name, false));
}

QIcon icon(const QString &name)
{
    // Qt decodes each file as it is added. On screens of ordinary density
    // the doubled picture would never be drawn, and decoding it cost four
    // times the start-up work of the picture that is, so it is added only
    // where a screen needs it, as pixmap() picks its picture.
    QIcon icon;
    if (const QPixmap p = unpacked(name); !p.isNull())
        icon.addPixmap(p);
    else if (QFile::exists(path(name, false)))
        icon.addFile(path(name, false));
    const bool highDensity = qApp && qApp->devicePixelRatio() > 1.0;
    if (highDensity && QFile::exists(path(name, true)))
        icon.addFile(path(name, true));
    return icon;
}

QIcon programIcon()
{
    // Sizes given up front, so that no picture is decoded before a window
    // actually needs one: Qt's own file icons decode each file as it is added.
    static const QIcon icon = [] {
        QList<DeferredIcon::File> present;
        const std::pair<const char *, int> files[] = {{"icon16", 16}, {"icon", 32},     {"icon48", 48},
                                                      {"icon64", 64}, {"icon128", 128}, {"icon256", 256}};
        for (const auto &[name, size] : files) {
            const QString file = path(QString::fromLatin1(name), false);
            if (QFile::exists(file))
                present.append({file, QSize(size, size)});
        }
        return DeferredIcon::make(present);
    }();
    return icon;
}

QLabel *pictureLabel(QWidget *parent, const QString &objectName, const QString &art, const QString &words, QRect at)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setGeometry(at);
    label->setPixmap(pixmap(art, 0));
    label->setAccessibleName(words);
    return label;
}

} // namespace Artwork
