#pragma once

#include "WavePlayer.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QSoundEffect;

// The game's wave player on Qt Multimedia's QSoundEffect.
class SoundEffectPlayer : public QObject, public WavePlayer
{
    Q_OBJECT
public:
    SoundEffectPlayer();
    ~SoundEffectPlayer() override;

    void open(const QString &fileName) override;
    void play() override;
    void close() override;

private:
    // One silent effect per file keeps its wave loaded for the life of the
    // screen: loading takes longer than a fast flash interval.
    QHash<QString, QSoundEffect *> m_loaded;
    QString m_openFile;
    QPointer<QSoundEffect> m_sounding;
};
