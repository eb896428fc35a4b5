#include "DeferredIcon.h"

#include <QPainter>

QIcon DeferredIcon::make(const QList<File> &files)
{
    if (files.isEmpty())
        return QIcon();
    return QIcon(new DeferredIcon(files));
}

DeferredIcon::DeferredIcon(QList<File> files)
    : m_files(std::move(files))
    , m_icon(std::make_shared<QIcon>())
{}

QIcon &DeferredIcon::loaded()
{
    if (m_icon->isNull() && !m_files.isEmpty()) {
        for (const File &file : std::as_const(m_files))
            m_icon->addFile(file.path, file.size);
    }
    return *m_icon;
}

QIconEngine *DeferredIcon::clone() const
{
    return new DeferredIcon(*this);
}

QString DeferredIcon::key() const
{
    return QStringLiteral("DeferredIcon");
}

QList<QSize> DeferredIcon::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    // Files are added for the normal mode and the off state only.
    if (!m_icon->isNull())
        return m_icon->availableSizes(mode, state);
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off)
        for (const File &file : std::as_const(m_files))
            sizes << file.size;
    return sizes;
}

bool DeferredIcon::isNull()
{
    return m_files.isEmpty() && m_icon->isNull();
}

void DeferredIcon::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize DeferredIcon::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return loaded().actualSize(size, mode, state);
}

QPixmap DeferredIcon::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return loaded().pixmap(size, 1.0, mode, state);
}

void DeferredIcon::addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state)
{
    QIcon changed = loaded();
    changed.addPixmap(pixmap, mode, state);
    m_icon = std::make_shared<QIcon>(changed);
}

void DeferredIcon::addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    QIcon changed = loaded();
    changed.addFile(fileName, size, mode, state);
    m_icon = std::make_shared<QIcon>(changed);
}

QString DeferredIcon::iconName()
{
    return QString();
}
