#include "WaveFile.h"

#include <QFile>
#include <QtEndian>

WaveFile WaveFile::read(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return {};
    return parse(file.readAll());
}

WaveFile WaveFile::parse(const QByteArray &b)
{
    WaveFile wave;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return wave;
    const auto le16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    const auto le32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    QAudioFormat format;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = le32(at + 4);
        const qsizetype body = at + 8;
        if (size > b.size() - body)
            return wave;
        if (id == "fmt " && size >= 16) {
            const int pcm = le16(body), channels = le16(body + 2), bits = le16(body + 14);
            if (pcm != 1 || channels < 1 || channels > 2 || (bits != 8 && bits != 16 && bits != 32))
                return wave;
            format.setSampleRate(int(le32(body + 4)));
            format.setChannelCount(channels);
            format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : bits == 16 ? QAudioFormat::Int16 : QAudioFormat::Int32);
        } else if (id == "data" && format.isValid()) {
            wave.format = format;
            wave.samples = b.mid(body, size);
            return wave;
        }
        at = body + size + (size & 1);
    }
    return wave;
}
