#include "ClickLatency.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

// A PulseAudio server of the benchmark's own, on a socket in a temporary
// directory, with one null sink: nothing is heard and nothing of the
// desktop's own sound is touched.
class PrivateSoundServer
{
public:
    explicit PrivateSoundServer(const QString &program)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(program, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                                 QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-level=error"), QStringLiteral("-L"),
                                 QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket(), QStringLiteral("-L"),
                                 QStringLiteral("module-null-sink sink_name=plumeno_bench rate=48000 channels=1")});
        m_server.waitForStarted(5000);
        for (int i = 0; i < 100 && m_server.state() == QProcess::Running && !QFileInfo::exists(socket()); ++i)
            QThread::msleep(50);
    }
    ~PrivateSoundServer()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(3000))
            m_server.kill();
        m_server.waitForFinished(1000);
    }

    bool running() const { return m_server.state() == QProcess::Running && QFileInfo::exists(socket()); }
    QString socket() const { return m_dir.filePath(QStringLiteral("native")); }
    QString output() { return QString::fromLocal8Bit(m_server.readAll()).trimmed(); }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
};

} // namespace

void printClickLatency(QTextStream &out, int flashes)
{
    out << "\nClick latency: from a number's first paint to its click in the audio output\n"
           "(a private PulseAudio server's null sink, recorded from its monitor with parec: when the\n"
           "server mixes the click; a sound card adds its own output latency after that)\n";
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (pulseaudio.isEmpty() || parec.isEmpty()) {
        out << "  skipped: needs the Debian packages pulseaudio and pulseaudio-utils (`make bench` installs them)\n";
        out.flush();
        return;
    }
    PrivateSoundServer server(pulseaudio);
    if (!server.running()) {
        out << "  skipped: the sound server did not start: " << server.output() << "\n";
        out.flush();
        return;
    }
    // The game's sound player connects to the server at its first sound, in
    // a process of its own, so nothing else of the benchmark has touched sound.
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + server.socket());
    env.insert(QStringLiteral("PULSE_SINK"), QStringLiteral("plumeno_bench"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("click_latency")), {parec, QString::number(flashes)});
    if (!child.waitForFinished(600000))
        child.kill();
    out << child.readAllStandardOutput();
    out.flush();
}
