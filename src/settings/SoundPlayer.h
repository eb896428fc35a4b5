#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QSoundEffect;

// A wave player driven by the commands "Close", "Open" and "Play", one per
// game screen. Only one sound plays at a time; failures stay silent.
class SoundPlayer : public QObject
{
    Q_OBJECT
public:
    explicit SoundPlayer(QObject *parent = nullptr);

    QString m_deviceType;
    QString m_fileName;
    bool m_notify = false;
    bool m_wait = false;
    bool m_shareable = false;

    void command(const QString &command);

    // Tests see every command (with the file name for "Open") and no
    // audio device is touched while a log is installed.
    using CommandLog = std::function<void(const QString &command, const QString &fileName)>;
    static void setCommandLog(CommandLog log);

private:
    void close();
    void open();
    void play();

    // One silent effect per file keeps its wave loaded for the life of the
    // screen: loading takes longer than a fast flash interval.
    QHash<QString, QSoundEffect *> m_loaded;
    QString m_openFile;
    QPointer<QSoundEffect> m_sounding;
};
