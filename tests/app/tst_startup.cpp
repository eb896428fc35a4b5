#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "FormRegistry.h"
#include "PictureButton.h"
#include "TestSupport.h"

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
        Form2 *screen = Form2::instance();
        screen->show();
        QCOMPARE(env.messageTexts(), (QStringList{"設定ファイルが確認できません。自動生成します。",
                                                  "ランキングファイルが確認できません。自動生成します。"}));
        QCOMPARE(env.messages[0].title, QStringLiteral("自動生成"));
        QCOMPARE(env.readFile("Plumeno.config"), QByteArray("65280\r\n0\r\n#FALSE#\r\n#FALSE#\r\n0\r\n"));
        QCOMPARE(env.readFile("DATA/Data1.data").size(), 50);
        QCOMPARE(env.readFile("DATA/Data2.data").size(), 38);
        QCOMPARE(Module1::State().ForeColorSetting, 65280);
        QVERIFY(Module1::State().StartupDone);
    }

    void laterStartReadsSettingsSilently()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        env.writeFile("Plumeno.config", "255\r\n65535\r\n#TRUE#\r\n#TRUE#\r\n120\r\n");
        Form2 *screen = Form2::instance();
        QVERIFY(env.messages.isEmpty());
        const SharedState &s = Module1::State();
        QCOMPARE(s.ForeColorSetting, 255);
        QCOMPARE(s.BackColorSetting, 65535);
        QVERIFY(s.MaxDisplayOn && s.SoundOff);
        QCOMPARE(int(s.MaxFontSize), 120);
        QVERIFY(screen->IDMMax->isChecked());
        QVERIFY(screen->IDMSound->isChecked());
    }

    void damagedSettingsFileFallsBackWithOneMessage()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        env.writeFile("Plumeno.config", "abc\r\n255\r\n#TRUE\r\n");
        Form2::instance();
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
        const SharedState &s = Module1::State();
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
        Module1::SetProgramDir(env.path("blocker/Plumeno"));
        Module1::SetUserDataDirForTests(env.path("blocker/user"));
        Form2::instance()->show();
        QCOMPARE(env.messageTexts(), (QStringList{
            "設定ファイルが確認できません。自動生成します。",
            "設定ファイルを作成できませんでした。\n設定はこのプログラムを終了するまで有効です。",
            "ランキングファイルが確認できません。自動生成します。",
            "ランキングファイルを作成できませんでした。\nランキングは保存されません。"}));
        QCOMPARE(Module1::State().ForeColorSetting, 65280);

        // Settings changed later stay in memory; the save fails honestly.
        env.messages.clear();
        Module1::EnsureSettingsFile();
        QVERIFY(env.messages.isEmpty());
        Module1::State().SettingsChanged = true;
        Module1::ConfirmSaveSettings();
        QCOMPARE(env.messageTexts().last(), QStringLiteral("設定ファイルに書き込めませんでした。\n設定は保存されていません。"));
    }

    void installedCopyKeepsItsFilesInTheUserDataDirectory()
    {
        TestEnvironment env;
        env.writeFile("blocker", "x");
        Module1::SetProgramDir(env.path("blocker/Plumeno"));
        Module1::SetUserDataDirForTests(env.path("user/Plumeno"));
        Form2::instance()->show();
        QCOMPARE(env.messageTexts(), (QStringList{"設定ファイルが確認できません。自動生成します。",
                                                  "ランキングファイルが確認できません。自動生成します。"}));
        QCOMPARE(env.readFile("user/Plumeno/Plumeno.config").size(), 31);
        QCOMPARE(env.readFile("user/Plumeno/DATA/Data1.data").size(), 50);
        QCOMPARE(env.readFile("user/Plumeno/DATA/Data2.data").size(), 38);
        // The sounds still come from beside the executable.
        QCOMPARE(Module1::ProgramPath("SE/hit.wav"), env.path("blocker/Plumeno/SE/hit.wav"));
    }

    void secondLoadOfModeScreenChecksNoFiles()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        Form2::instance()->show();
        QFile::remove(env.path("Plumeno.config"));
        QTest::mouseClick(Form2::existing()->Command1, Qt::LeftButton);
        QTest::mouseClick(Form1::existing()->Command3, Qt::LeftButton); // MODE
        QVERIFY(Form2::existing());
        QVERIFY(env.messages.isEmpty());
        QVERIFY(!QFile::exists(env.path("Plumeno.config")));
    }

    void switchingOpensAtTheSameCornerAndClosesTheOldScreen()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        Form2 *modeScreen = Form2::instance();
        modeScreen->move(137, 91);
        modeScreen->show();
        const QPoint corner = modeScreen->frameGeometry().topLeft();
        QTest::mouseClick(modeScreen->Command1, Qt::LeftButton);
        QVERIFY(!Form2::existing());
        Form1 *training = Form1::existing();
        QVERIFY(training && training->isVisible());
        QCOMPARE(training->frameGeometry().topLeft(), corner);

        training->move(300, 200);
        const QPoint corner2 = training->frameGeometry().topLeft();
        training->Combo1->setEditText("3");
        QTest::mouseClick(training->Command3, Qt::LeftButton);
        QVERIFY(!Form1::existing());
        QCOMPARE(Form2::existing()->frameGeometry().topLeft(), corner2);

        QTest::mouseClick(Form2::existing()->Command2, Qt::LeftButton);
        Form3 *challenge = Form3::existing();
        QVERIFY(challenge && challenge->isVisible());
        QCOMPARE(challenge->frameGeometry().topLeft(), corner2);

        // A training screen opened again shows its design-time choices.
        challenge->close();
        Form2 *again = Form2::instance();
        again->show();
        QTest::mouseClick(again->Command1, Qt::LeftButton);
        QCOMPARE(Form1::existing()->Combo1->currentText(), QStringLiteral("1"));
        QCOMPARE(Form1::existing()->Combo3->currentText(), QStringLiteral("1.0"));
    }

    void centringUsesWholeWindowsAndMayOverhang()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        Form2 *screen = Form2::instance();
        screen->move(100, 100);
        screen->show();
        QWidget big;
        big.setFixedSize(screen->frameGeometry().width() + 40, screen->frameGeometry().height() + 20);
        Module1::CenterOnActiveForm(&big);
        QCOMPARE(big.frameGeometry().left(), screen->frameGeometry().left() - 20);
        QCOMPARE(big.frameGeometry().top(), screen->frameGeometry().top() - 10);
    }

    void menuBarHasEveryItem()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        Form2 *screen = Form2::instance();
        const QList<std::pair<const char *, QString>> items{
            {"IDMColor", "配色(&C)"}, {"IDMFore", "文字色(&F)"}, {"IDMBack", "背景色(&B)"},
            {"IDMMax", "数値表示を最大化(&M)"}, {"IDMSound", "効果音の無効(&S)"}, {"IDMRefresh", "ランキングの初期化(&R)"},
            {"IDMRCustom", "設定の初期化(&E)"}, {"IDMEnd", "終了(&X)"}, {"IDMReadMe", "READ MEを開く(&R)"},
            {"IDMVersion", "バージョン情報(&V)"}};
        for (const auto &[name, caption] : items) {
            QObject *item = screen->findChild<QObject *>(QString::fromLatin1(name));
            QVERIFY2(item, name);
            const QString text = qobject_cast<QMenu *>(item) ? static_cast<QMenu *>(item)->title()
                                                              : static_cast<QAction *>(item)->text();
            QCOMPARE(text, caption);
        }
        QCOMPARE(screen->IDMCustom->title(), QStringLiteral("設定(&C)"));
        QCOMPARE(screen->IDMHelp->title(), QStringLiteral("ヘルプ(&H)"));
        QVERIFY(screen->IDMMax->isCheckable() && screen->IDMSound->isCheckable());
        for (QAction *sep : {screen->Separator0, screen->Separator1, screen->Separator2})
            QVERIFY(sep->isSeparator());
        const QList<QAction *> custom = screen->IDMCustom->actions();
        QCOMPARE(custom.size(), 8);
        QCOMPARE(custom[3], screen->Separator0);
        QCOMPARE(custom.last(), screen->IDMEnd);
    }

    void closeBoxOfModeScreenAsksToSaveOnceAndEnds()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        Form2 *screen = Form2::instance();
        screen->show();
        Module1::State().SettingsChanged = true;
        Module1::State().SoundOff = true;
        env.answers = {Module1::MsgAnswer::No};
        QVERIFY(TestSupport::userClose(screen));
        QCOMPARE(env.messageTexts(), (QStringList{"設定が変更されています。保存しますか？", "保存しませんでした。"}));
        QVERIFY(!Form2::existing());
        QCOMPARE(env.readFile("Plumeno.config"), QByteArray("65280\r\n0\r\n#FALSE#\r\n#FALSE#\r\n0\r\n"));
    }

    void exitSavesChangedSettingsOnYes()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        Form2::instance()->show();
        Module1::State().SettingsChanged = true;
        Module1::State().MaxDisplayOn = true;
        Form2::existing()->IDMEnd->trigger();
        QCOMPARE(env.messageTexts(), (QStringList{"設定が変更されています。保存しますか？", "保存しました。"}));
        QCOMPARE(env.messages[1].title, QStringLiteral("保存報告"));
        QCOMPARE(env.readFile("Plumeno.config"), QByteArray("65280\r\n0\r\n#TRUE#\r\n#FALSE#\r\n0\r\n"));
        for (int i = 1; i <= FormRegistry::FormCount; ++i)
            QVERIFY(!FormRegistry::open(i));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
