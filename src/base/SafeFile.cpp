#include "SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace SafeFile {

bool isPlainFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

bool isInTheWay(const QString &path)
{
    // A link that leads nowhere is in the way as well.
    const QFileInfo info(path);
    return (info.exists() || info.isSymLink()) && !isPlainFile(path);
}

bool markedReadOnly(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !(info.permissions() & writeBits);
}

std::optional<QByteArray> readHead(const QString &path, qint64 limit, bool *cut)
{
    if (!isPlainFile(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(limit + 1);
    if (cut)
        *cut = bytes.size() > limit;
    bytes.truncate(limit);
    return bytes;
}

bool write(const QString &path, const QByteArray &bytes)
{
    if (markedReadOnly(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

namespace {

QString freeName(const QString &path)
{
    const QString stem = path + QStringLiteral(".bak-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = stem + u'-' + QString::number(n);
    return target;
}

} // namespace

QString keepAside(const QString &path)
{
    if (!isPlainFile(path))
        return moveAside(path);
    const QString target = freeName(path);
    return QFile::copy(path, target) ? target : QString();
}

QString moveAside(const QString &path)
{
    const QString target = freeName(path);
    return QDir().rename(path, target) ? target : QString();
}

} // namespace SafeFile
