#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>

// A broken property stops the run with the input that broke it saved by
// libFuzzer; assert() would vanish in a build with NDEBUG.
#define FUZZ_CHECK(condition)                                                                                                              \
    do {                                                                                                                                   \
        if (!(condition)) {                                                                                                                \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);                                          \
            std::abort();                                                                                                                  \
        }                                                                                                                                  \
    } while (false)

// The fuzzer's bytes as text: a first byte with its low bit set takes the
// rest as UTF-16 (lone surrogates and all), otherwise as UTF-8.
inline QString fuzzText(const unsigned char *data, size_t size)
{
    if (size == 0)
        return QString();
    const char *rest = reinterpret_cast<const char *>(data + 1);
    const qsizetype n = qsizetype(size - 1);
    if (data[0] & 1)
        return QString(reinterpret_cast<const QChar *>(QByteArray(rest, n).constData()), n / 2);
    return QString::fromUtf8(rest, n);
}
