#pragma once

#include "WavePlayerFactory.h"

#include <QStringList>
#include <functional>

// Stands in for the sound plugin: each player records what it is asked
// ("play <file name>", "stop") instead of touching an audio device.
class RecordingSound : public WavePlayerFactory
{
public:
    std::unique_ptr<WavePlayer> createPlayer() override;

    QStringList calls;
    int players = 0; // how many players were made
    std::function<void(const QString &call)> onCall;

    void record(const QString &call);
};
