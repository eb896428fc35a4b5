// Writes the code page 932 table the game uses where Qt has no converter for
// it (Qt builds without ICU): it asks this machine's converter what every
// single byte and every byte pair decodes to, and what every character of the
// Basic Multilingual Plane encodes to, and keeps what it answered.
//
//   make_table <output file>      (resources/cp932/cp932.bin is its output)
//
// The layout, little-endian 16-bit words:
//   256 words, one per byte: its character, Lead or Illegal;
//   256 words per lead byte, in byte order: what the lead byte followed by
//     each byte gives: a character, Unassigned or Illegal (the lead byte
//     alone is refused and the second byte is read again);
//   the substitute the encoder writes for a character it lacks: length, bytes;
//   a count of code points the encoder does not write as the first byte
//     sequence that decodes to them, then for each: the code point (low word,
//     high word), the length of its bytes (with Refused added when the
//     encoder reports it cannot write it) and the bytes.
#include "Cp932.h"

#include <QFile>
#include <QList>
#include <QMap>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cstdio>

namespace {

[[noreturn]] void fail(const char *what, int value)
{
    std::fprintf(stderr, "make_table: %s (0x%X)\n", what, value);
    std::exit(1);
}

struct Decoded
{
    QString text;
    bool error = false;
};

Decoded decoded(const QByteArray &bytes)
{
    QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
    Decoded d;
    d.text = decoder(bytes);
    d.error = decoder.hasError();
    return d;
}

void put(QByteArray &out, quint16 word)
{
    out.append(char(word & 0xFF));
    out.append(char(word >> 8));
}

quint16 packed(const QByteArray &bytes)
{
    return bytes.size() == 1 ? quint8(bytes[0]) : quint16(quint8(bytes[0]) << 8 | quint8(bytes[1]));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 || !QStringDecoder("CP932").isValid()) {
        std::fprintf(stderr, "usage: make_table <output file> (needs Qt with its CP932 converter)\n");
        return 2;
    }
    QByteArray out;
    QMap<char16_t, QByteArray> firstSource; // the first byte sequence that decodes to each character
    QList<int> leads;
    for (int b = 0; b < 256; ++b) {
        const Decoded d = decoded(QByteArray(1, char(b)));
        quint16 word;
        if (d.text.isEmpty() && d.error) {
            word = Cp932::TableWord::Lead;
            leads.append(b);
        } else if (d.text == QString(QChar(0x1A)) && d.error) {
            word = Cp932::TableWord::Illegal;
        } else if (d.text.size() == 1 && !d.error && d.text[0].unicode() < Cp932::TableWord::Illegal) {
            word = d.text[0].unicode();
            firstSource.insert(word, QByteArray(1, char(b)));
        } else {
            fail("single byte of an unknown kind", b);
        }
        put(out, word);
    }
    for (int lead : leads) {
        for (int second = 0; second < 256; ++second) {
            const QByteArray pair = QByteArray(1, char(lead)) + char(second);
            const Decoded d = decoded(pair);
            const Decoded alone = decoded(pair.right(1));
            quint16 word;
            if (d.error && d.text == QString(QChar(0x1A)) + alone.text)
                word = Cp932::TableWord::Illegal;
            else if (d.error && d.text == QString(QChar(0xFFFD)))
                word = Cp932::TableWord::Unassigned;
            else if (!d.error && d.text.size() == 1 && d.text[0].unicode() < Cp932::TableWord::Unassigned)
                word = d.text[0].unicode();
            else
                fail("byte pair of an unknown kind", lead << 8 | second);
            if (word < Cp932::TableWord::Unassigned && !firstSource.contains(word))
                firstSource.insert(word, pair);
            put(out, word);
        }
    }
    QStringEncoder substituting("CP932", QStringConverter::Flag::Stateless);
    const QByteArray substitute = substituting(QString(QChar(0xFFFF)));
    if (!substituting.hasError() || substitute.isEmpty() || substitute.size() > 2)
        fail("no substitute from the encoder", substitute.size());
    put(out, quint16(substitute.size()));
    put(out, packed(substitute));
    QByteArray exceptions;
    int count = 0;
    for (char32_t c = 0; c < 0x110000; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        QStringEncoder encoder("CP932", QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder(QString::fromUcs4(&c, 1));
        const bool refused = encoder.hasError();
        if (bytes.size() > 2 || (refused && !bytes.isEmpty() && bytes != substitute))
            fail("an unexpected answer from the encoder", c);
        const QByteArray first = c < 0x10000 ? firstSource.value(char16_t(c)) : QByteArray();
        if (refused ? (first.isEmpty() && bytes == substitute) : (!first.isEmpty() && bytes == first))
            continue;
        const quint16 length = quint16(bytes.size()) | (refused ? Cp932::TableWord::Refused : 0);
        put(exceptions, quint16(c & 0xFFFF));
        put(exceptions, quint16(c >> 16));
        put(exceptions, length);
        put(exceptions, bytes.size() > 0 ? packed(bytes) : 0);
        ++count;
    }
    put(out, quint16(count));
    out += exceptions;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
        fail("cannot write the output file", 0);
    std::printf("%lld bytes, %lld lead bytes, %d characters written otherwise than first decoded\n", qsizetype(out.size()),
                qsizetype(leads.size()), count);
    return 0;
}
