#include "StreamWavePlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>

namespace {

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

void StreamWavePlayer::close()
{
    // Stops a sound that is still playing: its stream goes, with what is left.
    if (m_sink)
        m_sink->stop();
    m_openFile.clear();
}

void StreamWavePlayer::open(const QString &fileName)
{
    close();
    if (!QFileInfo(fileName).isFile() || !audioDevicePresent())
        return; // no sound, and no message
    auto it = m_loaded.find(fileName);
    if (it == m_loaded.end())
        it = m_loaded.insert(fileName, WaveFile::read(fileName));
    if (!it->format.isValid())
        return;
    if (!m_sink || m_sink->format() != it->format) {
        dispose(m_sink);
        m_sink = new QAudioSink(QMediaDevices::defaultAudioOutput(), it->format, this);
        m_sink->setBufferSize(it->format.bytesForDuration(BufferMs * 1000));
    }
    m_openFile = fileName;
}

void StreamWavePlayer::play()
{
    if (m_openFile.isEmpty() || !m_sink || !audioDevicePresent())
        return;
    // A new stream for every sound cuts the one before short.
    m_stream = m_sink->start();
    if (m_stream)
        m_stream->write(m_loaded.value(m_openFile).samples);
}
