#pragma once

#include <QString>
#include <QStringView>

// What a player's name may hold. Names are stored in the names file in code
// page 932, one per line, so a name must be at most 8 bytes in it (a
// full-width character counts two) and hold nothing that file cannot keep.
namespace NameLimit {

constexpr int MaxBytes = 8;

// The name's length in the names file's encoding.
int bytes(QStringView text);

// Makes an edited field text a name the file can keep: line breaks and other
// control characters go, characters code page 932 lacks go (those an input
// method writes in their Unicode form are taken in their code page 932 form),
// and then, over 8 bytes, the characters just before `cursor` (the ones just
// typed or pasted) give way first. `cursor` follows the changes.
void fit(QString &text, int &cursor);

// The name with spaces (half- and full-width) taken off both ends.
QString trimmed(QStringView text);

} // namespace NameLimit
