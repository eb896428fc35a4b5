#pragma once

#include "WavePlayer.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// A wave player driven by the commands "Close", "Open" and "Play", one per
// game screen. Only one sound plays at a time; failures stay silent. The
// player that sounds comes from the sound plugin at the first "Open".
class SoundPlayer : public QObject
{
    Q_OBJECT
public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    QString m_deviceType;
    QString m_fileName;
    bool m_notify = false;
    bool m_wait = false;
    bool m_shareable = false;

    void command(const QString &command);
    // Loads the sound plugin and connects to the audio system ahead of the
    // first sound; not a command, nothing opens or plays.
    void makeReady();

    // Tests see every command (with the file name for "Open") and no
    // audio device is touched while a log is installed.
    using CommandLog = std::function<void(const QString &command, const QString &fileName)>;
    static void setCommandLog(CommandLog log);

private:
    std::unique_ptr<WavePlayer> m_wave; // made at the first "Open"
};
