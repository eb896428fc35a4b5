// The sounds of the game screens: nothing with the sound off, and a clock
// short enough for the fastest flashes. Which file each sound plays and the
// sound stopped whichever way a screen is left are pinned by the round and
// challenge tests.
#include "SoundEffects.h"
#include "TestSupport.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

class TestSoundEffects : public QObject
{
    Q_OBJECT
private slots:
    void playsOnlyWithTheSoundOn()
    {
        RecordingSound source;
        bool on = false;
        SoundEffects effects(&source, QStringLiteral("/game/SE"), [&] { return on; });
        // Off, leaving makes no player, so the plugin would not load (the
        // other sounds with the sound off: tst_soundbackend).
        effects.stop();
        QCOMPARE(source.players, 0);
        on = true;
        effects.prepare();
        QCOMPARE(source.players, 1);
        effects.play(Sound::Miss);
        effects.play(Sound::Miss);
        // Switched off while it plays: no new sound, but leaving still stops it.
        on = false;
        effects.play(Sound::Clock);
        effects.stop();
        const QString played = QStringLiteral("play /game/SE/miss.wav");
        QCOMPARE(source.calls, (QStringList{played, played, QStringLiteral("stop")}));
        QCOMPARE(source.players, 1);
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
