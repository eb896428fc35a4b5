// The sound plugin is loaded only when a game screen opens or plays a sound
// with the sound on, once for the whole run; with the sound off the program
// never touches Qt Multimedia. These run with the real players, and in the
// order written: the first needs a run that has loaded nothing yet.
#include "ChallengeScreen.h"
#include "Program.h"
#include "ScreenRegistry.h"
#include "SoundPluginLoader.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QFile>
#include <QLoggingCategory>
#include <QtTest>

class TestSoundBackend : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_plugin.emplace(QCoreApplication::applicationDirPath() + QStringLiteral("/../plugins"));
        m_env.emplace(&*m_plugin);
        m_env->writeDefaultFiles();
        // The real sounds in the program directory, played by the real players.
        QVERIFY(QDir().mkpath(m_env->path("SE")));
        for (const QString name : {"/clock.wav", "/hit.wav", "/miss.wav"})
            QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/../SE" + name, m_env->path("SE") + name));
    }
    void cleanup() { m_env.reset(); m_plugin.reset(); }

    void soundOffNeverLoadsThePluginSwitchedOnLoadsItOnce()
    {
        QVERIFY(!multimediaMapped());
        m_env->changeSettings([](StoredSettings &s) { s.soundOff = true; });
        // A screen opened, every sound played, the screen left.
        TrainingScreen *screen = m_env->program().trainingScreen();
        for (Sound sound : {Sound::Clock, Sound::Hit, Sound::Miss})
            screen->playSound(sound);
        screen->close();
        m_env->program().challengeScreen()->playSound(Sound::Clock);

        QCOMPARE(m_plugin->loadAttempts(), 0);

        // Switched on: the next sound of the screen already open loads it,
        // once for the whole run.
        m_env->changeSettings([](StoredSettings &s) { s.soundOff = false; });
        ChallengeScreen *challenge = m_env->program().challengeScreen();
        challenge->playSound(Sound::Clock);
        QVERIFY(m_plugin->isLoaded() && multimediaMapped());
        challenge->close();
        screen = m_env->program().trainingScreen();
        for (Sound sound : {Sound::Clock, Sound::Clock, Sound::Hit, Sound::Miss})
            screen->playSound(sound);
        screen->close();
        QCOMPARE(m_plugin->loadAttempts(), 1);
        QVERIFY(m_env->messages.isEmpty());
    }

    void aMissingPluginIsSilenceAndLogged()
    {
        QTemporaryDir empty;
        SoundPluginLoader missing(empty.path());
        Program program(nullptr, &missing);
        QLoggingCategory::setFilterRules(QStringLiteral("plumeno.sound.info=true"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("plumeno_sound.* did not load")));
        // A game screen opening with the sound on makes its sound ready.
        TrainingScreen *screen = program.trainingScreen();
        QCOMPARE(missing.loadAttempts(), 1);
        for (Sound sound : {Sound::Clock, Sound::Clock, Sound::Hit})
            screen->playSound(sound);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(missing.loadAttempts(), 1); // tried once, not at every sound
        QVERIFY(m_env->messages.isEmpty());
        // The screens go before the program they belong to.
        ScreenRegistry::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    std::optional<SoundPluginLoader> m_plugin;
    std::optional<TestEnvironment> m_env;

    static bool multimediaMapped()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
    }
};

QTEST_MAIN(TestSoundBackend)
#include "tst_soundbackend.moc"
