#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Code page 932 (Shift-JIS as Windows writes it), the ranking files' text.
// Qt converts it only when built with ICU; where it cannot, the game reads
// and writes it through its own table, made from Qt's converter on Linux by
// tools/cp932/make_table, so that both give the same bytes and characters.
namespace Cp932 {

// Automatic takes Qt's converter when there is one; the other two force a
// path, so that tests can hold the table against the converter.
enum class Backend { Automatic, Qt, Table };

// What the table's 16-bit words mean besides a character.
namespace TableWord {
constexpr quint16 Unassigned = 0xFFFD; // a pair with no character: U+FFFD
constexpr quint16 Illegal = 0xFFFE; // a byte that starts nothing: U+001A
constexpr quint16 Lead = 0xFFFF; // the first byte of a pair
constexpr quint16 Refused = 0x8000; // added to a length: the encoder reports an error
} // namespace TableWord

// As a reader shows them: what is not code page 932 becomes U+FFFD or
// U+001A, and a first byte at the very end is dropped.
QString decode(const QByteArray &bytes, Backend backend = Backend::Automatic);
// nullopt unless every byte is part of a character.
std::optional<QString> decodeStrictly(const QByteArray &bytes, Backend backend = Backend::Automatic);
// A character code page 932 lacks is written as the converter's substitute.
QByteArray encode(const QString &text, Backend backend = Backend::Automatic);
// True when the text is written and read back unchanged.
bool encodable(const QString &text, Backend backend = Backend::Automatic);

} // namespace Cp932
