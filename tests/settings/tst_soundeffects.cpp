// The sound effects of the game screens: the commands their players get.
#include "Form1.h"
#include "Form2.h"
#include "MMControl.h"
#include "PictureButton.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSoundEffect>
#include <QtTest>

namespace {

Form1 *startTraining(TestEnvironment &env)
{
    env.writeDefaultFiles();
    Form2::instance()->show();
    Form2::existing()->Command1->click();
    return Form1::existing();
}

} // namespace

class tst_SoundEffects : public QObject
{
    Q_OBJECT
private slots:
    void sePlay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("soundOff");
        for (const char *name : {"clock", "hit", "miss"}) {
            QTest::addRow("%s", name) << QString::fromLatin1(name) << false;
            QTest::addRow("%s, sound off", name) << QString::fromLatin1(name) << true;
        }
    }
    void sePlay()
    {
        QFETCH(QString, name);
        QFETCH(bool, soundOff);
        TestEnvironment env;
        Form1 *form = startTraining(env);
        Module1::State().SoundOff = soundOff;
        form->SE_Play(name);
        const QStringList expected{QStringLiteral("Close"),
                                   QStringLiteral("Open ") + env.path(QStringLiteral("SE/%1.wav").arg(name)),
                                   QStringLiteral("Play")};
        QCOMPARE(env.soundCommands, soundOff ? QStringList() : expected);
    }

    void leavingTheScreenCloses_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("soundOff");
        for (bool off : {false, true})
            for (const char *way : {"MODE", "EXIT", "IDMEnd", "close box"})
                QTest::addRow("%s%s", way, off ? ", sound off" : "") << QString::fromLatin1(way) << off;
    }
    void leavingTheScreenCloses()
    {
        QFETCH(QString, way);
        QFETCH(bool, soundOff);
        TestEnvironment env;
        QPointer<Form1> form = startTraining(env);
        Module1::State().SoundOff = soundOff;
        if (way == u"MODE")
            form->Command3->click();
        else if (way == u"EXIT")
            form->Command2->click();
        else if (way == u"IDMEnd")
            form->IDMEnd->trigger();
        else
            TestSupport::userClose(form);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
        QCOMPARE(env.soundCommands, QStringList{QStringLiteral("Close")});
    }

    void roundSoundsEveryFlashThenTheVerdict()
    {
        TestEnvironment env;
        Form1 *form = startTraining(env);
        form->Combo2->lineEdit()->selectAll();
        QTest::keyClicks(form->Combo2->lineEdit(), QStringLiteral("2"));
        form->Combo3->lineEdit()->selectAll();
        QTest::keyClicks(form->Combo3->lineEdit(), QStringLiteral("0.01"));
        TestSupport::answerNextDialog(QStringLiteral("0")); // never the sum of two numbers
        form->Command1->click();
        QTRY_VERIFY(env.messageTexts().contains(QStringLiteral("不正解!")));
        const auto sound = [&](const char *name) {
            return QStringList{QStringLiteral("Close"),
                               QStringLiteral("Open ") + env.path(QStringLiteral("SE/%1.wav").arg(QLatin1String(name))),
                               QStringLiteral("Play")};
        };
        QCOMPARE(env.soundCommands, sound("clock") + sound("clock") + sound("miss"));
    }

    void missingWaveFileStaysSilent()
    {
        MMControl player;
        player.FileName = QStringLiteral("/nonexistent/SE/clock.wav");
        for (const char *command : {"Close", "Open", "Play", "Close"})
            player.Command(QString::fromLatin1(command));
        QVERIFY(player.findChildren<QSoundEffect *>().isEmpty());
    }

    void generatedSoundsAreShort_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("longest"); // seconds
        QTest::newRow("clock") << QStringLiteral("clock") << 0.05; // heard at every 0.1 s flash
        QTest::newRow("hit") << QStringLiteral("hit") << 1.0;
        QTest::newRow("miss") << QStringLiteral("miss") << 1.0;
    }
    void generatedSoundsAreShort()
    {
        QFETCH(QString, name);
        // The build writes the sounds into SE/ beside the program, one level up.
        QFile wave(QCoreApplication::applicationDirPath() + QStringLiteral("/../SE/") + name + QStringLiteral(".wav"));
        QVERIFY(wave.open(QIODevice::ReadOnly));
        const QByteArray bytes = wave.readAll();
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt ");
        const auto le = [&](int at, int size) {
            quint32 v = 0;
            for (int i = size - 1; i >= 0; --i)
                v = (v << 8) | quint8(bytes[at + i]);
            return v;
        };
        QCOMPARE(le(20, 2), 1u); // PCM
        const double seconds = double(le(40, 4)) / le(28, 4); // data bytes / bytes per second
        QVERIFY(seconds > 0.01);
        QFETCH(double, longest);
        QVERIFY2(seconds < longest, qPrintable(QString::number(seconds)));
    }
};

QTEST_MAIN(tst_SoundEffects)
#include "tst_soundeffects.moc"
