#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The two ranking files: five text lines each (names, scores), rank order,
// Shift-JIS (code page 932), CR LF line ends.
namespace RankingFiles {

constexpr int Rows = 5;

const QStringList &defaultNames();
const QStringList &defaultScores();

QString namesPath();  // program directory/DATA/Data1.data
QString scoresPath(); // program directory/DATA/Data2.data

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);
bool encodable(const QString &text);

// The first five lines: a line ends at CR (an LF right after it belongs to
// the line end; a lone LF is text). Fewer lines give a shorter list.
QStringList readLines(const QByteArray &bytes);

// Each row followed by CR LF; with trailingEmptyLine one more CR LF, the
// layout the ranking screen writes.
QByteArray fileBytes(const QStringList &rows, bool trailingEmptyLine);

// Writes the file whole through a temporary file, creating DATA/ if needed.
bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace RankingFiles
