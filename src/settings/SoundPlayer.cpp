#include "SoundPlayer.h"

#include "SoundBackend.h"

namespace {

SoundPlayer::CommandLog &commandLog()
{
    static SoundPlayer::CommandLog log;
    return log;
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("soundPlayer"));
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::setCommandLog(CommandLog log)
{
    commandLog() = std::move(log);
}

void SoundPlayer::makeReady()
{
    if (!commandLog() && !m_wave)
        m_wave = SoundBackend::createPlayer();
}

void SoundPlayer::command(const QString &command)
{
    if (commandLog()) {
        commandLog()(command, command == u"Open" ? m_fileName : QString());
        return;
    }
    // "Open" is only sent with the sound on, so only it, of the commands,
    // loads the plugin; "Close" before any "Open" has nothing to stop.
    if (command == u"Open" && !m_wave)
        m_wave = SoundBackend::createPlayer();
    if (!m_wave)
        return;
    if (command == u"Close")
        m_wave->close();
    else if (command == u"Open")
        m_wave->open(m_fileName);
    else if (command == u"Play")
        m_wave->play();
}
