// The wave reader of the sound plugin on the files a player may put in SE/:
// plain PCM is read, anything else gives no format and no samples.
#include "WaveFile.h"

#include <QtEndian>
#include <QtTest>

namespace {

QByteArray le(quint32 v, int bytes)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b.left(bytes);
}

// A RIFF file of the chunks, its size field set to what follows it.
QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le(quint32(chunks.size() + 4), 4) + "WAVE" + chunks;
}

QByteArray fmt(int pcm, int channels, int bits)
{
    return "fmt " + le(16, 4) + le(pcm, 2) + le(channels, 2) + le(8000, 4) + le(8000 * channels * bits / 8, 4)
           + le(channels * bits / 8, 2) + le(bits, 2);
}

const QByteArray Samples("\x01\x02\x03", 3);
const QByteArray Data = "data" + le(3, 4) + Samples + '\0';

} // namespace

class TestWaveFile : public QObject
{
    Q_OBJECT
private slots:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("channels"); // 0: refused
        QTest::newRow("mono 8 bit, odd size padded") << riff(fmt(1, 1, 8) + Data) << 1;
        QTest::newRow("stereo 16 bit after a chunk of odd size")
            << riff("LIST" + le(3, 4) + QByteArray("abc", 4) + fmt(1, 2, 16) + Data) << 2;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("header cut short") << riff(fmt(1, 1, 8)).left(10) << 0;
        QTest::newRow("not RIFF") << "RIFX" + riff(fmt(1, 1, 8) + Data).mid(4) << 0;
        QTest::newRow("not WAVE") << riff(fmt(1, 1, 8) + Data).replace("WAVE", "AVI ") << 0;
        QTest::newRow("compressed") << riff(fmt(2, 1, 16) + Data) << 0;
        QTest::newRow("no channels") << riff(fmt(1, 0, 16) + Data) << 0;
        QTest::newRow("three channels") << riff(fmt(1, 3, 16) + Data) << 0;
        QTest::newRow("12 bits") << riff(fmt(1, 1, 12) + Data) << 0;
        QTest::newRow("format cut short") << riff("fmt " + le(14, 4) + fmt(1, 1, 8).mid(8, 14) + Data) << 0;
        QTest::newRow("data before format") << riff(Data + fmt(1, 1, 8)) << 0;
        QTest::newRow("no data") << riff(fmt(1, 1, 8)) << 0;
        QTest::newRow("data past the end") << riff(fmt(1, 1, 8) + "data" + le(400, 4) + Samples) << 0;
        QTest::newRow("chunk size near 4 GiB") << riff(fmt(1, 1, 8) + "data" + le(0xfffffffe, 4) + Samples) << 0;
    }
    void reads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, channels);
        const WaveFile wave = WaveFile::parse(bytes);
        QCOMPARE(wave.samples, channels ? Samples : QByteArray());
        QCOMPARE((QList{int(wave.format.isValid()), wave.format.channelCount(), wave.format.sampleRate()}), (channels ? QList{1, channels, 8000} : QList{0, 0, 0}));
    }
};

QTEST_MAIN(TestWaveFile)
#include "tst_wavefile.moc"
