// The settings menu of the main screens, driven through the real menus.
#include "ColourRef.h"
#include "PictureButton.h"
#include "Program.h"
#include "QtColourDialog.h"
#include "SettingsFile.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QtTest>

using Messages::Answer;
using Answers = QList<Messages::Answer>;

class TestOptionCommands : public QObject
{
    Q_OBJECT
private slots:
    void colourCommand_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<int>("startBack");
        QTest::addColumn<QColor>("chosen"); // invalid: cancelled
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QList<int>>("after"); // text, background, changed
        const QColor none;
        const QString same = QStringLiteral("背景色と文字色が同じです。よろしいですか？");
        QTest::newRow("kept") << true << 0 << QColor(255, 0, 0) << Answers{} << QStringList{} << QList{255, 0, 1};
        QTest::newRow("cancelled") << true << 0 << none << Answers{} << QStringList{} << QList{65280, 0, 1};
        QTest::newRow("equal, Yes") << false << 0 << QColor(0, 255, 0) << Answers{Answer::Yes} << QStringList{same} << QList{65280, 65280, 1};
        QTest::newRow("equal, No") << true << 0 << QColor(Qt::black) << Answers{Answer::No} << QStringList{same, "キャンセルしました"} << QList{65280, 0, 0};
        QTest::newRow("cancelled, already equal") << true << 65280 << none << Answers{Answer::Yes} << QStringList{same} << QList{65280, 65280, 1};
    }
    void colourCommand()
    {
        QFETCH(bool, text);
        QFETCH(int, startBack);
        QFETCH(QColor, chosen);
        QFETCH(Answers, answers);
        TestEnvironment env;
        TrainingScreen *screen = TestSupport::openTrainingScreen(env, {}, SettingsFile::serialize({65280, startBack, false, false, 0}));
        env.answers = answers;
        QColor preset;
        env.chooseColour = [&](const QColor &p) { preset = p; return chosen.isValid() ? std::optional(chosen) : std::nullopt; };

        (text ? screen->m_foreColourAction : screen->m_backColourAction)->trigger();

        QCOMPARE(preset, ColourRef::toQColor(text ? 65280 : startBack));
        QTEST(env.messageTexts(), "messages");
        const StoredSettings s = env.settings();
        QTEST(QList<int>({int(s.foreColour), int(s.backColour), env.program().settings().isChanged()}), "after");
        const QPalette shown = screen->m_numberLabel->palette();
        QVERIFY(shown.color(QPalette::WindowText) == ColourRef::toQColor(s.foreColour) && shown.color(QPalette::Window) == ColourRef::toQColor(s.backColour));
    }

    void realDialogStartsOnTheColour()
    {
        TestEnvironment env;
        TrainingScreen *screen = TestSupport::openTrainingScreen(env);
        QtColourDialog qtDialog;
        env.chooseColour = [&](const QColor &preset) { return qtDialog.choose(preset); };
        QColor startedOn;
        bool ownDialog = false; // Qt's own dialog always shows the custom colours
        TestSupport::whenDialogOpens(QString(), [&](QWidget *w) {
            if (auto *dialog = qobject_cast<QColorDialog *>(w)) {
                ownDialog = dialog->testOption(QColorDialog::DontUseNativeDialog);
                startedOn = dialog->currentColor();
                dialog->setCurrentColor(Qt::red);
            }
            w->close();
        });
        screen->m_foreColourAction->trigger();
        QVERIFY(ownDialog && startedOn == QColor(0, 255, 0) && env.settings().foreColour == 65280);
    }

    void exitAfterCommands_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("atExit");
        QTest::addColumn<QByteArray>("saved"); // empty: the file is left byte for byte
        const QString ask = QStringLiteral("設定が変更されています。保存しますか？");
        const QString done = QStringLiteral("保存しました。"), notSaved = QStringLiteral("保存しませんでした。");
        QTest::newRow("sound twice, Yes") << QStringList{"soundOffAction", "soundOffAction"} << Answers{Answer::Yes} << QStringList{ask, done} << QByteArray("255\r\n0\r\n#FALSE#\r\n#FALSE#\r\n300\r\n");
        QTest::newRow("maximise, No") << QStringList{"fullScreenDisplayAction"} << Answers{Answer::No} << QStringList{ask, notSaved} << QByteArray();
        QTest::newRow("reset, No") << QStringList{"resetSettingsAction"} << Answers{Answer::No, Answer::Yes} << QStringList{} << QByteArray();
        QTest::newRow("reset, Yes") << QStringList{"resetSettingsAction"} << Answers{Answer::Yes, Answer::No} << QStringList{ask, notSaved} << QByteArray();
    }
    void exitAfterCommands()
    {
        QFETCH(QStringList, items);
        QFETCH(Answers, answers);
        QFETCH(QByteArray, saved);
        TestEnvironment env;
        env.answers = answers;
        TrainingScreen *screen = TestSupport::openTrainingScreen(env, {}, SettingsFile::serialize({255, 0, false, false, 300}));
        const QString config = QStringLiteral("Plumeno.config");
        const QByteArray before = env.readFile(config);
        for (const QString &item : items)
            screen->findChild<QAction *>(item)->trigger();
        QVERIFY(screen->m_soundOffAction->isChecked() == env.settings().soundOff && screen->m_fullScreenDisplayAction->isChecked() == env.settings().fullScreenDisplay);
        if (items == QStringList{"resetSettingsAction"}) {
            // The screen shows the colours it is left with.
            QCOMPARE(env.messages.last().text + screen->m_numberLabel->palette().color(QPalette::WindowText).name(),
                     answers[0] == Answer::Yes ? "初期化しました。#00ff00" : "キャンセルしました。#ff0000");
            QCOMPARE(env.readFile(config), before); // a reset changes memory only
        }
        env.messages.clear();
        screen->m_exitButton->click(); // EXIT
        QTEST(env.messageTexts(), "atExit");
        QCOMPARE(env.readFile(config), saved.isEmpty() ? before : saved);
    }
};

QTEST_MAIN(TestOptionCommands)
#include "tst_optioncommands.moc"
