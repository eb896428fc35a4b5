#pragma once

#include "WaveFile.h"
#include "WavePlayer.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

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

    void play(const QString &fileName) override;
    void stop() override;

private:
    // Read once, kept for the life of the screen; a file that could not be
    // read stays silent without being tried again.
    QHash<QString, WaveFile> m_loaded;
    QSet<QString> m_reported; // files already logged as silent
    QAudioSink *m_sink = nullptr;
    QPointer<QIODevice> m_stream;
};
