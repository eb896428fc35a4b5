#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QSoundEffect;

// A wave player driven by the commands "Close", "Open" and "Play", one per
// game screen. Only one sound plays at a time; failures stay silent.
class MMControl : public QObject
{
    Q_OBJECT
public:
    explicit MMControl(QObject *parent = nullptr);

    QString DeviceType;
    QString FileName;
    bool Notify = false;
    bool Wait = false;
    bool Shareable = false;

    void Command(const QString &command);

    // Tests see every command (with the file name for "Open") and no
    // audio device is touched while a log is installed.
    using CommandLog = std::function<void(const QString &command, const QString &fileName)>;
    static void SetCommandLog(CommandLog log);

private:
    QSoundEffect *effectFor(const QString &fileName);

    // Loading a wave file takes longer than a fast flash interval, so each
    // file is loaded once and kept for the life of the screen.
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_open = nullptr;
};
