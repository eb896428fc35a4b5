// The settings menu of the main screens, driven through the real menus.
#include "ColorRef.h"
#include "Form1.h"
#include "Form2.h"
#include "PictureButton.h"
#include "SettingsFile.h"
#include "TestSupport.h"

#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QtTest>

using Module1::MsgAnswer;
using Answers = QList<MsgAnswer>;

namespace {

const QString Same = QStringLiteral("背景色と文字色が同じです。よろしいですか？");
const QString Config = QStringLiteral("Plumeno.config");

// Starts the program and goes on to the training screen.
Form1 *startTraining(TestEnvironment &env, const SettingsFile::Values &settings)
{
    env.writeDefaultFiles();
    env.writeFile(Config, SettingsFile::serialize(settings));
    Form2::instance()->show();
    Form2::existing()->Command1->click();
    return Form1::existing();
}

} // namespace

class tst_OptionCommands : public QObject
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
        QTest::addColumn<int>("fore");
        QTest::addColumn<int>("back");
        QTest::addColumn<bool>("changed");
        const QColor black(Qt::black), green(0, 255, 0), none;
        QTest::newRow("kept") << true << 0 << QColor(255, 0, 0) << Answers{} << QStringList{} << 255 << 0 << true;
        QTest::newRow("cancelled") << true << 0 << none << Answers{} << QStringList{} << 65280 << 0 << true;
        QTest::newRow("equal, Yes") << false << 0 << green << Answers{MsgAnswer::Yes} << QStringList{Same} << 65280
                                    << 65280 << true;
        QTest::newRow("equal, No") << true << 0 << black << Answers{MsgAnswer::No}
                                   << QStringList{Same, QStringLiteral("キャンセルしました")} << 65280 << 0 << false;
        QTest::newRow("cancelled, already equal") << true << 65280 << none << Answers{MsgAnswer::Yes}
                                                  << QStringList{Same} << 65280 << 65280 << true;
    }
    void colourCommand()
    {
        QFETCH(bool, text);
        QFETCH(int, startBack);
        QFETCH(QColor, chosen);
        TestEnvironment env;
        Form1 *form = startTraining(env, {65280, startBack, false, false, 0});
        QFETCH(Answers, answers);
        env.answers = answers;
        QColor preset;
        Module1::SetColorDialogHook([&](const QColor &p) -> std::optional<QColor> {
            preset = p;
            return chosen.isValid() ? std::optional(chosen) : std::nullopt;
        });

        (text ? form->IDMFore : form->IDMBack)->trigger();

        QCOMPARE(preset, ColorRef::toQColor(text ? 65280 : startBack));
        QTEST(env.messageTexts(), "messages");
        const SharedState &s = Module1::State();
        QTEST(int(s.ForeColorSetting), "fore");
        QTEST(int(s.BackColorSetting), "back");
        QTEST(s.SettingsChanged, "changed");
        QCOMPARE(form->Label1->palette().color(QPalette::WindowText), ColorRef::toQColor(s.ForeColorSetting));
        QCOMPARE(form->Label1->palette().color(QPalette::Window), ColorRef::toQColor(s.BackColorSetting));
    }

    void realDialogStartsOnTheColour()
    {
        TestEnvironment env;
        Form1 *form = startTraining(env, SettingsFile::Defaults);
        QColor startedOn;
        bool ownDialog = false; // Qt's own dialog always shows the custom colours
        QTimer::singleShot(0, this, [&] {
            if (auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
                ownDialog = dialog->testOption(QColorDialog::DontUseNativeDialog);
                startedOn = dialog->currentColor();
                dialog->setCurrentColor(Qt::red);
                dialog->reject();
            }
        });
        form->IDMFore->trigger();
        QVERIFY(ownDialog);
        QCOMPARE(startedOn, QColor(0, 255, 0));
        QCOMPARE(Module1::State().ForeColorSetting, 65280);
    }

    void exitAfterCommands_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("atExit");
        QTest::addColumn<QByteArray>("saved"); // empty: the file is left byte for byte
        const QString ask = QStringLiteral("設定が変更されています。保存しますか？");
        const QString done = QStringLiteral("保存しました。"), notSaved = QStringLiteral("保存しませんでした。");
        const QStringList sound{"IDMSound"};
        QTest::newRow("sound, Yes") << sound << Answers{MsgAnswer::Yes} << QStringList{ask, done}
                                    << QByteArray("255\r\n0\r\n#FALSE#\r\n#TRUE#\r\n300\r\n");
        QTest::newRow("sound twice, Yes") << QStringList{"IDMSound", "IDMSound"} << Answers{MsgAnswer::Yes}
                                          << QStringList{ask, done}
                                          << QByteArray("255\r\n0\r\n#FALSE#\r\n#FALSE#\r\n300\r\n");
        QTest::newRow("sound, No") << sound << Answers{MsgAnswer::No} << QStringList{ask, notSaved} << QByteArray();
        QTest::newRow("maximise, No") << QStringList{"IDMMax"} << Answers{MsgAnswer::No} << QStringList{ask, notSaved}
                                      << QByteArray();
        QTest::newRow("reset, No") << QStringList{"IDMRCustom"} << Answers{MsgAnswer::No, MsgAnswer::Yes}
                                   << QStringList{} << QByteArray();
        QTest::newRow("reset, Yes") << QStringList{"IDMRCustom"} << Answers{MsgAnswer::Yes, MsgAnswer::No}
                                    << QStringList{ask, notSaved} << QByteArray();
    }
    void exitAfterCommands()
    {
        QFETCH(QStringList, items);
        QFETCH(Answers, answers);
        QFETCH(QByteArray, saved);
        TestEnvironment env;
        env.answers = answers;
        Form1 *form = startTraining(env, {255, 0, false, false, 300});
        const QByteArray before = env.readFile(Config);
        for (const QString &item : items)
            form->findChild<QAction *>(item)->trigger();
        QCOMPARE(form->IDMSound->isChecked(), Module1::State().SoundOff);
        QCOMPARE(form->IDMMax->isChecked(), Module1::State().MaxDisplayOn);
        if (items == QStringList{"IDMRCustom"}) {
            const bool yes = answers[0] == MsgAnswer::Yes;
            QCOMPARE(env.messages.last().text, yes ? QStringLiteral("初期化しました。") : QStringLiteral("キャンセルしました。"));
            QCOMPARE(Module1::State().ForeColorSetting, yes ? 65280 : 255);
            QCOMPARE(env.readFile(Config), before); // a reset changes memory only
        }
        env.messages.clear();
        form->Command2->click(); // EXIT
        QTEST(env.messageTexts(), "atExit");
        QCOMPARE(env.readFile(Config), saved.isEmpty() ? before : saved);
        QVERIFY(!Form1::existing());
    }
};

QTEST_MAIN(tst_OptionCommands)
#include "tst_optioncommands.moc"
