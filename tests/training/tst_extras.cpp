// The training extras end to end, through the real screens and real timers.
#include "ExtrasDialog.h"
#include "ExtrasTestSupport.h"
#include "GapTimer.h"
#include "HistoryFile.h"
#include "ModeScreen.h"
#include "RoundPlan.h"
#include "RoundTimer.h"
#include "SharedState.h"
#include "TrainingExtras.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

using namespace ExtrasTest;
using namespace TestSupport;

class TestExtras : public QObject
{
    Q_OBJECT
private slots:
    void gapTimerFiresOnceAndIsReplacedOrCancelled()
    {
        GapTimer gap;
        int fired = 0;
        connect(&gap, &GapTimer::timeout, [&] { ++fired; });
        gap.start(3000000, 5000000);
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 5000);
        QVERIFY(!gap.isActive());
        // A start replaces the pending one; a stop cancels it.
        gap.start(2000000000, 5000000);
        gap.start(1000000, 5000000);
        QTRY_COMPARE_WITH_TIMEOUT(fired, 2, 5000);
        gap.start(5000000, 5000000);
        gap.stop();
        QTest::qWait(30);
        QCOMPARE(fired, 2);
    }

    void everyExtraOffIsTheDesignedRound()
    {
        TestEnvironment env;
        TrainingScreen *form = openTrainingScreen(env, {"2", "6", "0.02"});
        bool reviewOpened = false;
        whenDialogOpens(QStringLiteral("ReviewDialog"), [&](QWidget *w) {
            reviewOpened = true;
            w->close();
        });
        DisplayLog log(form->m_numberLabel);
        play(form, 0);
        // The numbers follow each other with no blank between; one blank at the end.
        QCOMPARE(log.shown.size(), 7);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(log.shown[i].size(), 2);
            if (i > 0)
                QVERIFY(log.shown[i] != log.shown[i - 1]);
        }
        QCOMPARE(log.shown.last(), QString());
        QCOMPARE(form->m_roundTimer->interval(), 20);
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});

        env.messages.clear();
        DisplayLog second(form->m_numberLabel);
        int sum = 0;
        whenDialogOpens(QStringLiteral("AnswerDialog"), [&](QWidget *w) {
            sum = form->m_roundSum;
            answerDialog(w, QString::number(sum + 1));
        });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form->m_startButton->isEnabled(), 10000);
        QCOMPARE(env.messageTexts(), (QStringList{"不正解!", "Ans:" + QString::number(sum)}));
        QCOMPARE(second.sum(), sum);
        QTest::qWait(20);
        QVERIFY(!reviewOpened);
        // Nothing of the extras is written while they are off.
        QVERIFY(!QFile::exists(env.path(TrainingExtras::fileName())));
        QVERIFY(!QFile::exists(env.path(HistoryFile::fileName())));
    }

    void menuItemOpensTheDialogWhichSavesItsOwnFile()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        const QByteArray settingsBefore = env.readFile("Plumeno.config");
        ModeScreen *modes = ModeScreen::instance();
        modes->show();
        // OK without a change writes nothing.
        whenDialogOpens(QStringLiteral("ExtrasDialog"), [](QWidget *w) { static_cast<ExtrasDialog *>(w)->m_okButton->click(); });
        modes->m_trainingExtrasAction->trigger();
        QVERIFY(!QFile::exists(env.path(TrainingExtras::fileName())));

        whenDialogOpens(QStringLiteral("ExtrasDialog"), [](QWidget *w) {
            auto *d = static_cast<ExtrasDialog *>(w);
            QVERIFY(!d->m_totalSecondsBox->isEnabled());
            d->m_flashPercentBox->setValue(75);
            d->m_totalTimeCheck->setChecked(true);
            QVERIFY(d->m_totalSecondsBox->isEnabled());
            d->m_totalSecondsBox->setValue(1.65);
            d->m_minusPercentBox->setValue(30);
            d->m_reviewBox->setCurrentIndex(1);
            d->m_historyCheck->setChecked(true);
            d->m_okButton->click();
        });
        modes->m_trainingExtrasAction->trigger();
        TrainingExtras expected;
        expected.flashPercent = 75;
        expected.byTotalTime = true;
        expected.totalMs = 1650;
        expected.minusPercent = 30;
        expected.review = TrainingExtras::Review::AfterWrong;
        expected.keepHistory = true;
        QVERIFY(TrainingExtras::load() == expected);
        QCOMPARE(env.readFile("Plumeno.config"), settingsBefore);
        QVERIFY(!sharedState().SettingsChanged);

        // キャンセル keeps what was saved; the dialog opens on it.
        whenDialogOpens(QStringLiteral("ExtrasDialog"), [](QWidget *w) {
            auto *d = static_cast<ExtrasDialog *>(w);
            QCOMPARE(d->m_flashPercentBox->value(), 75);
            QCOMPARE(d->m_reviewBox->currentText(), QStringLiteral("不正解のとき"));
            d->m_flashPercentBox->setValue(100);
            d->m_cancelButton->click();
        });
        modes->m_trainingExtrasAction->trigger();
        QVERIFY(TrainingExtras::load() == expected);
        QVERIFY(env.messages.isEmpty());
    }

    void extrasThatCannotBeSavedAreReportedAndTheDialogStays()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        QVERIFY(QDir(env.dir()).mkdir(TrainingExtras::fileName()));
        ModeScreen *modes = ModeScreen::instance();
        modes->show();
        bool stillOpen = false;
        whenDialogOpens(QStringLiteral("ExtrasDialog"), [&](QWidget *w) {
            auto *d = static_cast<ExtrasDialog *>(w);
            d->m_minusPercentBox->setValue(20);
            d->m_okButton->click();
            stillOpen = d->isVisible();
            d->m_cancelButton->click();
        });
        modes->m_trainingExtrasAction->trigger();
        QVERIFY(stillOpen);
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.startsWith(QStringLiteral("練習の詳細設定を保存できませんでした。")));
        QCOMPARE(env.messages[0].title, QStringLiteral("保存報告"));
        // What stands in the way reads as the defaults, without a word.
        env.messages.clear();
        QVERIFY(TrainingExtras::load() == TrainingExtras{});
        QVERIFY(env.messages.isEmpty());
    }

    void damagedExtrasFileReadsAsDefaultsSilently_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("flashPercent");
        QTest::newRow("garbage") << QByteArray("\xff\xfe\x00garbage\n[[[\n=\n", 16) << 100;
        QTest::newRow("out of range") << QByteArray("[training]\nflashPercent=5\nminusPercent=90\nreview=sometimes\n") << 100;
        QTest::newRow("one good value") << QByteArray("[training]\nflashPercent=60\nkeepHistory=yes\n") << 60;
    }
    void damagedExtrasFileReadsAsDefaultsSilently()
    {
        QFETCH(QByteArray, bytes);
        TestEnvironment env;
        env.writeFile(TrainingExtras::fileName(), bytes);
        TrainingScreen *form = openTrainingScreen(env, {"1", "2", "0.01"});
        play(form, 0);
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});
        const TrainingExtras e = TrainingExtras::load();
        QTEST(e.flashPercent, "flashPercent");
        QVERIFY(!e.byTotalTime && e.minusPercent == 0 && e.review == TrainingExtras::Review::Never && !e.keepHistory);
    }

    void flashAndGapOnTheMaximisedDisplay()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.flashPercent = 60;
        QVERIFY(e.save());
        TrainingScreen *form = openTrainingScreen(env, {"2", "3", "0.06"});
        sharedState().MaxDisplayOn = true;
        QStringList texts;
        env.sound.onCall = [&](const QString &command) {
            if (command.endsWith(u"clock.wav"))
                texts << sharedState().MaxDisplayText;
        };
        play(form, 0);
        // Before every number after the first, the gap had emptied the display.
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts.mid(1), (QStringList{"", ""}));
        QCOMPARE(form->m_numberLabel->text(), QString());
    }

    void totalTimeSetsTheInterval()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.byTotalTime = true;
        e.totalMs = 150;
        QVERIFY(e.save());
        TrainingScreen *form = openTrainingScreen(env, {"1", "15", "2.0"});
        DisplayLog log(form->m_numberLabel);
        int interval = 0;
        whenDialogOpens(QStringLiteral("AnswerDialog"), [&](QWidget *w) {
            interval = form->m_roundTimer->interval();
            answerDialog(w, QString::number(form->m_roundSum));
        });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form->m_startButton->isEnabled(), 10000);
        QCOMPARE(interval, 10);
        QCOMPARE(log.numbers().size(), 15);
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});
        // The interval box is left as the player set it.
        QCOMPARE(form->m_intervalBox->currentText(), QStringLiteral("2.0"));

        env.messages.clear();
        form->m_termsBox->setEditText("0");
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QCOMPARE(env.messageTexts(), QStringList{"合計時間で指定するときは、コマ数に1以上の数を入力してください。"});
        QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
        QVERIFY(!form->m_inGame && form->m_startButton->isEnabled());
        env.messages.clear();
        form->m_termsBox->setEditText("400");
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.startsWith(QStringLiteral("合計時間が短すぎます。")));
        QVERIFY(!form->m_inGame);
    }

    void subtractionAndGapShowTheSignAndJudgeTheSignedSum()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.minusPercent = 50;
        e.flashPercent = 50;
        QVERIFY(e.save());
        TrainingScreen *form = openTrainingScreen(env, {"2", "10", "0.06"});
        DisplayLog log(form->m_numberLabel);
        play(form, 0);
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});
        QVERIFY2(blankAfterEveryNumber(log.shown, 10), qPrintable(log.shown.join(u'|')));
        const QList<std::int32_t> numbers = log.numbers();
        QCOMPARE(numbers.size(), 10);
        int minus = 0;
        for (int i = 0; i < log.shown.size() - 1; ++i) {
            if (log.shown[i].startsWith(u'-')) {
                ++minus;
                QCOMPARE(log.shown[i].size(), 3); // "-" and two digits
            }
        }
        QVERIFY(minus >= 3 && minus <= 5);
        for (std::int32_t total : RoundPlan::runningTotals(numbers))
            QVERIFY(total >= 0);

        env.messages.clear();
        DisplayLog second(form->m_numberLabel);
        play(form, 7);
        QCOMPARE(env.messageTexts(), (QStringList{"不正解!", "Ans:" + QString::number(second.sum())}));
    }
};

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
