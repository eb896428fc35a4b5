#include "ModeScreen.h"
#include "PictureButton.h"
#include "Placement.h"
#include "ProgramPaths.h"
#include "ScreenRegistry.h"
#include "Program.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QComboBox>
#include <QDir>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void firstStart_data()
    {
        QTest::addColumn<QString>("where"); // the files: beside the program, in the user data directory, nowhere
        QTest::addColumn<QStringList>("messages");
        const QString settingsMade = QStringLiteral("設定ファイルが確認できません。自動生成します。");
        const QString rankingMade = QStringLiteral("ランキングファイルが確認できません。自動生成します。");
        QTest::newRow("beside the program") << "" << QStringList{settingsMade, rankingMade};
        QTest::newRow("installed copy: the user data directory") << "user/Plumeno/" << QStringList{settingsMade, rankingMade};
        QTest::newRow("nothing writable: runs on in memory")
            << "nowhere" << QStringList{settingsMade, "設定ファイルを作成できませんでした。\n設定はこのプログラムを終了するまで有効です。\nTMP/blocker/user/Plumeno",
                                        rankingMade, "ランキングファイルを作成できませんでした。\nランキングは保存されません。\nTMP/blocker/user/Plumeno/DATA"};
    }
    void firstStart()
    {
        QFETCH(QString, where);
        TestEnvironment env;
        if (!where.isEmpty()) {
            // A directory below a plain file cannot be written, not even by root.
            env.writeFile("blocker", "x");
            ProgramPaths::setProgramDir(env.path("blocker/Plumeno"));
            if (where == u"nowhere")
                qputenv("XDG_DATA_HOME", QFile::encodeName(env.path("blocker/user")));
        }
        env.program().start();
        // Where nothing can be written, each message names the folder.
        QTEST(env.messageTexts().replaceInStrings(QDir::toNativeSeparators(env.dir()), "TMP"), "messages");
        QVERIFY(env.messages[0].title == u"自動生成" && env.settings().foreColour == 65280);
        if (where != u"nowhere") {
            const QByteArrayList files{env.readFile(where + "Plumeno.config"), env.readFile(where + "DATA/Data1.data"), env.readFile(where + "DATA/Data2.data")};
            QCOMPARE(files, QByteArrayList({TestSupport::DefaultSettings, TestSupport::DefaultNames, TestSupport::DefaultScores}));
            // The sounds always come from beside the executable.
            QCOMPARE(ProgramPaths::programPath("SE/hit.wav"), env.path(where.isEmpty() ? "SE/hit.wav" : "blocker/Plumeno/SE/hit.wav"));
            return;
        }
        // Settings and ranking changed later stay in memory for the run; the
        // saves fail honestly, and later looks ask nothing more.
        SettingsStore &settings = env.program().settings();
        RankingStore &ranking = env.program().ranking();
        settings.ensureFile();
        ranking.ensureFiles();
        settings.markChanged();
        settings.confirmSave();
        QVERIFY(!ranking.enter(140000, QStringLiteral("Newcomer")));
        const QString folder = env.path("blocker/user/Plumeno");
        QCOMPARE(env.messageTexts().mid(4), QStringList({"設定が変更されています。保存しますか？", "設定ファイルに書き込めませんでした。\n設定は保存されていません。\n" + folder,
                                                         "ランキングファイルに書き込めませんでした。\nランキングは保存されていません。\n" + folder + "/DATA"}));
        QVERIFY(ranking.rows().value(1).name == u"Newcomer" && ranking.rows().value(0).score == u"150000");
    }

    void switchingOpensAtTheSameCornerAndClosesTheOldScreen()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        ModeScreen *modeScreen = env.program().start();
        modeScreen->move(137, 91);
        // Only the first mode screen of a run makes sure of the files.
        QFile::remove(env.path("Plumeno.config"));
        const QPoint corner = modeScreen->frameGeometry().topLeft();
        QTest::mouseClick(modeScreen->m_trainingButton, Qt::LeftButton);
        TrainingScreen *training = TrainingScreen::existing();
        QVERIFY(!ModeScreen::existing() && training->isVisible());
        QCOMPARE(training->frameGeometry().topLeft(), corner);

        // A training screen opened again shows its design-time choices.
        training->m_digitsBox->setEditText("3");
        QTest::mouseClick(training->m_modeButton, Qt::LeftButton);
        QVERIFY(!TrainingScreen::existing());
        QTest::mouseClick(ModeScreen::existing()->m_trainingButton, Qt::LeftButton);
        QCOMPARE(TrainingScreen::existing()->m_digitsBox->currentText() + TrainingScreen::existing()->m_intervalBox->currentText(), "11.0");
        QVERIFY(env.messages.isEmpty() && !QFile::exists(env.path("Plumeno.config")));
    }

    void centringUsesWholeWindowsAndMayOverhang()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        ModeScreen *screen = env.program().start();
        screen->move(100, 100);
        QWidget big;
        big.setFixedSize(screen->frameGeometry().width() + 40, screen->frameGeometry().height() + 20);
        Placement::centerOnActiveScreen(&big);
        QCOMPARE(big.frameGeometry().topLeft(), screen->frameGeometry().topLeft() - QPoint(20, 10));
    }

    void exitAsksToSaveOnceAndEnds_data()
    {
        QTest::addColumn<bool>("closeBox"); // answered No; the exit menu, Yes
        QTest::newRow("close box, No") << true;
        QTest::newRow("exit menu, Yes") << false;
    }
    void exitAsksToSaveOnceAndEnds()
    {
        QFETCH(bool, closeBox);
        const bool yes = !closeBox;
        TestEnvironment env;
        env.writeDefaultFiles();
        ModeScreen *screen = env.program().start();
        env.program().settings().markChanged();
        env.changeSettings([](StoredSettings &values) { values.soundOff = values.fullScreenDisplay = true; });
        env.answers = {yes ? Messages::Answer::Yes : Messages::Answer::No};
        if (closeBox)
            QVERIFY(TestSupport::userClose(screen));
        else
            screen->m_exitAction->trigger();
        QCOMPARE(env.messageTexts() << env.messages[1].title, (QStringList{"設定が変更されています。保存しますか？", yes ? "保存しました。" : "保存しませんでした。", yes ? "保存報告" : "キャンセル報告"}));
        QCOMPARE(env.readFile("Plumeno.config"), yes ? "65280\r\n0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n" : TestSupport::DefaultSettings);
        for (int i = 1; i <= ScreenRegistry::ScreenCount; ++i)
            QVERIFY(!ScreenRegistry::open(i));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
