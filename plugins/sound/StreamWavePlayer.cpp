#include "StreamWavePlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>

namespace {

Q_LOGGING_CATEGORY(soundLog, "plumeno.sound", QtWarningMsg)

// Asked at every Open and Play, so that a device plugged in during the game is
// used from the next sound on.
bool audioDevicePresent()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

// The server's buffer for each sound: short, so that playback starts as soon
// as this much has arrived, which the whole sound is at once.
constexpr int BufferMs = 10;

} // namespace

StreamWavePlayer::StreamWavePlayer()
{
    // Connects to the audio system now, not at the first sound.
    audioDevicePresent();
}

namespace {

// Later, as QSoundEffect does with its sinks: Qt's PulseAudio sink runs the
// event loop as it is destroyed, which must not happen inside a screen's
// own destruction.
void dispose(QAudioSink *sink)
{
    if (!sink)
        return;
    sink->stop();
    sink->setParent(nullptr);
    sink->deleteLater();
}

} // namespace

StreamWavePlayer::~StreamWavePlayer()
{
    dispose(m_sink);
}

void StreamWavePlayer::stop()
{
    // Stops a sound that is still playing: its stream goes, with what is left.
    if (m_sink)
        m_sink->stop();
}

void StreamWavePlayer::play(const QString &fileName)
{
    stop();
    if (!audioDevicePresent())
        return; // no sound, and no message
    auto it = m_loaded.find(fileName);
    if (it == m_loaded.end()) {
        // A missing file is looked for again at the next sound: a player
        // may put it back during the game.
        const bool present = QFileInfo(fileName).isFile();
        const WaveFile wave = present ? WaveFile::read(fileName) : WaveFile{};
        if (!wave.format.isValid() && !m_reported.contains(fileName)) {
            m_reported.insert(fileName);
            qCInfo(soundLog).noquote() << "no sound from" << fileName << (present ? "(unreadable or not plain PCM)" : "(no such file)");
        }
        if (!present)
            return;
        it = m_loaded.insert(fileName, wave);
    }
    if (!it->format.isValid())
        return;
    if (!m_sink || m_sink->format() != it->format) {
        dispose(m_sink);
        m_sink = new QAudioSink(QMediaDevices::defaultAudioOutput(), it->format, this);
        m_sink->setBufferSize(it->format.bytesForDuration(BufferMs * 1000));
    }
    // A new stream for every sound cuts the one before short.
    m_stream = m_sink->start();
    if (m_stream)
        m_stream->write(it->samples);
}
