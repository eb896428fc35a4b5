// The sound effects of the game screens: the commands their players get,
// and the player closed whichever way a screen is left.
#include "ModeScreen.h"
#include "PictureButton.h"
#include "Program.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

class TestSoundEffects : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_env.emplace();
        TestSupport::openTrainingScreen(*m_env, {"1", "15", "0.05"});
    }
    void cleanup() { m_env.reset(); }

    void sePlay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("soundOff");
        QTest::newRow("clock") << QStringLiteral("clock") << false;
        QTest::newRow("sound off") << QStringLiteral("clock") << true;
    }
    void sePlay()
    {
        QFETCH(QString, name);
        QFETCH(bool, soundOff);
        m_env->changeSettings([=](StoredSettings &s) { s.soundOff = soundOff; });
        TrainingScreen::existing()->playSound(name);
        const QStringList sent{QStringLiteral("Close"), QStringLiteral("Open ") + m_env->path(QStringLiteral("SE/%1.wav").arg(name)),
                               QStringLiteral("Play")};
        QCOMPARE(m_env->soundCommands, soundOff ? QStringList() : sent);
    }

    void leavingTheScreenCloses_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("soundOff");
        QTest::addColumn<bool>("inRound"); // the close box asks, and is answered Yes
        for (const char *way : {"MODE", "EXIT", "exitAction", "close box"})
            QTest::newRow(way) << QString::fromLatin1(way) << false << false;
        QTest::newRow("MODE, sound off") << QStringLiteral("MODE") << true << false;
        QTest::newRow("close box during a round") << QStringLiteral("close box") << false << true;
    }
    void leavingTheScreenCloses()
    {
        QFETCH(QString, way);
        QFETCH(bool, soundOff);
        QFETCH(bool, inRound);
        m_env->changeSettings([=](StoredSettings &s) { s.soundOff = soundOff; });
        TrainingScreen *form = TrainingScreen::existing();
        if (inRound)
            form->m_startButton->click();
        if (way == u"MODE")
            form->m_modeButton->click();
        else if (way == u"EXIT")
            form->m_exitButton->click();
        else if (way == u"exitAction")
            form->m_exitAction->trigger();
        else
            QVERIFY(TestSupport::userClose(form));
        QVERIFY(!TrainingScreen::existing());
        QCOMPARE(ModeScreen::existing() != nullptr, way == u"MODE");
        QCOMPARE(m_env->messageTexts(), inRound ? QStringList{"ゲーム中です。終了しますか？"} : QStringList());
        if (!inRound)
            QCOMPARE(m_env->soundCommands, QStringList{QStringLiteral("Close")});
        QCOMPARE(m_env->soundCommands.last(), QStringLiteral("Close"));
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

private:
    std::optional<TestEnvironment> m_env;
};

QTEST_MAIN(TestSoundEffects)
#include "tst_soundeffects.moc"
