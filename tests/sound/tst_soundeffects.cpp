// The sounds of the game screens: which file each sound plays, nothing with
// the sound off, and the sound stopped whichever way a screen is left.
#include "ModeScreen.h"
#include "PictureButton.h"
#include "SoundEffects.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

class TestSoundEffects : public QObject
{
    Q_OBJECT
private slots:
    // Which file each sound plays is pinned by the round and challenge tests.
    void playsOnlyWithTheSoundOn()
    {
        const Sound sound = Sound::Miss;
        RecordingSound source;
        bool on = false;
        SoundEffects effects(&source, QStringLiteral("/game/SE"), [&] { return on; });
        // Off: no player is made, so the plugin would not load.
        effects.prepare();
        effects.play(sound);
        effects.stop();
        QCOMPARE(source.players, 0);
        QVERIFY(source.calls.isEmpty());
        on = true;
        effects.prepare();
        QCOMPARE(source.players, 1);
        effects.play(sound);
        effects.play(sound);
        // Switched off while it plays: no new sound, but leaving still stops it.
        on = false;
        effects.play(Sound::Clock);
        effects.stop();
        const QString played = QStringLiteral("play /game/SE/miss.wav");
        QCOMPARE(source.calls, (QStringList{played, played, QStringLiteral("stop")}));
        QCOMPARE(source.players, 1);
    }

    void leavingTheScreenStopsTheSound_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("inRound"); // the close box asks, and is answered Yes
        for (const char *way : {"MODE", "EXIT", "exitAction", "close box"})
            QTest::newRow(way) << QString::fromLatin1(way) << false;
        QTest::newRow("close box during a round") << QStringLiteral("close box") << true;
    }
    void leavingTheScreenStopsTheSound()
    {
        QFETCH(QString, way);
        QFETCH(bool, inRound);
        TestEnvironment env;
        TrainingScreen *screen = TestSupport::openTrainingScreen(env, {"1", "15", "0.05"});
        if (inRound)
            screen->m_startButton->click();
        if (way == u"MODE")
            screen->m_modeButton->click();
        else if (way == u"EXIT")
            screen->m_exitButton->click();
        else if (way == u"exitAction")
            screen->m_exitAction->trigger();
        else
            QVERIFY(TestSupport::userClose(screen));
        QVERIFY(!TrainingScreen::existing());
        QCOMPARE(ModeScreen::existing() != nullptr, way == u"MODE");
        QCOMPARE(env.messageTexts(), inRound ? QStringList{"ゲーム中です。終了しますか？"} : QStringList());
        QCOMPARE(env.sound.calls.filter(QStringLiteral("stop")), QStringList{"stop"});
        QCOMPARE(env.sound.calls.last(), QStringLiteral("stop"));
    }

    void clockIsShortEnoughForTheFastestFlashes()
    {
        // The build writes the sounds into SE/ beside the program, one level up.
        QFile wave(QCoreApplication::applicationDirPath() + QStringLiteral("/../SE/clock.wav"));
        QVERIFY(wave.open(QIODevice::ReadOnly));
        const QByteArray b = wave.readAll();
        const auto le32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
        QVERIFY(b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt " && b.mid(36, 4) == "data");
        const double seconds = double(le32(40)) / le32(28); // data bytes / bytes per second
        QVERIFY2(seconds > 0.01 && seconds < 0.05, qPrintable(QString::number(seconds)));
    }
};

QTEST_MAIN(TestSoundEffects)
#include "tst_soundeffects.moc"
