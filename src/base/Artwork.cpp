#include "Artwork.h"

#include "DeferredIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>

namespace Artwork {
namespace {

QString path(const QString &name, bool doubled)
{
    return QStringLiteral(":/resources/art/") + name + (doubled ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
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
    return QPixmap(path(name, false));
}

QIcon icon(const QString &name)
{
    // Qt decodes each file as it is added. On screens of ordinary density
    // the doubled picture would never be drawn, and decoding it cost four
    // times the start-up work of the picture that is, so it is added only
    // where a screen needs it, as pixmap() picks its picture.
    QIcon icon;
    if (QFile::exists(path(name, false)))
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
