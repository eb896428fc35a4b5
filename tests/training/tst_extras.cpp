// The training extras end to end, through the real screens and real timers:
// their dialog and file, the gap, the subtractions, the total time, the
// review with its replay, the automatic speed, and the history of training
// rounds and challenge games.
#include "ChallengeScreen.h"
#include "ExtrasDialog.h"
#include "GapTimer.h"
#include "HistoryFile.h"
#include "ModeScreen.h"
#include "PictureButton.h"
#include "ReviewDialog.h"
#include "RoundPlan.h"
#include "RoundTimer.h"
#include "FullScreenDisplay.h"
#include "Program.h"
#include "TestSupport.h"
#include "TrainingExtras.h"
#include "TrainingScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace TestSupport;

namespace {

// What the number display showed, in order, one entry per change, from the first number on.
class DisplayLog : public QObject
{
public:
    explicit DisplayLog(QLabel *label) { label->installEventFilter(this); }
    QStringList shown;

    bool eventFilter(QObject *label, QEvent *event) override
    {
        const QString text = static_cast<QLabel *>(label)->text();
        if (event->type() == QEvent::Paint && (shown.isEmpty() ? !text.isEmpty() : shown.last() != text))
            shown << text;
        return false;
    }
};

// Plays one round from START to the unlocked screen, answering the sum + wrongBy.
void play(TrainingScreen *form, int wrongBy)
{
    answerNextDialog([=] { return QString::number(form->m_roundSum + wrongBy); });
    QTest::mouseClick(form->m_startButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(form->m_startButton->isEnabled(), 10000);
}

TrainingScreen *openWithExtras(TestEnvironment &env, const TrainingExtras &extras, const QStringList &choices)
{
    return extras.save() ? openTrainingScreen(env, choices) : nullptr;
}

} // namespace

class TestExtras : public QObject
{
    Q_OBJECT
private slots:
    void gapTimerFiresOnceAndIsReplacedOrCancelled()
    {
        GapTimer gap;
        int fired = 0;
        connect(&gap, &GapTimer::timeout, [&] { ++fired; });
        gap.start(2000000000, 5000000);
        gap.start(1000000, 5000000); // replaces the first
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 5000);
        gap.start(5000000, 5000000);
        gap.stop();
        QTest::qWait(30);
        QCOMPARE(fired, 1);
    }

    void dialogSavesItsOwnFileOnlyOnOkAndReportsWhatCannotBeSaved()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        const QByteArray settingsBefore = env.readFile("Plumeno.config");
        QVERIFY(QDir(env.dir()).mkdir(TrainingExtras::fileName())); // in the way of the first OK
        ModeScreen *modes = TestSupport::program().start();
        modes->show();
        bool stayedOpen = false, excluded = false;
        whenDialogOpens(QStringLiteral("ExtrasDialog"), [&](QWidget *w) {
            auto *d = static_cast<ExtrasDialog *>(w);
            d->m_flashPercentBox->setValue(75);
            d->m_totalTimeCheck->setChecked(true);
            excluded = !d->m_adaptiveBox->isEnabled() && d->m_speedNote->isVisible(); // one source of the interval
            d->m_totalSecondsBox->setValue(1.65);
            d->m_minusPercentBox->setValue(30);
            d->m_reviewBox->setCurrentIndex(1);
            d->m_historyCheck->setChecked(true);
            d->m_okButton->click();
            stayedOpen = d->isVisible();
            QDir(env.dir()).rmdir(TrainingExtras::fileName());
            d->m_okButton->click();
        });
        modes->m_trainingExtrasAction->trigger();
        QVERIFY(stayedOpen && excluded);
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].title == "保存報告" && env.messages[0].text.startsWith(QStringLiteral("練習の詳細設定を保存できませんでした。")));
        const TrainingExtras expected{75, true, 1650, 30, TrainingExtras::Review::AfterWrong, true}; // every field
        QVERIFY(TrainingExtras::load() == expected);
        QCOMPARE(env.readFile("Plumeno.config"), settingsBefore);
        QVERIFY(!env.program().settings().isChanged());

        // キャンセル keeps what was saved; the dialog opens on it.
        whenDialogOpens(QStringLiteral("ExtrasDialog"), [](QWidget *w) {
            auto *d = static_cast<ExtrasDialog *>(w);
            QCOMPARE(d->m_reviewBox->currentText(), QStringLiteral("不正解のとき"));
            d->m_flashPercentBox->setValue(100);
            d->m_cancelButton->click();
        });
        modes->m_trainingExtrasAction->trigger();
        QVERIFY(TrainingExtras::load() == expected);
        QCOMPARE(env.messages.size(), 1);
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
        QFETCH(int, flashPercent);
        TestEnvironment env;
        env.writeFile(TrainingExtras::fileName(), bytes);
        QVERIFY(TrainingExtras::load() == TrainingExtras{.flashPercent = flashPercent});
        QVERIFY(env.messages.isEmpty());
    }

    void flashAndGapOnTheMaximisedDisplay()
    {
        TestEnvironment env;
        TrainingScreen *form = openWithExtras(env, {.flashPercent = 60}, {"2", "3", "0.06"});
        env.changeSettings([](StoredSettings &s) { s.fullScreenDisplay = true; });
        QStringList texts;
        env.sound.onCall = [&](const QString &command) {
            if (command.endsWith(u"clock.wav"))
                texts << FullScreenDisplay::instance()->drawnText();
        };
        play(form, 0);
        // Before every number after the first, the gap had emptied the display.
        QCOMPARE(texts.mid(1), (QStringList{"", ""})); // and three numbers
        QVERIFY(!QFile::exists(env.path(HistoryFile::fileName())));
    }

    void totalTimeSetsTheIntervalWhateverTheIntervalBoxHolds_data()
    {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("terms");
        QTest::addColumn<QString>("refusal"); // empty: the round runs, 10 ms a number
        QTest::newRow("15 in 0.150 s") << "2.0" << "15" << "";
        QTest::newRow("0 in the interval box") << "0" << "15" << "";
        QTest::newRow("no terms") << "1.0" << "0" << "合計時間で指定するときは、コマ数に1以上の数を入力してください。";
        QTest::newRow("0.99 ms a number, before rounding")
            << "1.0" << "151" << "合計時間が短すぎます。1コマ1ミリ秒以上になるようにしてください。";
    }
    void totalTimeSetsTheIntervalWhateverTheIntervalBoxHolds()
    {
        QFETCH(QString, interval);
        QFETCH(QString, terms);
        QFETCH(QString, refusal);
        TestEnvironment env;
        TrainingScreen *form = openWithExtras(env, {.byTotalTime = true, .totalMs = 150}, {"1", terms, interval});
        if (!refusal.isEmpty()) {
            QTest::mouseClick(form->m_startButton, Qt::LeftButton);
            QCOMPARE(env.messages.value(0).title + env.messageTexts().join(u'|'), "確認" + refusal);
            QVERIFY(!form->m_inGame && form->m_startButton->isEnabled());
            return;
        }
        DisplayLog log(form->m_numberLabel);
        play(form, 0);
        QCOMPARE(form->m_roundTimer->interval(), 10);
        QCOMPARE(log.shown.size(), 16); // 15 numbers, then the blank
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});
        QCOMPARE(form->m_intervalBox->currentText(), interval); // left as the player set it
    }

    void reviewReplaysTheSameNumbersAndHistoryRecordsBoth()
    {
        TestEnvironment env;
        TrainingScreen *form = openWithExtras(
            env, {.flashPercent = 70, .minusPercent = 30, .review = TrainingExtras::Review::Always, .keepHistory = true}, {"3", "6", "0.02"});
        DisplayLog log(form->m_numberLabel);
        QStringList table;
        QString answerText;
        bool lockedUnderReview = false, replayed = false;
        whenDialogOpens(QStringLiteral("ReviewDialog"), [&](QWidget *w) {
            auto *review = static_cast<ReviewDialog *>(w);
            for (int row = 0; row < review->m_table->rowCount(); ++row)
                table << review->m_table->item(row, 0)->text() + u' ' + review->m_table->item(row, 1)->text();
            answerText = review->m_answerLabel->text();
            lockedUnderReview = !form->m_startButton->isEnabled();
            whenDialogOpens(QStringLiteral("AnswerDialog"), [=](QWidget *d) { answerDialog(d, QString::number(form->m_roundSum)); });
            whenDialogOpens(QStringLiteral("ReviewDialog"), [&](QWidget *again) {
                replayed = true;
                static_cast<ReviewDialog *>(again)->m_closeButton->click();
            });
            review->m_replayButton->click();
        });
        int sum = 0;
        answerNextDialog([&] { return QString::number((sum = form->m_roundSum) + 1); });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form->m_startButton->isEnabled() && replayed, 20000);

        // The round, then its replay: each number taken down by the gap.
        const QList<std::int32_t> numbers = form->m_flashed;
        const QList<std::int32_t> totals = RoundPlan::runningTotals(numbers);
        QStringList expectedTable, onceShown;
        for (int i = 0; i < numbers.size(); ++i) {
            expectedTable << QString::number(numbers[i]) + u' ' + QString::number(totals[i]);
            onceShown << QString::number(numbers[i]) << QString();
        }
        QCOMPARE(log.shown, onceShown + onceShown);
        QCOMPARE(table, expectedTable);
        QCOMPARE(totals.value(5), sum); // the signed sum of six is judged
        QVERIFY(std::any_of(numbers.begin(), numbers.end(), [](std::int32_t n) { return n < 0; }));
        QVERIFY2(answerText.contains(QString::number(sum + 1)) && answerText.contains(QString::number(sum)), qPrintable(answerText));
        QVERIFY(lockedUnderReview);
        QCOMPARE(env.messageTexts(), (QStringList{"不正解!", "Ans:" + QString::number(sum), "正解!!"}));
        QVERIFY(!form->m_inGame && form->m_modeButton->isEnabled());

        // The header and two rounds.
        const QString round(QStringLiteral(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,training,3,6,20,0,70,30,%1,%2,\d+,,,0\n)"));
        const QString history = QString::fromUtf8(env.readFile(HistoryFile::fileName()));
        QVERIFY2(QRegularExpression("^date,.*\n" + round.arg("0", "wrong") + round.arg("1", "right") + "$").match(history).hasMatch(), qPrintable(history));
    }

    void adaptiveSpeedSetsTheIntervalAndAReplayNeverMovesIt()
    {
        TestEnvironment env;
        // 1 x 3 damaged: a fresh start from the 間隔 box; 1 x 4 has turned six times.
        env.writeFile(TrainingExtras::fileName(), "[training]\nadaptive=70\nkeepHistory=true\nreview=wrong\n"
                                                  "[pace70]\n1x3=garbage\n1x4=50 1 -1 1 6 40 60 40 60 40 60\n");
        TrainingScreen *form = openTrainingScreen(env, {"1", "3", "0.05"});
        QVERIFY(!form->m_intervalBox->isEnabled());
        play(form, 0);
        QCOMPARE(form->m_intervalBox->currentText(), "0.035");
        form->m_termsBox->setEditText("4");
        QCOMPARE(form->m_intervalBox->currentText(), "0.050");
        int reviews = 0;
        whenDialogOpens(QStringLiteral("ReviewDialog"), [&](QWidget *w) {
            answerNextDialog([&] { return QString::number(form->m_roundSum + 1); });
            whenDialogOpens(QStringLiteral("ReviewDialog"), [&](QWidget *again) {
                ++reviews;
                static_cast<ReviewDialog *>(again)->m_closeButton->click();
            });
            ++reviews;
            static_cast<ReviewDialog *>(w)->m_replayButton->click();
        });
        int sum = 0;
        answerNextDialog([&] { return QString::number((sum = form->m_roundSum) + 1); });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form->m_startButton->isEnabled() && reviews == 2, 10000);
        const QString wrong = "Ans:" + QString::number(sum) + QStringLiteral("\n次の間隔: 0.053秒\nいまの目安: 0.052秒（正解率 約71%）");
        QCOMPARE(env.messageTexts(), (QStringList{QStringLiteral("正解!!\n次の間隔: 0.035秒"), "不正解!", wrong, "不正解!", wrong}));
        const QString round(QStringLiteral(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,training,1,%1,50,0,100,0,%2,\d+,,,1\n)"));
        const QString history = QString::fromUtf8(env.readFile(HistoryFile::fileName()));
        const QRegularExpression rounds("^date,.*\n" + round.arg("3", "0,right") + round.arg("4", "0,wrong") + round.arg("4", "1,wrong") + "$");
        QVERIFY2(rounds.match(history).hasMatch(), qPrintable(history));

        // Off again from the training screen's menu: the 間隔 box is the player's.
        bool totalTimeLocked = false;
        whenDialogOpens(QStringLiteral("ExtrasDialog"), [&](QWidget *w) {
            auto *d = static_cast<ExtrasDialog *>(w);
            totalTimeLocked = !d->m_totalTimeCheck->isEnabled();
            d->m_adaptiveBox->setCurrentIndex(0);
            d->m_okButton->click();
        });
        form->m_trainingExtrasAction->trigger();
        QVERIFY(totalTimeLocked && form->m_intervalBox->isEnabled());
        const QByteArray kept = env.readFile(TrainingExtras::fileName());
        QVERIFY2(kept.contains("1x3=35 0 -1 0 0\n") && !kept.contains("adaptive"), kept.constData());
    }

    void challengeGameIsRecordedOnlyWithHistoryOn()
    {
        for (const bool keep : {false, true}) {
            TestEnvironment env;
            env.writeDefaultFiles();
            // Extras meant for training leave the challenge as it is.
            QVERIFY((TrainingExtras{.flashPercent = 50, .minusPercent = 50, .review = TrainingExtras::Review::Always, .keepHistory = keep}).save());
            ChallengeScreen *f = TestSupport::program().challengeScreen();
            f->show();
            f->m_roundTimer->setInterval(5);
            DisplayLog log(f->m_numberLabel);
            answerNextDialog([&] { return QString::number(f->m_roundSum + 1); });
            whenDialogOpens(QStringLiteral("NameDialog"), [](QWidget *w) { answerDialog(w, QStringLiteral("TEST")); });
            QTest::mouseClick(f->m_startButton, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(f->m_exitButton->isEnabled() && !f->m_inGame, 10000);
            QCOMPARE(log.shown.size(), 3); // two numbers, no gap between, and the blank
            QVERIFY(!log.shown[0].startsWith(u'-') && !log.shown[1].startsWith(u'-'));
            const QString history = QString::fromUtf8(env.readFile(HistoryFile::fileName()));
            const QRegularExpression game(QStringLiteral(R"(^date,.*\n\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,challenge,,,,,,,,wrong,,1,0,\n$)"));
            QVERIFY2(keep ? game.match(history).hasMatch() : !QFile::exists(env.path(HistoryFile::fileName())), qPrintable(history));
        }
    }
};

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
