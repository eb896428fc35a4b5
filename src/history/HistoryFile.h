#pragma once

#include "HistoryRecord.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The history file: CSV in UTF-8 with a header row, one line per training
// round or challenge game, only ever appended to.
namespace HistoryFile {

QString fileName();
QString path(); // in the data folder

QByteArray header(); // with its line end
QByteArray line(const HistoryRecord &record); // with its line end

// Appends one whole line and flushes it to the disk before returning, so a
// crash can cut at most the line being written, never an earlier one. A
// line left cut by an earlier crash is closed first, so the new one stands
// on its own. False when the file could not be written.
bool append(const QString &path, const HistoryRecord &record);

struct Contents
{
    std::vector<HistoryRecord> records; // in file order
    int skippedLines = 0; // damaged lines, left out
    bool readable = true; // false: there is a file, but it could not be read
};
// A missing file is an empty history.
Contents read(const QString &path);
Contents parse(const QByteArray &bytes);

} // namespace HistoryFile
