// The wave reader on any bytes (a player may put any file in SE/): it gives
// a playable PCM format with samples from inside the file, or nothing; and
// a plain PCM file written from the input's bytes reads back as written.
#include "FuzzCheck.h"
#include "WaveFile.h"

#include <QtEndian>

namespace {

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const QByteArray &id, const QByteArray &body)
{
    return id + le32(quint32(body.size())) + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const WaveFile wave = WaveFile::parse(bytes);
    if (wave.format.isValid()) {
        FUZZ_CHECK(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
        FUZZ_CHECK(wave.format.sampleRate() > 0);
        FUZZ_CHECK(wave.format.channelCount() == 1 || wave.format.channelCount() == 2);
        FUZZ_CHECK(wave.format.sampleFormat() != QAudioFormat::Unknown && wave.format.sampleFormat() != QAudioFormat::Float);
        FUZZ_CHECK(bytes.contains(wave.samples));
    } else {
        FUZZ_CHECK(wave.samples.isEmpty());
    }

    // The first bytes choose the format, the rest are the samples; a chunk
    // the reader does not know stands before the format.
    if (size < 4)
        return 0;
    const int channels = 1 + data[0] % 2;
    const int bits = data[1] % 3 == 0 ? 8 : data[1] % 3 == 1 ? 16 : 32;
    const quint32 rate = 1 + quint32(data[2]) * 400;
    const QByteArray samples = bytes.mid(4);
    const QByteArray format = le16(1) + le16(quint16(channels)) + le32(rate) + le32(rate * channels * bits / 8)
                              + le16(quint16(channels * bits / 8)) + le16(quint16(bits));
    const QByteArray body = "WAVE" + chunk("LIST", bytes.left(data[3] % 8)) + chunk("fmt ", format) + chunk("data", samples);
    const QByteArray file = "RIFF" + le32(quint32(body.size())) + body;
    const WaveFile written = WaveFile::parse(file);
    FUZZ_CHECK(written.format.isValid() && written.samples == samples);
    FUZZ_CHECK(written.format.channelCount() == channels && written.format.sampleRate() == int(rate));
    FUZZ_CHECK(written.format.bytesPerSample() * 8 == bits);
    // Cut inside its samples, the file is refused rather than read short.
    if (!samples.isEmpty())
        FUZZ_CHECK(!WaveFile::parse(file.left(file.size() - 1 - samples.size() % 2)).format.isValid());
    return 0;
}
