#include "ChallengeScreen.h"
#include "Messages.h"
#include "ModeScreen.h"
#include "PictureButton.h"
#include "Placement.h"
#include "ProgramPaths.h"
#include "ScreenRegistry.h"
#include "SettingsProcedures.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void firstStartCreatesFilesWithMessagesInOrder()
    {
        TestEnvironment env;
        ModeScreen *screen = ModeScreen::instance();
        screen->show();
        QCOMPARE(env.messageTexts(), (QStringList{"設定ファイルが確認できません。自動生成します。",
                                                  "ランキングファイルが確認できません。自動生成します。"}));
        QCOMPARE(env.messages[0].title, QStringLiteral("自動生成"));
        QCOMPARE(env.readFile("Plumeno.config"), QByteArray("65280\r\n0\r\n#FALSE#\r\n#FALSE#\r\n0\r\n"));
        QCOMPARE(env.readFile("DATA/Data1.data").size(), 50);
        QCOMPARE(env.readFile("DATA/Data2.data").size(), 38);
        QCOMPARE(sharedState().ForeColorSetting, 65280);
        QVERIFY(sharedState().StartupDone);
    }

    void laterStartReadsSettingsSilently()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        env.writeFile("Plumeno.config", "255\r\n65535\r\n#TRUE#\r\n#TRUE#\r\n120\r\n");
        ModeScreen *screen = ModeScreen::instance();
        QVERIFY(env.messages.isEmpty());
        const SharedState &s = sharedState();
        QCOMPARE(s.ForeColorSetting, 255);
        QCOMPARE(s.BackColorSetting, 65535);
        QVERIFY(s.MaxDisplayOn && s.SoundOff);
        QCOMPARE(int(s.MaxFontSize), 120);
        QVERIFY(screen->m_maxDisplayAction->isChecked());
        QVERIFY(screen->m_soundOffAction->isChecked());
    }

    void damagedSettingsFileFallsBackWithOneMessage()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        env.writeFile("Plumeno.config", "abc\r\n255\r\n#TRUE\r\n");
        ModeScreen::instance();
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
        const SharedState &s = sharedState();
        QCOMPARE(s.ForeColorSetting, 65280);
        QCOMPARE(s.BackColorSetting, 255);
        QVERIFY(!s.MaxDisplayOn);
        // The file itself is left for the player to keep or fix.
        QCOMPARE(env.readFile("Plumeno.config"), QByteArray("abc\r\n255\r\n#TRUE\r\n"));
    }

    void unwritableProgramDirectoryRunsOnInMemory()
    {
        TestEnvironment env;
        // A directory below a plain file cannot be written, not even by root.
        env.writeFile("blocker", "x");
        ProgramPaths::setProgramDir(env.path("blocker/Plumeno"));
        ProgramPaths::setUserDataDirForTests(env.path("blocker/user"));
        ModeScreen::instance()->show();
        QCOMPARE(env.messageTexts(), (QStringList{
            "設定ファイルが確認できません。自動生成します。",
            "設定ファイルを作成できませんでした。\n設定はこのプログラムを終了するまで有効です。",
            "ランキングファイルが確認できません。自動生成します。",
            "ランキングファイルを作成できませんでした。\nランキングは保存されません。"}));
        QCOMPARE(sharedState().ForeColorSetting, 65280);

        // Settings changed later stay in memory; the save fails honestly.
        env.messages.clear();
        Settings::ensureFile();
        QVERIFY(env.messages.isEmpty());
        sharedState().SettingsChanged = true;
        Settings::confirmSave();
        QCOMPARE(env.messageTexts().last(), QStringLiteral("設定ファイルに書き込めませんでした。\n設定は保存されていません。"));
    }

    void installedCopyKeepsItsFilesInTheUserDataDirectory()
    {
        TestEnvironment env;
        env.writeFile("blocker", "x");
        ProgramPaths::setProgramDir(env.path("blocker/Plumeno"));
        ProgramPaths::setUserDataDirForTests(env.path("user/Plumeno"));
        ModeScreen::instance()->show();
        QCOMPARE(env.messageTexts(), (QStringList{"設定ファイルが確認できません。自動生成します。",
                                                  "ランキングファイルが確認できません。自動生成します。"}));
        QCOMPARE(env.readFile("user/Plumeno/Plumeno.config").size(), 31);
        QCOMPARE(env.readFile("user/Plumeno/DATA/Data1.data").size(), 50);
        QCOMPARE(env.readFile("user/Plumeno/DATA/Data2.data").size(), 38);
        // The sounds still come from beside the executable.
        QCOMPARE(ProgramPaths::programPath("SE/hit.wav"), env.path("blocker/Plumeno/SE/hit.wav"));
    }

    void secondLoadOfModeScreenChecksNoFiles()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        ModeScreen::instance()->show();
        QFile::remove(env.path("Plumeno.config"));
        QTest::mouseClick(ModeScreen::existing()->m_trainingButton, Qt::LeftButton);
        QTest::mouseClick(TrainingScreen::existing()->m_modeButton, Qt::LeftButton); // MODE
        QVERIFY(ModeScreen::existing());
        QVERIFY(env.messages.isEmpty());
        QVERIFY(!QFile::exists(env.path("Plumeno.config")));
    }

    void switchingOpensAtTheSameCornerAndClosesTheOldScreen()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        ModeScreen *modeScreen = ModeScreen::instance();
        modeScreen->move(137, 91);
        modeScreen->show();
        const QPoint corner = modeScreen->frameGeometry().topLeft();
        QTest::mouseClick(modeScreen->m_trainingButton, Qt::LeftButton);
        QVERIFY(!ModeScreen::existing());
        TrainingScreen *training = TrainingScreen::existing();
        QVERIFY(training && training->isVisible());
        QCOMPARE(training->frameGeometry().topLeft(), corner);

        training->move(300, 200);
        const QPoint corner2 = training->frameGeometry().topLeft();
        training->m_digitsBox->setEditText("3");
        QTest::mouseClick(training->m_modeButton, Qt::LeftButton);
        QVERIFY(!TrainingScreen::existing());
        QCOMPARE(ModeScreen::existing()->frameGeometry().topLeft(), corner2);

        QTest::mouseClick(ModeScreen::existing()->m_challengeButton, Qt::LeftButton);
        ChallengeScreen *challenge = ChallengeScreen::existing();
        QVERIFY(challenge && challenge->isVisible());
        QCOMPARE(challenge->frameGeometry().topLeft(), corner2);

        // A training screen opened again shows its design-time choices.
        challenge->close();
        ModeScreen *again = ModeScreen::instance();
        again->show();
        QTest::mouseClick(again->m_trainingButton, Qt::LeftButton);
        QCOMPARE(TrainingScreen::existing()->m_digitsBox->currentText(), QStringLiteral("1"));
        QCOMPARE(TrainingScreen::existing()->m_intervalBox->currentText(), QStringLiteral("1.0"));
    }

    void centringUsesWholeWindowsAndMayOverhang()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        ModeScreen *screen = ModeScreen::instance();
        screen->move(100, 100);
        screen->show();
        QWidget big;
        big.setFixedSize(screen->frameGeometry().width() + 40, screen->frameGeometry().height() + 20);
        Placement::centerOnActiveScreen(&big);
        QCOMPARE(big.frameGeometry().left(), screen->frameGeometry().left() - 20);
        QCOMPARE(big.frameGeometry().top(), screen->frameGeometry().top() - 10);
    }

    void menuBarHasEveryItem()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        ModeScreen *screen = ModeScreen::instance();
        const QList<std::pair<const char *, QString>> items{
            {"colourMenu", "配色(&C)"}, {"foreColourAction", "文字色(&F)"}, {"backColourAction", "背景色(&B)"},
            {"maxDisplayAction", "数値表示を最大化(&M)"}, {"soundOffAction", "効果音の無効(&S)"}, {"resetRankingAction", "ランキングの初期化(&R)"},
            {"resetSettingsAction", "設定の初期化(&E)"}, {"exitAction", "終了(&X)"}, {"readMeAction", "READ MEを開く(&R)"},
            {"aboutAction", "バージョン情報(&V)"}};
        for (const auto &[name, caption] : items) {
            QObject *item = screen->findChild<QObject *>(QString::fromLatin1(name));
            QVERIFY2(item, name);
            const QString text = qobject_cast<QMenu *>(item) ? static_cast<QMenu *>(item)->title()
                                                              : static_cast<QAction *>(item)->text();
            QCOMPARE(text, caption);
        }
        QCOMPARE(screen->m_settingsMenu->title(), QStringLiteral("設定(&C)"));
        QCOMPARE(screen->m_helpMenu->title(), QStringLiteral("ヘルプ(&H)"));
        QVERIFY(screen->m_maxDisplayAction->isCheckable() && screen->m_soundOffAction->isCheckable());
        for (QAction *sep : {screen->m_rankingSeparator, screen->m_exitSeparator, screen->m_helpSeparator})
            QVERIFY(sep->isSeparator());
        const QList<QAction *> custom = screen->m_settingsMenu->actions();
        // The designed eight, with the training extras' item before the exit separator.
        QCOMPARE(custom.size(), 9);
        QCOMPARE(custom[3], screen->m_rankingSeparator);
        QCOMPARE(custom[6], screen->m_trainingExtrasAction);
        QCOMPARE(custom[7], screen->m_exitSeparator);
        QCOMPARE(custom.last(), screen->m_exitAction);
    }

    void closeBoxOfModeScreenAsksToSaveOnceAndEnds()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        ModeScreen *screen = ModeScreen::instance();
        screen->show();
        sharedState().SettingsChanged = true;
        sharedState().SoundOff = true;
        env.answers = {Messages::Answer::No};
        QVERIFY(TestSupport::userClose(screen));
        QCOMPARE(env.messageTexts(), (QStringList{"設定が変更されています。保存しますか？", "保存しませんでした。"}));
        QVERIFY(!ModeScreen::existing());
        QCOMPARE(env.readFile("Plumeno.config"), QByteArray("65280\r\n0\r\n#FALSE#\r\n#FALSE#\r\n0\r\n"));
    }

    void exitSavesChangedSettingsOnYes()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        ModeScreen::instance()->show();
        sharedState().SettingsChanged = true;
        sharedState().MaxDisplayOn = true;
        ModeScreen::existing()->m_exitAction->trigger();
        QCOMPARE(env.messageTexts(), (QStringList{"設定が変更されています。保存しますか？", "保存しました。"}));
        QCOMPARE(env.messages[1].title, QStringLiteral("保存報告"));
        QCOMPARE(env.readFile("Plumeno.config"), QByteArray("65280\r\n0\r\n#TRUE#\r\n#FALSE#\r\n0\r\n"));
        for (int i = 1; i <= ScreenRegistry::ScreenCount; ++i)
            QVERIFY(!ScreenRegistry::open(i));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
