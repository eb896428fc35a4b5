#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

// The samples and format of a PCM wave file; an invalid format when the file
// cannot be read or is not plain PCM.
struct WaveFile
{
    QAudioFormat format;
    QByteArray samples;

    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    static WaveFile read(const QString &fileName);
    static WaveFile parse(const QByteArray &bytes);
};
