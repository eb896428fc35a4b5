// The ranking files on any bytes: reading gives five rows, what was
// read and can be kept is written back to the same lines, and a score enters
// the rows as the insertion rule says.
#include "FuzzCheck.h"
#include "RankingFiles.h"
#include "RankingInsert.h"
#include "TextNumber.h"

#include <QStringDecoder>
#include <cstring>

namespace {

void checkReadAndWrite(const QByteArray &bytes)
{
    const RankingFiles::Reading reading = RankingFiles::readRows(bytes);
    const QStringList &lines = reading.rows;
    FUZZ_CHECK(lines.size() == RankingFiles::Rows);
    FUZZ_CHECK(reading.unreadable >= 0 && reading.unreadable <= RankingFiles::Rows);
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(u'\r'));
    if (bytes.isEmpty())
        FUZZ_CHECK(reading.unreadable == RankingFiles::Rows);

    const QString text = RankingFiles::decode(bytes);
    const QByteArray encoded = RankingFiles::encode(text);
    // Text the file can keep is read back as it was written; text it cannot
    // (bytes that were not code page 932) is said so.
    if (RankingFiles::encodable(text))
        FUZZ_CHECK(RankingFiles::decode(encoded) == text);
    else
        FUZZ_CHECK(RankingFiles::decode(encoded) != text || text.contains(QChar::ReplacementCharacter));

    bool allKeepable = true;
    for (const QString &line : lines)
        allKeepable = allKeepable && RankingFiles::encodable(line);
    if (!allKeepable)
        return;
    // Rows that can be kept come back unchanged from the file written for them.
    const RankingFiles::Reading again = RankingFiles::readRows(RankingFiles::fileBytes(lines, false));
    FUZZ_CHECK(again.rows == lines && again.unreadable == 0);
    FUZZ_CHECK(RankingFiles::readRows(RankingFiles::fileBytes(lines, true)).rows == lines);
}

void checkInsert(const QStringList &names, const QStringList &scores, std::int32_t score, const QString &name)
{
    QList<RankingInsert::Row> rows;
    for (qsizetype i = 0; i < RankingFiles::Rows; ++i)
        rows.append({names.value(i), scores.value(i)});
    const QList<RankingInsert::Row> before = rows;
    const int at = RankingInsert::insert(rows, score, name);
    FUZZ_CHECK(rows.size() == before.size());
    FUZZ_CHECK(at >= -1 && at < rows.size());
    if (at < 0) {
        // Nowhere to go: every row holds at least this score.
        for (const auto &row : before)
            FUZZ_CHECK(!(TextNumber::scoreValue(row.score) < double(score)));
        for (qsizetype i = 0; i < rows.size(); ++i)
            FUZZ_CHECK(rows[i].name == before[i].name && rows[i].score == before[i].score);
        return;
    }
    for (qsizetype i = 0; i < at; ++i) {
        FUZZ_CHECK(!(TextNumber::scoreValue(before[i].score) < double(score)));
        FUZZ_CHECK(rows[i].name == before[i].name && rows[i].score == before[i].score);
    }
    FUZZ_CHECK(TextNumber::scoreValue(before[at].score) < double(score));
    FUZZ_CHECK(rows[at].name == name && rows[at].score == QString::number(score));
    FUZZ_CHECK(TextNumber::scoreValue(rows[at].score) == double(score));
    for (qsizetype i = at + 1; i < rows.size(); ++i) {
        FUZZ_CHECK(rows[i].name == before[i - 1].name);
        FUZZ_CHECK(rows[i].score == RankingInsert::movedScoreText(before[i - 1].score));
    }
    // A moved score keeps its value, rounded, or its own text.
    for (const auto &row : before) {
        const QString moved = RankingInsert::movedScoreText(row.score);
        if (moved != row.score) {
            const auto value = TextNumber::toInt32(TextNumber::scoreValue(row.score));
            FUZZ_CHECK(value && moved == QString::number(*value));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Without the code page the whole target would test nothing.
    FUZZ_CHECK(QStringDecoder("CP932").isValid());
    return 0;
}

// Input: 4 bytes of score, then the names file and the scores file split at
// the first NUL byte.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    std::int32_t score = 0;
    if (size >= 4) {
        std::memcpy(&score, data, 4);
        data += 4;
        size -= 4;
    }
    const QByteArray all(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = all.indexOf('\0');
    const QByteArray namesBytes = cut < 0 ? all : all.left(cut);
    const QByteArray scoresBytes = cut < 0 ? QByteArray() : all.mid(cut + 1);
    checkReadAndWrite(namesBytes);
    checkReadAndWrite(scoresBytes);

    const QStringList names = RankingFiles::readRows(namesBytes).rows;
    const QStringList scores = RankingFiles::readRows(scoresBytes).rows;
    checkInsert(names, scores, score, names.value(0) + u'*');
    return 0;
}
