#pragma once

#include <QList>
#include <QString>
#include <cstdint>

// Where a finished game's score enters the five places, worked on the texts
// of the rows alone.
namespace RankingInsert {

struct Row
{
    QString name;
    QString score; // as the scores file holds it
};

// Inserts (score, name) above the first row whose score value is strictly
// below `score`; that row and the ones under it move down one place and the
// last falls out. Rows above keep their texts exactly. Returns the row the
// entry went to, or -1 when it went nowhere and nothing changed.
int insert(QList<Row> &rows, std::int32_t score, const QString &name);

// The text a score row takes with it when it moves down: its value rounded
// (halves to even) in plain digits. A value that does not fit a 32-bit
// score keeps its own text, rather than turning into a different number.
QString movedScoreText(const QString &text);

} // namespace RankingInsert
