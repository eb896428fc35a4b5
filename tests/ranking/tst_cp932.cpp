#include "Cp932.h"

#include <QStringDecoder>
#include <QTest>

using Cp932::Backend;

// The game's own code page 932 table, for Qt builds without the converter,
// must read and write exactly as the converter does.
class TestCp932 : public QObject
{
    Q_OBJECT

private slots:
    void decodesEveryByteAndPairAsTheConverter()
    {
        QVERIFY(QStringDecoder("CP932").isValid());
        for (int first = 0; first < 256; ++first) {
            for (int second = -1; second < 256; ++second) {
                const QByteArray bytes = QByteArray(1, char(first)) + (second >= 0 ? QByteArray(1, char(second)) : QByteArray());
                QCOMPARE(Cp932::decode(bytes, Backend::Table), Cp932::decode(bytes, Backend::Qt));
                QCOMPARE(Cp932::decodeStrictly(bytes, Backend::Table), Cp932::decodeStrictly(bytes, Backend::Qt));
            }
        }
    }

    void encodesEveryCodePointAsTheConverter()
    {
        for (char32_t c = 0; c < 0x110000; ++c) {
            // A lone surrogate too, before a character and at the end.
            const QString text = c < 0x10000 ? QString(QChar(c)) + u'A' + QChar(c) : QString::fromUcs4(&c, 1);
            QCOMPARE(Cp932::encode(text, Backend::Table), Cp932::encode(text, Backend::Qt));
            QCOMPARE(Cp932::encodable(text, Backend::Table), Cp932::encodable(text, Backend::Qt));
        }
    }
};

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"
