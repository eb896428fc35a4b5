#include "RecordingSound.h"

namespace {

class RecordingPlayer : public WavePlayer
{
public:
    explicit RecordingPlayer(RecordingSound &sound) : m_sound(sound) {}
    void play(const QString &fileName) override { m_sound.record(QStringLiteral("play ") + fileName); }
    void stop() override { m_sound.record(QStringLiteral("stop")); }

private:
    RecordingSound &m_sound;
};

} // namespace

std::unique_ptr<WavePlayer> RecordingSound::createPlayer()
{
    ++players;
    return std::make_unique<RecordingPlayer>(*this);
}

void RecordingSound::record(const QString &call)
{
    calls.append(call);
    if (onCall)
        onCall(call);
}
