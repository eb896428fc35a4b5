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

namespace {

const QString SaveQuestion = QStringLiteral("設定が変更されています。保存しますか？");

// Starts the program on the training screen with the given settings file.
Form1 *startTraining(TestEnvironment &env, const SettingsFile::Values &settings)
{
    env.writeDefaultFiles();
    env.writeFile(QStringLiteral("Plumeno.config"), SettingsFile::serialize(settings));
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
        QTest::addColumn<QColor>("chosen"); // invalid: cancelled
        QTest::addColumn<QList<MsgAnswer>>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("fore");
        QTest::addColumn<int>("back");
        QTest::addColumn<bool>("changed");
        const QString same = QStringLiteral("背景色と文字色が同じです。よろしいですか？");
        QTest::newRow("text kept") << true << QColor(255, 0, 0) << QList<MsgAnswer>{} << QStringList{} << 255 << 0 << true;
        QTest::newRow("text cancelled") << true << QColor() << QList<MsgAnswer>{} << QStringList{} << 65280 << 0 << true;
        QTest::newRow("text = background, Yes") << true << QColor(Qt::black) << QList{MsgAnswer::Yes} << QStringList{same}
                                                << 0 << 0 << true;
        QTest::newRow("text = background, No")
            << true << QColor(Qt::black) << QList{MsgAnswer::No}
            << QStringList{same, QStringLiteral("キャンセルしました")} << 65280 << 0 << false;
        QTest::newRow("background = text, Yes") << false << QColor(0, 255, 0) << QList{MsgAnswer::Yes}
                                                << QStringList{same} << 65280 << 65280 << true;
    }
    void colourCommand()
    {
        QFETCH(bool, text);
        QFETCH(QColor, chosen);
        TestEnvironment env;
        Form1 *form = startTraining(env, SettingsFile::Defaults);
        QFETCH(QList<MsgAnswer>, answers);
        env.answers = answers;
        QList<QColor> presets;
        Module1::SetColorDialogHook([&](const QColor &preset) -> std::optional<QColor> {
            presets << preset;
            return chosen.isValid() ? std::optional(chosen) : std::nullopt;
        });

        (text ? form->IDMFore : form->IDMBack)->trigger();

        QCOMPARE(presets, QList{text ? QColor(0, 255, 0) : QColor(Qt::black)});
        QTEST(env.messageTexts(), "messages");
        const SharedState &s = Module1::State();
        QTEST(int(s.ForeColorSetting), "fore");
        QTEST(int(s.BackColorSetting), "back");
        QTEST(s.SettingsChanged, "changed");
        QCOMPARE(form->Label1->palette().color(QPalette::WindowText), ColorRef::toQColor(s.ForeColorSetting));
        QCOMPARE(form->Label1->palette().color(QPalette::Window), ColorRef::toQColor(s.BackColorSetting));
    }

    void realDialogStartsOnTheColour_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("fore");
        QTest::newRow("OK") << true << 255;
        QTest::newRow("cancel") << false << 65280;
    }
    void realDialogStartsOnTheColour()
    {
        QFETCH(bool, accept);
        TestEnvironment env;
        Form1 *form = startTraining(env, SettingsFile::Defaults);
        QColor startedOn;
        bool ownDialog = false; // Qt's own dialog always shows the custom colours
        QTimer::singleShot(0, this, [&] {
            if (auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
                ownDialog = dialog->testOption(QColorDialog::DontUseNativeDialog);
                startedOn = dialog->currentColor();
                dialog->setCurrentColor(Qt::red);
                accept ? dialog->accept() : dialog->reject();
            }
        });
        form->IDMFore->trigger();
        QVERIFY(ownDialog);
        QCOMPARE(startedOn, QColor(0, 255, 0));
        QTEST(int(Module1::State().ForeColorSetting), "fore");
        QVERIFY(Module1::State().SettingsChanged);
    }

    void cancelledOnEqualColoursAsksAgain()
    {
        TestEnvironment env;
        Form1 *form = startTraining(env, {255, 255, false, false, 0});
        Module1::SetColorDialogHook([](const QColor &) { return std::nullopt; });
        form->IDMBack->trigger();
        QCOMPARE(env.messageTexts(), QStringList{QStringLiteral("背景色と文字色が同じです。よろしいですか？")});
        QVERIFY(Module1::State().SettingsChanged);
    }

    void everyCommandFirstEnsuresTheFile_data()
    {
        QTest::addColumn<QString>("item");
        for (const char *item : {"IDMFore", "IDMBack", "IDMMax", "IDMSound", "IDMRCustom"})
            QTest::newRow(item) << QString::fromLatin1(item);
    }
    void everyCommandFirstEnsuresTheFile()
    {
        QFETCH(QString, item);
        TestEnvironment env;
        Form1 *form = startTraining(env, {255, 0, false, true, 0});
        QFile::remove(env.path(QStringLiteral("Plumeno.config")));
        Module1::SetColorDialogHook([](const QColor &preset) { return preset; });
        form->findChild<QAction *>(item)->trigger();
        QCOMPARE(env.messages.value(0).title, QStringLiteral("自動生成"));
        QCOMPARE(env.readFile(QStringLiteral("Plumeno.config")), SettingsFile::serialize(SettingsFile::Defaults));
        if (item == u"IDMSound") // the defaults, then toggled
            QVERIFY(Module1::State().SoundOff);
    }

    void togglesThenExit_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<QByteArray>("written"); // empty: the file is left as it was
        const auto bytes = [](bool max, bool soundOff) {
            return SettingsFile::serialize({65280, 0, max, soundOff, 0});
        };
        QTest::newRow("sound, Yes") << QStringList{"IDMSound"} << MsgAnswer::Yes << bytes(false, true);
        QTest::newRow("sound twice, Yes") << QStringList{"IDMSound", "IDMSound"} << MsgAnswer::Yes << bytes(false, false);
        QTest::newRow("sound, No") << QStringList{"IDMSound"} << MsgAnswer::No << QByteArray();
        QTest::newRow("maximise, No") << QStringList{"IDMMax"} << MsgAnswer::No << QByteArray();
    }
    void togglesThenExit()
    {
        QFETCH(QStringList, items);
        QFETCH(MsgAnswer, answer);
        QFETCH(QByteArray, written);
        TestEnvironment env;
        Form1 *form = startTraining(env, SettingsFile::Defaults);
        const QByteArray before = env.readFile(QStringLiteral("Plumeno.config"));
        for (const QString &item : items)
            form->findChild<QAction *>(item)->trigger();
        QCOMPARE(form->IDMSound->isChecked(), Module1::State().SoundOff);
        QCOMPARE(form->IDMMax->isChecked(), Module1::State().MaxDisplayOn);
        env.messages.clear();
        env.answers = {answer};

        form->Command2->click(); // EXIT

        const QString report = answer == MsgAnswer::Yes ? QStringLiteral("保存しました。") : QStringLiteral("保存しませんでした。");
        QCOMPARE(env.messageTexts(), (QStringList{SaveQuestion, report}));
        QCOMPARE(env.readFile(QStringLiteral("Plumeno.config")), written.isEmpty() ? before : written);
        QVERIFY(!Form1::existing());
    }

    void maximiseSavedAsTrue()
    {
        TestEnvironment env;
        Form1 *form = startTraining(env, SettingsFile::Defaults);
        form->IDMMax->trigger();
        form->IDMEnd->trigger();
        const QList<QByteArray> lines = env.readFile(QStringLiteral("Plumeno.config")).split('\n');
        QCOMPARE(lines.value(2), QByteArray("#TRUE#\r"));
        QCOMPARE(lines.value(4).chopped(1).toInt(), Module1::State().MaxFontSize);
    }

    void resetAnsweredNoChangesNothing()
    {
        TestEnvironment env;
        const SettingsFile::Values mine{255, 16777215, true, true, 300};
        Form1 *form = startTraining(env, mine);
        const QByteArray before = env.readFile(QStringLiteral("Plumeno.config"));
        env.answers = {MsgAnswer::No};
        form->IDMRCustom->trigger();
        QCOMPARE(env.messageTexts(), (QStringList{QStringLiteral("設定を初期化します。よろしいですか？"),
                                                  QStringLiteral("キャンセルしました。")}));
        QCOMPARE(env.messages.last().title, QStringLiteral("キャンセル報告"));
        QVERIFY(!Module1::State().SettingsChanged);
        env.messages.clear();
        form->Command2->click();
        QVERIFY(env.messages.isEmpty());
        QCOMPARE(env.readFile(QStringLiteral("Plumeno.config")), before);
    }

    void resetAnsweredYesResetsMemoryOnly()
    {
        TestEnvironment env;
        Form1 *form = startTraining(env, {255, 16777215, true, true, 300});
        const QByteArray before = env.readFile(QStringLiteral("Plumeno.config"));
        form->IDMRCustom->trigger();
        QCOMPARE(env.messages.last().text, QStringLiteral("初期化しました。"));
        QCOMPARE(env.messages.last().title, QStringLiteral("初期化報告"));
        const SharedState &s = Module1::State();
        QCOMPARE(SettingsFile::Values({s.ForeColorSetting, s.BackColorSetting, s.MaxDisplayOn, s.SoundOff, s.MaxFontSize}),
                 SettingsFile::Defaults);
        QVERIFY(s.SettingsChanged);
        QVERIFY(!form->IDMMax->isChecked() && !form->IDMSound->isChecked());
        QCOMPARE(form->Label1->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(env.readFile(QStringLiteral("Plumeno.config")), before);
    }
};

QTEST_MAIN(tst_OptionCommands)
#include "tst_optioncommands.moc"
