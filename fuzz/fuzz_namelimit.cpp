// The name rule on any edited text and cursor: the name never passes 8 bytes
// of code page 932, holds only what the names file can keep, and is what
// the rule makes of the text: of the characters it can keep, those just
// before the cursor give way first, then those at the end.
#include "FuzzCheck.h"
#include "NameLimit.h"
#include "RankingFiles.h"

#include <QList>
#include <QStringDecoder>

namespace {

struct Kept
{
    QString text; // the character as the file keeps it, empty when it cannot
    int bytes = 0;
    bool beforeCursor = false;
};

// The form one code point takes in a name, from the rule applied to it alone.
QString alone(const QString &codePoint)
{
    QString text = codePoint;
    int cursor = 0;
    NameLimit::fit(text, cursor);
    FUZZ_CHECK(cursor == 0);
    return text;
}

void checkFitted(const QString &text)
{
    FUZZ_CHECK(NameLimit::bytes(text) <= NameLimit::MaxBytes);
    // A character the names file lacks stays in the field, to be refused at
    // Enter; everything else is counted exactly as the file will hold it.
    const bool storable = RankingFiles::encodable(text);
    FUZZ_CHECK(storable == NameLimit::unstorable(text).isEmpty());
    if (storable)
        FUZZ_CHECK(RankingFiles::encode(text).size() == NameLimit::bytes(text));
    for (QChar c : text)
        FUZZ_CHECK(c.category() != QChar::Other_Control);
}

QString joined(const QList<Kept> &pieces)
{
    QString out;
    for (const Kept &p : pieces)
        out += p.text;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FUZZ_CHECK(QStringDecoder("CP932").isValid());
    return 0;
}

// Input: one byte for the cursor, then the text (see fuzzText).
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString input = fuzzText(data + 1, size - 1);
    const int cursorIn = int(data[0] % (input.size() + 1));

    QString text = input;
    int cursor = cursorIn;
    NameLimit::fit(text, cursor);
    checkFitted(text);
    FUZZ_CHECK(cursor >= 0 && cursor <= text.size());
    if (input.size() > 64)
        return 0; // long pastes are cut the same way; the checks below are slow on them
    // The one-by-one model below is for text the names file can hold; a name
    // with characters it lacks is refused at Enter whatever its cut.
    if (!NameLimit::unstorable(input).isEmpty())
        return 0;

    // Each code point on its own: what it becomes, and on which side it is.
    QList<Kept> before, after;
    for (qsizetype i = 0; i < input.size();) {
        const qsizetype len = (input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate()) ? 2 : 1;
        const QString one = alone(input.mid(i, len));
        checkFitted(one);
        FUZZ_CHECK(NameLimit::bytes(one) <= 2);
        if (!one.isEmpty())
            (i < cursorIn ? before : after).append({one, NameLimit::bytes(one), i < cursorIn});
        i += len;
    }
    // The characters just before the cursor give way first, then the last ones.
    int total = 0;
    for (const Kept &k : before + after)
        total += k.bytes;
    while (total > NameLimit::MaxBytes && !before.isEmpty())
        total -= before.takeLast().bytes;
    while (total > NameLimit::MaxBytes && !after.isEmpty())
        total -= after.takeLast().bytes;
    FUZZ_CHECK(text == joined(before) + joined(after));
    FUZZ_CHECK(cursor == joined(before).size());

    // A name that already fits is left as it is.
    QString again = text;
    int againCursor = cursor;
    NameLimit::fit(again, againCursor);
    FUZZ_CHECK(again == text && againCursor == cursor);

    // Trimming takes spaces off the ends and nothing else.
    const QString trimmed = NameLimit::trimmed(input);
    FUZZ_CHECK(input.contains(trimmed));
    if (!trimmed.isEmpty()) {
        for (QChar end : {trimmed.front(), trimmed.back()})
            FUZZ_CHECK(end != u' ' && end != QChar(0x3000));
    }
    return 0;
}
