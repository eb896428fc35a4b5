// The assembled program: every menu item of the three main screens and every
// button reaches its command, through the real actions and buttons.
#include "ChallengeScreen.h"
#include "ModeScreen.h"
#include "PictureButton.h"
#include "Program.h"
#include "RoundTimer.h"
#include "ScreenRegistry.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QDir>
#include <QTest>


class TestAssembly : public QObject
{
    Q_OBJECT
private slots:
    void commandReachesItsEnd_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control"); // an action or a button, by object name
        QTest::addColumn<QStringList>("effect");
        const QList<std::pair<const char *, QStringList>> menu{
            {"foreColourAction", {"colour dialog"}},
            {"backColourAction", {"colour dialog"}},
            {"fullScreenDisplayAction", {"計算中です。", "計算終了です。", "full-screen display on"}},
            {"soundOffAction", {"sound off"}},
            {"resetRankingAction", {"ランキングを初期化します。よろしいですか？", "初期化しました。"}},
            {"resetSettingsAction", {"設定を初期化します。よろしいですか？", "初期化しました。"}},
            {"trainingExtrasAction", {"ExtrasDialog"}},
            {"readMeAction", {"opened READ ME.txt"}},
            {"aboutAction", {"AboutDialog"}},
            {"exitAction", {"no screen open"}},
        };
        for (const char *screen : {"ModeScreen", "TrainingScreen", "ChallengeScreen"})
            for (const auto &[action, effect] : menu)
                QTest::addRow("%s: %s", screen, action) << screen << action << effect;
        QTest::newRow("Training Mode") << "ModeScreen" << "trainingButton" << QStringList{"TrainingScreen"};
        QTest::newRow("Challenge Mode") << "ModeScreen" << "challengeButton" << QStringList{"ChallengeScreen"};
        for (const char *screen : {"TrainingScreen", "ChallengeScreen"}) {
            QTest::addRow("%s: START", screen) << screen << "startButton" << QStringList{screen, "round under way"};
            QTest::addRow("%s: MODE", screen) << screen << "modeButton" << QStringList{"ModeScreen"};
            QTest::addRow("%s: EXIT", screen) << screen << "exitButton" << QStringList{"no screen open"};
        }
        QTest::newRow("RANKING") << "ChallengeScreen" << "rankingButton" << QStringList{"RankingScreen"};
    }

    void commandReachesItsEnd()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        TestEnvironment env;
        env.writeDefaultFiles();
        MainScreen *main = screen == u"ModeScreen" ? env.program().start()
                           : screen == u"TrainingScreen" ? static_cast<MainScreen *>(env.program().openTrainingScreen())
                                                         : env.program().openChallengeScreen();
        QStringList effect;
        env.chooseColour = [&](const QColor &) -> std::optional<QColor> {
            effect << QStringLiteral("colour dialog");
            return std::nullopt;
        };
        TestSupport::whenDialogOpens(QString(), [&](QWidget *dialog) {
            effect << dialog->objectName();
            dialog->close();
        });
        const StoredSettings before = env.settings();

        if (auto *action = main->findChild<QAction *>(control))
            action->trigger();
        else
            QTest::mouseClick(main->findChild<QAbstractButton *>(control), Qt::LeftButton);
        QTest::qWait(20); // a dialog watch runs
        effect += env.messageTexts();
        for (const QUrl &url : env.opened)
            effect << QStringLiteral("opened ") + QDir(env.dir()).relativeFilePath(url.toLocalFile()); // in the program folder
        if (env.settings().soundOff != before.soundOff)
            effect << QStringLiteral("sound off");
        if (env.settings().fullScreenDisplay != before.fullScreenDisplay)
            effect << QStringLiteral("full-screen display on");
        bool anyOpen = false;
        for (int number : {ScreenRegistry::Training, ScreenRegistry::Mode, ScreenRegistry::Challenge}) {
            QWidget *open = ScreenRegistry::open(number);
            anyOpen = anyOpen || open;
            if (open && open->objectName() != screen)
                effect << open->objectName();
            else if (auto *game = qobject_cast<GameScreen *>(open); game && game->m_roundTimer->isActive())
                effect << screen << QStringLiteral("round under way");
        }
        if (!anyOpen)
            effect << QStringLiteral("no screen open");
        QTEST(effect, "effect");
    }
};

QTEST_MAIN(TestAssembly)
#include "tst_assembly.moc"
