#include "RankingInsert.h"

#include "TextNumber.h"

namespace RankingInsert {

QString movedScoreText(const QString &text)
{
    if (const auto value = TextNumber::toInt32(TextNumber::scoreValue(text)))
        return QString::number(*value);
    return text;
}

int insert(QList<Row> &rows, std::int32_t score, const QString &name)
{
    qsizetype at = -1;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        // Equal scores are passed over: the newcomer goes below them.
        if (TextNumber::scoreValue(rows[i].score) < double(score)) {
            at = i;
            break;
        }
    }
    if (at < 0)
        return -1;
    Row carried{name, QString::number(score)};
    for (qsizetype j = at; j < rows.size(); ++j) {
        Row taken{rows[j].name, movedScoreText(rows[j].score)};
        rows[j] = carried;
        carried = taken;
    }
    return int(at);
}

} // namespace RankingInsert
