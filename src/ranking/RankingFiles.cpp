#include "RankingFiles.h"

#include "Module1.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace RankingFiles {

const QStringList &defaultNames()
{
    static const QStringList names{"AAAAAAAA", "BBBBBBBB", "CCCCCCCC", "DDDDDDDD", "EEEEEEEE"};
    return names;
}

const QStringList &defaultScores()
{
    static const QStringList scores{"150000", "130000", "100000", "70000", "50000"};
    return scores;
}

QString namesPath()
{
    return Module1::DataPath(QStringLiteral("DATA/Data1.data"));
}

QString scoresPath()
{
    return Module1::DataPath(QStringLiteral("DATA/Data2.data"));
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("CP932");
    return decoder(bytes);
}

QByteArray encode(const QString &text)
{
    QStringEncoder encoder("CP932");
    return encoder(text);
}

bool encodable(const QString &text)
{
    QStringEncoder encoder("CP932", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    return !encoder.hasError() && decode(bytes) == text;
}

QStringList readLines(const QByteArray &bytes)
{
    const QString text = decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    while (lines.size() < Rows && start < text.size()) {
        const qsizetype cr = text.indexOf(u'\r', start);
        if (cr < 0) {
            lines.append(text.mid(start));
            break;
        }
        lines.append(text.mid(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == u'\n')
            ++start;
    }
    return lines;
}

QByteArray fileBytes(const QStringList &rows, bool trailingEmptyLine)
{
    QByteArray out;
    for (const QString &row : rows)
        out += encode(row) + "\r\n";
    if (trailingEmptyLine)
        out += "\r\n";
    return out;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

} // namespace RankingFiles
