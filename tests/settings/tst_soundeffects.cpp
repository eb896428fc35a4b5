// The sound effects of the game screens: the commands their players get.
#include "ModeScreen.h"
#include "PictureButton.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

class tst_SoundEffects : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_env.emplace();
        m_env->writeDefaultFiles();
        ModeScreen::instance()->show();
        ModeScreen::existing()->m_trainingButton->click();
    }
    void cleanup() { m_env.reset(); }

    void sePlay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("soundOff");
        for (const char *name : {"clock", "hit", "miss"})
            QTest::addRow("%s", name) << QString::fromLatin1(name) << false;
        QTest::newRow("sound off") << QStringLiteral("clock") << true;
    }
    void sePlay()
    {
        QFETCH(QString, name);
        QFETCH(bool, soundOff);
        sharedState().SoundOff = soundOff;
        TrainingScreen::existing()->playSound(name);
        const QStringList sent{QStringLiteral("Close"), QStringLiteral("Open ") + m_env->path(QStringLiteral("SE/%1.wav").arg(name)),
                               QStringLiteral("Play")};
        QCOMPARE(m_env->soundCommands, soundOff ? QStringList() : sent);
    }

    void leavingTheScreenCloses_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("soundOff");
        for (const char *way : {"MODE", "EXIT", "exitAction", "close box"})
            QTest::newRow(way) << QString::fromLatin1(way) << false;
        QTest::newRow("MODE, sound off") << QStringLiteral("MODE") << true;
    }
    void leavingTheScreenCloses()
    {
        QFETCH(QString, way);
        QFETCH(bool, soundOff);
        sharedState().SoundOff = soundOff;
        TrainingScreen *form = TrainingScreen::existing();
        if (way == u"MODE")
            form->m_modeButton->click();
        else if (way == u"EXIT")
            form->m_exitButton->click();
        else if (way == u"exitAction")
            form->m_exitAction->trigger();
        else
            TestSupport::userClose(form);
        QVERIFY(!TrainingScreen::existing());
        QCOMPARE(m_env->soundCommands, QStringList{QStringLiteral("Close")});
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

QTEST_MAIN(tst_SoundEffects)
#include "tst_soundeffects.moc"
