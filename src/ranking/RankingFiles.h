#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The two ranking files: five text lines each (names, scores), rank order,
// Shift-JIS (code page 932), CR LF line ends.
namespace RankingFiles {

constexpr int Rows = 5;

const QStringList &defaultNames();
const QStringList &defaultScores();

QString namesPath(); // program directory/DATA/Data1.data
QString scoresPath(); // program directory/DATA/Data2.data

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);
bool encodable(const QString &text);

// A ranking file is read from its first 64 KiB; one written by the program
// holds about fifty bytes.
constexpr qint64 ReadLimit = 64 * 1024;

// What a reader makes of a ranking file: its first five lines as five rows.
// A line ends at CR (an LF right after it belongs to the line end; a lone LF
// is text); a file without any CR, as an editor that ends lines with LF
// leaves it, has its lines ended by LF instead. A row that is not there, or
// whose line is not valid code page 932, is empty and counted.
struct Reading
{
    QStringList rows;
    int unreadable = 0;
};
// `cut`: the bytes stop at ReadLimit, so their last line may be incomplete.
Reading readRows(const QByteArray &bytes, bool cut = false);
// nullopt when there is no plain file to read at the path.
std::optional<Reading> readFile(const QString &path);

// Each row followed by CR LF; with trailingEmptyLine one more CR LF, the
// layout the ranking screen writes.
QByteArray fileBytes(const QStringList &rows, bool trailingEmptyLine);

// Writes the file whole through a temporary file, creating DATA/ if needed;
// a file marked read-only is left as it is.
bool writeFile(const QString &path, const QByteArray &bytes);

// Writes the names file and then the scores file as one pair. A note of
// the whole pair is written first and removed last, so that a copy that
// dies between the two files leaves the note, and the next look at the
// ranking finishes that save (finishCutShortSave) instead of showing names
// of one game beside the scores of another. The two files themselves keep
// their exact bytes. `cut` stops as a crash would, for tests.
enum class CutShort { No, AfterNames };
bool writePair(const QByteArray &names, const QByteArray &scores, CutShort cut = CutShort::No);
QString notePath(); // DATA/Data.saving
// The note's bytes: a header line, the two sizes, then both files' bytes.
QByteArray saveNote(const QByteArray &names, const QByteArray &scores);
struct SavedPair
{
    QByteArray names;
    QByteArray scores;
};
// The pair a note holds; nullopt when it is not a note written whole.
std::optional<SavedPair> readSaveNote(const QByteArray &note);
// True when it found a save cut short and wrote its pair.
bool finishCutShortSave();

} // namespace RankingFiles
