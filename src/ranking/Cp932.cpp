#include "Cp932.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QLoggingCategory>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

Q_LOGGING_CATEGORY(lcCp932, "plumeno.cp932", QtWarningMsg)

namespace Cp932 {
namespace {

struct Table
{
    std::array<quint16, 256> single{};
    std::array<int, 256> leadRow{};
    QList<quint16> pairs; // 256 words per lead byte
    QByteArray substitute;
    QHash<char32_t, QByteArray> encoded;
    // What the converter refuses other than by its substitute (some it leaves
    // out) or writes although it refuses it.
    QHash<char32_t, QByteArray> refused;
};

// Two bytes (QByteArray{a, b} would be a's count of b).
QByteArray pair(int first, int second)
{
    return QByteArray(1, char(first)) + char(second);
}

QByteArray unpacked(int length, quint16 word)
{
    if (length == 0)
        return {};
    return length == 1 ? QByteArray(1, char(word)) : pair(word >> 8, word & 0xFF);
}

Table loaded()
{
    Table table;
    table.leadRow.fill(-1);
    QFile file(QStringLiteral(":/resources/cp932/cp932.bin"));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    qsizetype at = 0;
    bool whole = true;
    const auto word = [&]() -> quint16 {
        if (at + 2 > bytes.size()) {
            whole = false;
            return TableWord::Illegal;
        }
        at += 2;
        return quint16(quint8(bytes[at - 2]) | quint8(bytes[at - 1]) << 8);
    };
    int leads = 0;
    for (int b = 0; b < 256; ++b) {
        table.single[b] = word();
        if (table.single[b] == TableWord::Lead)
            table.leadRow[b] = leads++;
        else if (table.single[b] != TableWord::Illegal)
            table.encoded.insert(table.single[b], QByteArray(1, char(b)));
    }
    for (int lead = 0; lead < 256; ++lead) {
        for (int second = 0; table.leadRow[lead] >= 0 && second < 256; ++second) {
            const quint16 c = word();
            table.pairs.append(c);
            if (c < TableWord::Unassigned && !table.encoded.contains(c))
                table.encoded.insert(c, pair(lead, second));
        }
    }
    const int substituteLength = word();
    table.substitute = unpacked(substituteLength, word());
    for (int count = word(); count > 0 && whole; --count) {
        const char32_t low = word();
        const char32_t c = low | char32_t(word()) << 16;
        const int length = word();
        const quint16 value = word();
        table.encoded.remove(c);
        const QByteArray written = unpacked(length & ~TableWord::Refused, value);
        if (length & TableWord::Refused)
            table.refused.insert(c, written);
        else
            table.encoded.insert(c, written);
    }
    if (!whole || at != bytes.size())
        qCWarning(lcCp932) << "the code page 932 table is damaged; its text reads as unknown bytes";
    return table;
}

const Table &table()
{
    static const Table t = loaded();
    return t;
}

bool useQt(Backend backend)
{
    static const bool qtConverts = QStringDecoder("CP932").isValid();
    return backend == Backend::Qt || (backend == Backend::Automatic && qtConverts);
}

// As Qt's converter reads: a pair the table does not know stands for
// U+FFFD; a byte that starts nothing for U+001A, and a first byte whose
// second does not fit is such a byte, the second then read on its own.
QString tableDecode(const QByteArray &bytes, bool *error)
{
    const Table &t = table();
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const quint8 b = quint8(bytes[i]);
        quint16 c = t.single[b];
        qsizetype length = 1;
        if (c == TableWord::Lead) {
            if (i + 1 == bytes.size()) {
                *error = true;
                break;
            }
            c = t.pairs.value(t.leadRow[b] * 256 + quint8(bytes[i + 1]), TableWord::Illegal);
            if (c != TableWord::Illegal)
                length = 2;
        }
        if (c == TableWord::Illegal || c == TableWord::Unassigned) {
            *error = true;
            c = c == TableWord::Illegal ? 0x1A : 0xFFFD;
        }
        text.append(QChar(c));
        i += length;
    }
    return text;
}

QByteArray tableEncode(const QString &text, bool *error)
{
    const Table &t = table();
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 == text.size()) {
            *error = true; // the converter waits for its other half
            break;
        }
        char32_t codePoint = c.unicode();
        if (c.isHighSurrogate() && text[i + 1].isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(c, text[++i]);
        const auto found = c.isSurrogate() && codePoint < 0x10000 ? t.encoded.cend() : t.encoded.constFind(codePoint);
        if (found != t.encoded.cend()) {
            bytes += *found;
            continue;
        }
        *error = true;
        bytes += t.refused.value(codePoint, t.substitute);
    }
    return bytes;
}

} // namespace

QString decode(const QByteArray &bytes, Backend backend)
{
    if (useQt(backend)) {
        QStringDecoder decoder("CP932");
        return decoder(bytes);
    }
    bool error = false;
    return tableDecode(bytes, &error);
}

std::optional<QString> decodeStrictly(const QByteArray &bytes, Backend backend)
{
    bool error = false;
    QString text;
    if (useQt(backend)) {
        QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
        text = decoder(bytes);
        error = decoder.hasError();
    } else {
        text = tableDecode(bytes, &error);
    }
    if (error)
        return std::nullopt;
    return text;
}

QByteArray encode(const QString &text, Backend backend)
{
    if (useQt(backend)) {
        QStringEncoder encoder("CP932");
        return encoder(text);
    }
    bool error = false;
    return tableEncode(text, &error);
}

bool encodable(const QString &text, Backend backend)
{
    bool error = false;
    QByteArray bytes;
    if (useQt(backend)) {
        QStringEncoder encoder("CP932", QStringConverter::Flag::Stateless);
        bytes = encoder(text);
        error = encoder.hasError();
    } else {
        bytes = tableEncode(text, &error);
    }
    return !error && decode(bytes, backend) == text;
}

} // namespace Cp932
