#include "NameLimit.h"

#include "RankingFiles.h"

#include <QList>

namespace NameLimit {
namespace {

// Input methods on other systems write these characters in the form Unicode
// gives them; code page 932 holds the look-alike on the right.
constexpr char16_t Variants[][2] = {
    {u'\u301C', u'\uFF5E'}, // wave dash
    {u'\u2212', u'\uFF0D'}, // minus sign
    {u'\u2016', u'\u2225'}, // double vertical line
    {u'\u2014', u'\u2015'}, // em dash
    {u'\u00A2', u'\uFFE0'}, // cent
    {u'\u00A3', u'\uFFE1'}, // pound
    {u'\u00AC', u'\uFFE2'}, // not sign
};

struct Piece
{
    QString text;
    int bytes = 0;
};

// One code point as the field keeps it; empty when it goes.
Piece fitted(QString codePoint)
{
    if (codePoint.size() == 1) {
        if (codePoint[0].category() == QChar::Other_Control)
            return {};
        for (const auto &v : Variants)
            if (codePoint[0] == QChar(v[0]))
                codePoint = QString(QChar(v[1]));
    }
    if (!RankingFiles::encodable(codePoint))
        return {codePoint, 2};
    return {codePoint, int(RankingFiles::encode(codePoint).size())};
}

// Calls `each` with every code point of the text, a surrogate pair as one.
template <class F>
void forEachCodePoint(QStringView text, F each)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        each(i, text.mid(i, len).toString());
        i += len;
    }
}

int total(const QList<Piece> &pieces)
{
    int sum = 0;
    for (const Piece &p : pieces)
        sum += p.bytes;
    return sum;
}

QString joined(const QList<Piece> &pieces)
{
    QString out;
    for (const Piece &p : pieces)
        out += p.text;
    return out;
}

} // namespace

int bytes(QStringView text)
{
    return int(RankingFiles::encode(text.toString()).size());
}

void fit(QString &text, int &cursor)
{
    QList<Piece> before, after;
    forEachCodePoint(text, [&](qsizetype at, const QString &codePoint) {
        Piece p = fitted(codePoint);
        if (!p.text.isEmpty())
            (at < cursor ? before : after).append(p);
    });
    int size = total(before) + total(after);
    while (size > MaxBytes && !before.isEmpty())
        size -= before.takeLast().bytes;
    while (size > MaxBytes && !after.isEmpty())
        size -= after.takeLast().bytes;
    const QString head = joined(before);
    text = head + joined(after);
    cursor = int(head.size());
}

QStringList unstorable(QStringView text)
{
    QStringList found;
    forEachCodePoint(text, [&](qsizetype, const QString &codePoint) {
        if (!RankingFiles::encodable(codePoint) && !found.contains(codePoint))
            found.append(codePoint);
    });
    return found;
}

QString describe(const QStringList &characters)
{
    QStringList shown;
    for (const QString &c : characters) {
        const char32_t codePoint = c.size() == 2 ? QChar::surrogateToUcs4(c[0], c[1]) : c[0].unicode();
        const bool visible =
            QChar::isPrint(codePoint) && !QChar::isSpace(codePoint) && !QChar::isSurrogate(codePoint) && !QChar::isMark(codePoint);
        shown << (visible ? c : QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper());
    }
    return shown.join(QStringLiteral("、"));
}

QString trimmed(QStringView text)
{
    const auto isSpace = [](QChar c) { return c == u' ' || c == QChar(0x3000); };
    qsizetype begin = 0, end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

} // namespace NameLimit
