#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What a player's name may hold. Names are stored in the names file in code
// page 932, one per line, so a name must be at most 8 bytes in it (a
// full-width character counts two) and hold nothing that file cannot keep.
namespace NameLimit {

constexpr int MaxBytes = 8;

// The name's length in the names file's encoding.
int bytes(QStringView text);

// Keeps an edited field text within the limit: line breaks and other control
// characters go (they cannot stand in a line of the names file, nor be seen
// in the field), characters an input method writes in their Unicode form are
// taken in their code page 932 form, and then, over 8 bytes, the characters
// just before `cursor` (the ones just typed or pasted) give way first.
// `cursor` follows the changes. A character code page 932 lacks stays, so the
// player sees it and is told at Enter; it counts as two bytes.
void fit(QString &text, int &cursor);

// The characters of a name that the names file cannot hold, each once, in
// the order they first appear; empty when the name can be stored as it is.
QStringList unstorable(QStringView text);

// Those characters for a message: each as itself when it can be seen, as
// U+XXXX when it cannot (a zero-width space, half of a surrogate pair).
QString describe(const QStringList &characters);

// The name with spaces (half- and full-width) taken off both ends.
QString trimmed(QStringView text);

} // namespace NameLimit
