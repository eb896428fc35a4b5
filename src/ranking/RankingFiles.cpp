#include "RankingFiles.h"

#include "ProgramPaths.h"
#include "SafeFile.h"

#include <QDir>
#include <QFileInfo>
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
    return ProgramPaths::dataPath(QStringLiteral("DATA/Data1.data"));
}

QString scoresPath()
{
    return ProgramPaths::dataPath(QStringLiteral("DATA/Data2.data"));
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

namespace {

struct Line
{
    QByteArray bytes;
    bool ended = false; // by a line end rather than by the end of the bytes
};

QList<Line> splitLines(const QByteArray &bytes)
{
    // Code page 932 never uses CR or LF as the second byte of a character,
    // so the bytes can be cut into lines before they are decoded.
    const char end = bytes.contains('\r') ? '\r' : '\n';
    QList<Line> lines;
    qsizetype start = 0;
    while (lines.size() < RankingFiles::Rows && start < bytes.size()) {
        const qsizetype at = bytes.indexOf(end, start);
        if (at < 0) {
            lines.append({bytes.mid(start), false});
            break;
        }
        lines.append({bytes.mid(start, at - start), true});
        start = at + 1;
        if (end == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

std::optional<QString> decodeStrictly(const QByteArray &bytes)
{
    QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

Reading readRows(const QByteArray &bytes, bool cut)
{
    Reading reading;
    const QList<Line> lines = splitLines(bytes);
    for (int i = 0; i < Rows; ++i) {
        std::optional<QString> text;
        if (i < lines.size() && (lines[i].ended || !cut))
            text = decodeStrictly(lines[i].bytes);
        if (!text)
            ++reading.unreadable;
        reading.rows.append(text.value_or(QString()));
    }
    return reading;
}

std::optional<Reading> readFile(const QString &path)
{
    bool cut = false;
    const std::optional<QByteArray> bytes = SafeFile::readHead(path, ReadLimit, &cut);
    if (!bytes)
        return std::nullopt;
    return readRows(*bytes, cut);
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
    return SafeFile::write(path, bytes);
}

} // namespace RankingFiles
