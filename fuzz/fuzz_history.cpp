// The history reader on any bytes: every line is a record or counted as
// skipped, every record it reads is written back as one line that reads
// the same, and a line appended after whatever a crash left reads as itself.
#include "FuzzCheck.h"
#include "HistoryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const HistoryFile::Contents c = HistoryFile::parse(bytes);
    FUZZ_CHECK(c.readable && c.skippedLines >= 0);
    FUZZ_CHECK(qsizetype(c.records.size()) + c.skippedLines <= bytes.count('\n') + 1);

    for (const HistoryRecord &r : c.records) {
        const QByteArray line = HistoryFile::line(r);
        FUZZ_CHECK(line.endsWith('\n') && line.count('\n') == 1 && line.count(',') == 12);
        const HistoryFile::Contents back = HistoryFile::parse(HistoryFile::header() + line);
        FUZZ_CHECK(back.skippedLines == 0 && back.records.size() == 1 && back.records[0] == r);
    }

    // The append closes a cut line first; the lines before keep their reading.
    if (!c.records.empty()) {
        const HistoryRecord &last = c.records.back();
        const HistoryFile::Contents appended = HistoryFile::parse(bytes + '\n' + HistoryFile::line(last));
        FUZZ_CHECK(appended.skippedLines == c.skippedLines);
        FUZZ_CHECK(appended.records.size() == c.records.size() + 1 && appended.records.back() == last);
    }
    return 0;
}
