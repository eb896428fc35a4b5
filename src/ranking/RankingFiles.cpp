#include "RankingFiles.h"

#include "Cp932.h"
#include "PlayerFiles.h"
#include "ProgramPaths.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    return ProgramPaths::dataPath(PlayerFiles::RankingNames);
}

QString scoresPath()
{
    return ProgramPaths::dataPath(PlayerFiles::RankingScores);
}

QString decode(const QByteArray &bytes)
{
    return Cp932::decode(bytes);
}

QByteArray encode(const QString &text)
{
    return Cp932::encode(text);
}

bool encodable(const QString &text)
{
    return Cp932::encodable(text);
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

} // namespace

Reading readRows(const QByteArray &bytes, bool cut)
{
    Reading reading;
    const QList<Line> lines = splitLines(bytes);
    for (int i = 0; i < Rows; ++i) {
        std::optional<QString> text;
        if (i < lines.size() && (lines[i].ended || !cut))
            text = Cp932::decodeStrictly(lines[i].bytes);
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

namespace {

const QByteArray NoteHeader = "Plumeno ranking save\n";

} // namespace

QString notePath()
{
    return ProgramPaths::dataPath(PlayerFiles::RankingSaveNote);
}

bool writePair(const QByteArray &names, const QByteArray &scores, CutShort cut)
{
    // A file marked read-only refuses the save before either file changes,
    // rather than after the names went in beside the old scores.
    if (SafeFile::markedReadOnly(namesPath()) || SafeFile::markedReadOnly(scoresPath()))
        return false;
    if (!writeFile(notePath(), saveNote(names, scores)))
        return false;
    if (!writeFile(namesPath(), names)) {
        QFile::remove(notePath()); // nothing changed: no save to finish later
        return false;
    }
    if (cut == CutShort::AfterNames)
        return false;
    if (!writeFile(scoresPath(), scores))
        return false;
    QFile::remove(notePath());
    return true;
}

QByteArray saveNote(const QByteArray &names, const QByteArray &scores)
{
    return NoteHeader + QByteArray::number(names.size()) + ' ' + QByteArray::number(scores.size()) + '\n' + names + scores;
}

std::optional<SavedPair> readSaveNote(const QByteArray &note)
{
    if (!note.startsWith(NoteHeader))
        return std::nullopt;
    const qsizetype lineEnd = note.indexOf('\n', NoteHeader.size());
    if (lineEnd < 0)
        return std::nullopt;
    const QList<QByteArray> sizes = note.mid(NoteHeader.size(), lineEnd - NoteHeader.size()).split(' ');
    if (sizes.size() != 2)
        return std::nullopt;
    bool okNames = false, okScores = false;
    const qsizetype namesSize = sizes[0].toLongLong(&okNames);
    const qsizetype scoresSize = sizes[1].toLongLong(&okScores);
    const QByteArray body = note.mid(lineEnd + 1);
    // Each size on its own first: two huge ones could overflow their sum.
    if (!okNames || !okScores || namesSize < 0 || scoresSize < 0 || namesSize > body.size() || scoresSize != body.size() - namesSize)
        return std::nullopt;
    return SavedPair{body.left(namesSize), body.mid(namesSize)};
}

bool finishCutShortSave()
{
    if (!QFileInfo::exists(notePath()))
        return false;
    const std::optional<QByteArray> note = SafeFile::readHead(notePath(), 4 * ReadLimit);
    const std::optional<SavedPair> pair = note ? readSaveNote(*note) : std::nullopt;
    if (!pair) {
        // Not a note this program wrote whole: kept, out of the way.
        SafeFile::moveAside(notePath());
        return false;
    }
    if (!writeFile(namesPath(), pair->names) || !writeFile(scoresPath(), pair->scores))
        return false;
    QFile::remove(notePath());
    return true;
}

} // namespace RankingFiles
