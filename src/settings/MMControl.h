#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
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
    void close();
    void open();
    void play();

    // One silent effect per file keeps its wave loaded for the life of the
    // screen: loading takes longer than a fast flash interval.
    QHash<QString, QSoundEffect *> m_loaded;
    QString m_openFile;
    QPointer<QSoundEffect> m_sounding;
};
