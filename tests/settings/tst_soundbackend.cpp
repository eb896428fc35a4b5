// The sound plugin is loaded only when a game screen opens or plays a sound
// with the sound on, once for the whole run; with the sound off the program
// never touches Qt Multimedia. These run with the real players, not the command
// log, and in the order written: the first needs a run that has loaded
// nothing yet.
#include "ChallengeScreen.h"
#include "PictureButton.h"
#include "SettingsStore.h"
#include "SoundBackend.h"
#include "SoundPlayer.h"
#include "Program.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QComboBox>
#include <QFile>
#include <QtTest>

namespace {

bool multimediaMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

QString builtPlugins()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../plugins");
}

} // namespace

class TestSoundBackend : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_env.emplace();
        m_env->writeDefaultFiles();
        // The real sounds in the program directory, played by the real players.
        for (const char *name : {"clock", "hit", "miss"}) {
            QFile wave(QCoreApplication::applicationDirPath() + QStringLiteral("/../SE/%1.wav").arg(QLatin1String(name)));
            QVERIFY(wave.open(QIODevice::ReadOnly));
            m_env->writeFile(QStringLiteral("SE/%1.wav").arg(QLatin1String(name)), wave.readAll());
        }
        SoundPlayer::setCommandLog(nullptr);
        SoundBackend::setPluginDir(builtPlugins());
    }
    void cleanup() { m_env.reset(); }

    void soundOffNeverLoadsThePlugin()
    {
        QVERIFY(!multimediaMapped());
        m_env->changeSettings([](StoredSettings &s) { s.soundOff = true; });
        // A whole round, right answer and all, then out through MODE.
        TrainingScreen *form = TestSupport::program().trainingScreen();
        form->show();
        form->m_digitsBox->setEditText(QStringLiteral("1"));
        form->m_termsBox->setEditText(QStringLiteral("4"));
        form->m_intervalBox->setEditText(QStringLiteral("0.02"));
        TestSupport::answerNextDialog([form] { return QString::number(form->m_roundSum); });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!m_env->messages.isEmpty(), 10000);
        QCOMPARE(m_env->messageTexts(), QStringList{QStringLiteral("正解!!")});
        form->playSound(QStringLiteral("miss"));
        form->close();
        TestSupport::program().challengeScreen()->playSound(QStringLiteral("clock"));

        QVERIFY(!SoundBackend::isLoaded());
        QCOMPARE(SoundBackend::loadAttempts(), 0);
        QVERIFY(!multimediaMapped());
    }

    void aMissingPluginIsSilence()
    {
        QTemporaryDir empty;
        SoundBackend::setPluginDir(empty.path());
        m_env->changeSettings([](StoredSettings &s) { s.soundOff = false; });
        // A game screen opening with the sound on makes its sound ready.
        TrainingScreen *form = TestSupport::program().trainingScreen();
        QCOMPARE(SoundBackend::loadAttempts(), 1);
        for (const char *name : {"clock", "clock", "hit"})
            form->playSound(QString::fromLatin1(name));
        QVERIFY(!SoundBackend::isLoaded());
        QCOMPARE(SoundBackend::loadAttempts(), 1); // tried once, not at every sound
        QVERIFY(m_env->messages.isEmpty());
    }

    void soundSwitchedOnLoadsThePluginOnce()
    {
        const int before = SoundBackend::loadAttempts();
        // Opened with the sound off and left again: no plugin.
        m_env->changeSettings([](StoredSettings &s) { s.soundOff = true; });
        TrainingScreen *training = TestSupport::program().trainingScreen();
        training->playSound(QStringLiteral("clock"));
        QCOMPARE(SoundBackend::loadAttempts(), before);

        // Switched on: the next sound loads it.
        m_env->changeSettings([](StoredSettings &s) { s.soundOff = false; });
        for (const char *name : {"clock", "clock", "hit", "miss"})
            training->playSound(QString::fromLatin1(name));
        QVERIFY(SoundBackend::isLoaded());
        QVERIFY(multimediaMapped());
        training->close();
        ChallengeScreen *challenge = TestSupport::program().challengeScreen();
        for (const char *name : {"clock", "hit"})
            challenge->playSound(QString::fromLatin1(name));
        challenge->close();
        QCOMPARE(SoundBackend::loadAttempts(), before + 1);
        QVERIFY(m_env->messages.isEmpty());
    }

private:
    std::optional<TestEnvironment> m_env;
};

QTEST_MAIN(TestSoundBackend)
#include "tst_soundbackend.moc"
