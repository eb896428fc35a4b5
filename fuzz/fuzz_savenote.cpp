// The ranking's save note on any bytes: it gives a pair only when the sizes
// it names cover its body exactly, a note cut anywhere gives none, and any
// pair written as a note reads back whole.
#include "FuzzCheck.h"
#include "RankingFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto pair = RankingFiles::readSaveNote(bytes)) {
        FUZZ_CHECK(bytes.endsWith(pair->names + pair->scores));
        const auto again = RankingFiles::readSaveNote(RankingFiles::saveNote(pair->names, pair->scores));
        FUZZ_CHECK(again && again->names == pair->names && again->scores == pair->scores);
    }

    // The input's bytes as a pair, split where its first byte says.
    const qsizetype cut = size ? qsizetype(data[0]) % qsizetype(size) : 0;
    const QByteArray names = bytes.left(cut), scores = bytes.mid(cut);
    const QByteArray note = RankingFiles::saveNote(names, scores);
    const auto back = RankingFiles::readSaveNote(note);
    FUZZ_CHECK(back && back->names == names && back->scores == scores);
    // A note that lost its end, as a crash while writing it leaves it.
    for (qsizetype keep : {qsizetype(0), note.size() / 2, note.size() - 1})
        FUZZ_CHECK(!RankingFiles::readSaveNote(note.left(keep)));
    return 0;
}
