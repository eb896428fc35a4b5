#pragma once

#include "WavePlayerFactory.h"

#include <QObject>

// The sound plugin: hands out players built on Qt Multimedia.
class MultimediaSoundPlugin : public QObject, public WavePlayerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.plumeno.WavePlayerFactory/2")
    Q_INTERFACES(WavePlayerFactory)
public:
    std::unique_ptr<WavePlayer> createPlayer() override;
};
