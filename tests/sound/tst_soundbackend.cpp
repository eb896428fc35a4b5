// The sound plugin is loaded only when a game screen opens or plays a sound
// with the sound on, once for the whole run; with the sound off the program
// never touches Qt Multimedia. These run with the real players, and in the
// order written: the first needs a run that has loaded nothing yet.
#include "ChallengeScreen.h"
#include "PictureButton.h"
#include "ProgramSetup.h"
#include "SettingsProcedures.h"
#include "SharedState.h"
#include "SoundPluginLoader.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QComboBox>
#include <QFile>
#include <QLoggingCategory>
#include <QtTest>

namespace {

bool multimediaMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

} // namespace

class tst_SoundBackend : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_env.emplace();
        m_env->writeDefaultFiles();
        Settings::setDefaults();
        // The real sounds in the program directory, played by the real players.
        for (const char *name : {"clock", "hit", "miss"}) {
            QFile wave(QCoreApplication::applicationDirPath() + QStringLiteral("/../SE/%1.wav").arg(QLatin1String(name)));
            QVERIFY(wave.open(QIODevice::ReadOnly));
            m_env->writeFile(QStringLiteral("SE/%1.wav").arg(QLatin1String(name)), wave.readAll());
        }
        m_plugin.emplace(QCoreApplication::applicationDirPath() + QStringLiteral("/../plugins"));
        ProgramSetup::install(&*m_plugin);
    }
    void cleanup() { m_env.reset(); }

    void soundOffNeverLoadsThePlugin()
    {
        QVERIFY(!multimediaMapped());
        sharedState().SoundOff = true;
        // A whole round, right answer and all, then out through MODE.
        TrainingScreen *form = TrainingScreen::instance();
        form->show();
        form->m_digitsBox->setEditText(QStringLiteral("1"));
        form->m_termsBox->setEditText(QStringLiteral("4"));
        form->m_intervalBox->setEditText(QStringLiteral("0.02"));
        TestSupport::answerNextDialog([form] { return QString::number(form->m_roundSum); });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!m_env->messages.isEmpty(), 10000);
        QCOMPARE(m_env->messageTexts(), QStringList{QStringLiteral("正解!!")});
        form->playSound(Sound::Miss);
        form->close();
        ChallengeScreen::instance()->playSound(Sound::Clock);

        QCOMPARE(m_plugin->loadAttempts(), 0);
        QVERIFY(!multimediaMapped());
    }

    void aMissingPluginIsSilenceAndLogged()
    {
        QTemporaryDir empty;
        SoundPluginLoader missing(empty.path());
        ProgramSetup::install(&missing);
        sharedState().SoundOff = false;
        QLoggingCategory::setFilterRules(QStringLiteral("plumeno.sound.info=true"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("plumeno_sound.* did not load")));
        // A game screen opening with the sound on makes its sound ready.
        TrainingScreen *form = TrainingScreen::instance();
        QCOMPARE(missing.loadAttempts(), 1);
        for (Sound sound : {Sound::Clock, Sound::Clock, Sound::Hit})
            form->playSound(sound);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(!missing.isLoaded());
        QCOMPARE(missing.loadAttempts(), 1); // tried once, not at every sound
        QVERIFY(m_env->messages.isEmpty());
    }

    void soundSwitchedOnLoadsThePluginOnce()
    {
        // Opened with the sound off: no plugin.
        sharedState().SoundOff = true;
        TrainingScreen *training = TrainingScreen::instance();
        training->playSound(Sound::Clock);
        QCOMPARE(m_plugin->loadAttempts(), 0);

        // Switched on: the next sound loads it.
        sharedState().SoundOff = false;
        for (Sound sound : {Sound::Clock, Sound::Clock, Sound::Hit, Sound::Miss})
            training->playSound(sound);
        QVERIFY(m_plugin->isLoaded());
        QVERIFY(multimediaMapped());
        training->close();
        ChallengeScreen *challenge = ChallengeScreen::instance();
        for (Sound sound : {Sound::Clock, Sound::Hit})
            challenge->playSound(sound);
        challenge->close();
        QCOMPARE(m_plugin->loadAttempts(), 1);
        QVERIFY(m_env->messages.isEmpty());
    }

private:
    std::optional<TestEnvironment> m_env;
    std::optional<SoundPluginLoader> m_plugin;
};

QTEST_MAIN(tst_SoundBackend)
#include "tst_soundbackend.moc"
