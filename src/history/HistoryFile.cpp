#include "HistoryFile.h"

#include "DiskSync.h"
#include "PlayerFiles.h"
#include "ProgramPaths.h"
#include "SafeFile.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <optional>

namespace HistoryFile {

namespace {

// The adaptive column came last, so the lines written before it (13 fields)
// still read: as rounds without the automatic speed.
constexpr int FieldCount = 14;
constexpr int OldFieldCount = 13;
constexpr char Header[] =
    "date,mode,digits,terms,interval_ms,total_ms,flash_percent,minus_percent,replay,result,answer_ms,level,score,adaptive\n";
constexpr QByteArrayView OldHeader =
    "date,mode,digits,terms,interval_ms,total_ms,flash_percent,minus_percent,replay,result,answer_ms,level,score";

QByteArray resultName(HistoryRecord::Result r)
{
    switch (r) {
    case HistoryRecord::Result::Right:
        return "right";
    case HistoryRecord::Result::Complete:
        return "complete";
    case HistoryRecord::Result::Wrong:
        break;
    }
    return "wrong";
}

// A whole decimal number with an optional minus sign, nothing else.
std::optional<std::int64_t> number(QByteArrayView text, std::int64_t low, std::int64_t high)
{
    if (text.isEmpty() || text.size() > 19)
        return std::nullopt;
    qsizetype i = 0;
    const bool negative = text[0] == '-';
    if (negative && text.size() == 1)
        return std::nullopt;
    i = negative ? 1 : 0;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9' || value > (std::int64_t(1) << 58))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

int digitsAt(QByteArrayView s, int at, int count)
{
    int v = 0;
    for (int i = at; i < at + count; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

// "yyyy-MM-dd HH:mm:ss", read by hand: a long history opens quickly.
bool parseWhen(QByteArrayView s, QDate &date, QTime &time)
{
    if (s.size() != 19 || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':' || s[16] != ':')
        return false;
    const int y = digitsAt(s, 0, 4), mo = digitsAt(s, 5, 2), d = digitsAt(s, 8, 2);
    const int h = digitsAt(s, 11, 2), mi = digitsAt(s, 14, 2), se = digitsAt(s, 17, 2);
    if (y < 0 || mo < 0 || d < 0 || h < 0 || mi < 0 || se < 0 || !QDate::isValid(y, mo, d) || !QTime::isValid(h, mi, se))
        return false;
    date = QDate(y, mo, d);
    time = QTime(h, mi, se);
    return true;
}

std::optional<HistoryRecord> parseLine(QByteArrayView line)
{
    std::array<QByteArrayView, FieldCount> f;
    int n = 0;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ',') {
            if (n == FieldCount)
                return std::nullopt;
            f[n++] = line.sliced(from, i - from);
            from = i + 1;
        }
    }
    if (n == OldFieldCount)
        f[n++] = QByteArrayView();
    else if (n != FieldCount)
        return std::nullopt;
    HistoryRecord r;
    if (!parseWhen(f[0], r.date, r.time))
        return std::nullopt;
    constexpr std::int64_t IntMax = 2147483647;
    if (f[1] == "training") {
        const auto digits = number(f[2], 1, 9), terms = number(f[3], -32768, 32767);
        const auto interval = number(f[4], 1, IntMax), total = number(f[5], 0, IntMax);
        const auto flash = number(f[6], 1, 100), minus = number(f[7], 0, 100), replay = number(f[8], 0, 1);
        const auto answer = number(f[10], 0, std::int64_t(1) << 50);
        const auto adaptive = f[13].isEmpty() ? std::optional<std::int64_t>(0) : number(f[13], 0, 1);
        if (!adaptive || !digits || !terms || !interval || !total || !flash || !minus || !replay || !answer || !f[11].isEmpty()
            || !f[12].isEmpty())
            return std::nullopt;
        if (f[9] == "right")
            r.result = HistoryRecord::Result::Right;
        else if (f[9] == "wrong")
            r.result = HistoryRecord::Result::Wrong;
        else
            return std::nullopt;
        r.mode = HistoryRecord::Mode::Training;
        r.digits = int(*digits);
        r.terms = int(*terms);
        r.intervalMs = int(*interval);
        r.totalMs = int(*total);
        r.flashPercent = int(*flash);
        r.minusPercent = int(*minus);
        r.replay = *replay == 1;
        r.adaptive = *adaptive == 1;
        r.answerMs = *answer;
        return r;
    }
    if (f[1] == "challenge") {
        for (int i = 2; i <= 8; ++i)
            if (!f[i].isEmpty())
                return std::nullopt;
        const auto level = number(f[11], 1, 32767), score = number(f[12], 0, std::int64_t(1) << 50);
        if (!level || !score || !f[10].isEmpty() || !f[13].isEmpty())
            return std::nullopt;
        if (f[9] == "wrong")
            r.result = HistoryRecord::Result::Wrong;
        else if (f[9] == "complete")
            r.result = HistoryRecord::Result::Complete;
        else
            return std::nullopt;
        r.mode = HistoryRecord::Mode::Challenge;
        r.level = int(*level);
        r.score = *score;
        return r;
    }
    return std::nullopt;
}

} // namespace

QString fileName()
{
    return PlayerFiles::History;
}

QString path()
{
    return ProgramPaths::dataPath(fileName());
}

QByteArray header()
{
    return QByteArray(Header);
}

QByteArray line(const HistoryRecord &r)
{
    QByteArray out =
        QStringLiteral("%1 %2").arg(r.date.toString(QStringLiteral("yyyy-MM-dd")), r.time.toString(QStringLiteral("HH:mm:ss"))).toLatin1();
    const auto num = [](std::int64_t v) { return QByteArray::number(v); };
    if (r.mode == HistoryRecord::Mode::Training) {
        out += ",training," + num(r.digits) + ',' + num(r.terms) + ',' + num(r.intervalMs) + ',' + num(r.totalMs) + ','
               + num(r.flashPercent) + ',' + num(r.minusPercent) + ',' + num(r.replay ? 1 : 0) + ',' + resultName(r.result) + ','
               + num(r.answerMs) + ",,," + num(r.adaptive ? 1 : 0);
    } else {
        out += ",challenge,,,,,,,," + resultName(r.result) + ",," + num(r.level) + ',' + num(r.score) + ',';
    }
    return out + '\n';
}

bool append(const QString &path, const HistoryRecord &record)
{
    if (SafeFile::isInTheWay(path))
        return false;
    QByteArray bytes;
    if (SafeFile::isPlainFile(path) && QFileInfo(path).size() > 0) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly) || !old.seek(old.size() - 1))
            return false;
        char lastByte = 0;
        if (!old.getChar(&lastByte))
            return false;
        if (lastByte != '\n')
            bytes += '\n'; // close a line an earlier crash left cut
    } else {
        bytes += header();
    }
    bytes += line(record);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return file.write(bytes) == bytes.size() && DiskSync::flush(file);
}

Contents parse(const QByteArray &bytes)
{
    Contents c;
    QByteArrayView all(bytes);
    qsizetype from = 0;
    bool first = true;
    while (from < all.size()) {
        qsizetype end = all.indexOf('\n', from);
        if (end < 0)
            end = all.size();
        QByteArrayView text = all.sliced(from, end - from);
        from = end + 1;
        if (text.endsWith('\r'))
            text.chop(1);
        if (first) {
            first = false;
            if (text == QByteArrayView(Header, sizeof Header - 2) || text == OldHeader)
                continue;
        }
        if (text.isEmpty())
            continue;
        if (auto r = parseLine(text))
            c.records.push_back(*r);
        else
            ++c.skippedLines;
    }
    return c;
}

Contents read(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile file(path);
    if (!SafeFile::isPlainFile(path) || !file.open(QIODevice::ReadOnly)) {
        Contents c;
        c.readable = false;
        return c;
    }
    return parse(file.readAll());
}

} // namespace HistoryFile
