// The settings reader on any bytes: it never fails, reads what a file it
// wrote holds, and ignores whatever follows the fifth line.
#include "FuzzCheck.h"
#include "SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsFile::Parsed parsed = SettingsFile::parse(bytes);
    FUZZ_CHECK(parsed.unreadable >= 0 && parsed.unreadable <= 5);
    if (parsed.unreadable == 5)
        FUZZ_CHECK(parsed.values == SettingsFile::Defaults);

    // What it read, written and read again, is the same and wholly readable.
    const QByteArray written = SettingsFile::serialize(parsed.values);
    const SettingsFile::Parsed again = SettingsFile::parse(written);
    FUZZ_CHECK(again.unreadable == 0);
    FUZZ_CHECK(again.values == parsed.values);

    // The written file is five CR LF lines of printable ASCII.
    FUZZ_CHECK(written.count("\r\n") == 5 && written.endsWith("\r\n"));
    for (char c : written)
        FUZZ_CHECK(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f));

    // Lines after the fifth are never read.
    const SettingsFile::Parsed followed = SettingsFile::parse(written + bytes);
    FUZZ_CHECK(followed.unreadable == 0);
    FUZZ_CHECK(followed.values == parsed.values);
    return 0;
}
