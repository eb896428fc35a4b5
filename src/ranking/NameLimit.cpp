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

// One code point as the names file can keep it; empty when it cannot.
Piece storable(QString codePoint)
{
    if (codePoint.size() == 1) {
        if (codePoint[0].category() == QChar::Other_Control)
            return {};
        for (const auto &v : Variants)
            if (codePoint[0] == QChar(v[0]))
                codePoint = QString(QChar(v[1]));
    }
    if (!RankingFiles::encodable(codePoint))
        return {};
    return {codePoint, int(RankingFiles::encode(codePoint).size())};
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
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        Piece p = storable(text.mid(i, len));
        if (!p.text.isEmpty())
            (i < cursor ? before : after).append(p);
        i += len;
    }
    int size = total(before) + total(after);
    while (size > MaxBytes && !before.isEmpty())
        size -= before.takeLast().bytes;
    while (size > MaxBytes && !after.isEmpty())
        size -= after.takeLast().bytes;
    const QString head = joined(before);
    text = head + joined(after);
    cursor = int(head.size());
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
