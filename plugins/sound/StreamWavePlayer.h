#pragma once

#include "WaveFile.h"
#include "WavePlayer.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QAudioSink;
class QIODevice;

// The game's wave player on a Qt Multimedia audio sink that is handed the
// whole sound at once: the sound starts as soon as the server has it, where
// QSoundEffect first waits for its 20 ms feeding timer.
class StreamWavePlayer : public QObject, public WavePlayer
{
    Q_OBJECT
public:
    StreamWavePlayer();
    ~StreamWavePlayer() override;

    void open(const QString &fileName) override;
    void play() override;
    void close() override;

private:
    QHash<QString, WaveFile> m_loaded; // read once, kept for the life of the screen
    QString m_openFile;
    QAudioSink *m_sink = nullptr;
    QPointer<QIODevice> m_stream;
};
