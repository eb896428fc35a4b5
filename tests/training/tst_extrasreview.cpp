// The training extras end to end, after the judgement: the review with its
// replay, and the history of training rounds and challenge games.
#include "ChallengeScreen.h"
#include "ExtrasTestSupport.h"
#include "Program.h"
#include "HistoryFile.h"
#include "NameDialog.h"
#include "ReviewDialog.h"
#include "RoundPlan.h"
#include "RoundTimer.h"
#include "TrainingExtras.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

using namespace ExtrasTest;
using namespace TestSupport;

class TestExtrasReview : public QObject
{
    Q_OBJECT
private slots:
    void reviewReplaysTheSameNumbersAndHistoryRecordsBoth()
    {
        TestEnvironment env;
        QObject replays;
        TrainingExtras e;
        e.minusPercent = 30;
        e.flashPercent = 70;
        e.review = TrainingExtras::Review::Always;
        e.keepHistory = true;
        QVERIFY(e.save());
        TrainingScreen *form = openTrainingScreen(env, {"3", "6", "0.02"});
        DisplayLog first(form->m_numberLabel);
        QStringList table;
        QString answerText;
        bool lockedUnderReview = false;
        whenDialogOpens(QStringLiteral("ReviewDialog"), [&](QWidget *w) {
            auto *review = static_cast<ReviewDialog *>(w);
            for (int row = 0; row < review->m_table->rowCount(); ++row)
                table << review->m_table->item(row, 0)->text() + u' ' + review->m_table->item(row, 1)->text();
            answerText = review->m_answerLabel->text();
            lockedUnderReview = !form->m_startButton->isEnabled();
            DisplayLog *replayLog = new DisplayLog(form->m_numberLabel);
            replayLog->setParent(&replays);
            replayLog->setObjectName("replayLog");
            whenDialogOpens(QStringLiteral("AnswerDialog"), [=](QWidget *d) { answerDialog(d, QString::number(form->m_roundSum)); });
            whenDialogOpens(QStringLiteral("ReviewDialog"), [](QWidget *again) {
                static_cast<ReviewDialog *>(again)->m_closeButton->click();
            });
            review->m_replayButton->click();
        });
        int sum = 0;
        whenDialogOpens(QStringLiteral("AnswerDialog"), [&](QWidget *d) {
            sum = form->m_roundSum;
            answerDialog(d, QString::number(sum + 1));
        });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form->m_startButton->isEnabled() && replays.findChild<QObject *>("replayLog"), 20000);

        const QList<std::int32_t> numbers = first.numbers().mid(0, 6);
        QCOMPARE(numbers.size(), 6);
        QStringList expectedTable;
        const QList<std::int32_t> totals = RoundPlan::runningTotals(numbers);
        for (int i = 0; i < 6; ++i)
            expectedTable << QString::number(numbers[i]) + u' ' + QString::number(totals[i]);
        QCOMPARE(table, expectedTable);
        QVERIFY2(answerText.contains(QString::number(sum + 1)) && answerText.contains(QString::number(sum)), qPrintable(answerText));
        QVERIFY(lockedUnderReview);
        const auto *replayLog = static_cast<DisplayLog *>(replays.findChild<QObject *>("replayLog"));
        QCOMPARE(replayLog->numbers(), numbers);
        QVERIFY2(blankAfterEveryNumber(replayLog->shown, 6), qPrintable(replayLog->shown.join(u'|')));
        QCOMPARE(env.messageTexts(), (QStringList{"不正解!", "Ans:" + QString::number(sum), "正解!!"}));
        QVERIFY(!form->m_inGame && form->m_modeButton->isEnabled());

        const QList<QByteArray> lines = env.readFile(HistoryFile::fileName()).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0] + '\n', HistoryFile::header());
        QVERIFY(lines[3].isEmpty());
        const QRegularExpression round(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,training,3,6,20,0,70,30,%1,%2,\d+,,$)"));
        QVERIFY2(QRegularExpression(round.pattern().arg("0", "wrong")).match(lines[1]).hasMatch(), lines[1]);
        QVERIFY2(QRegularExpression(round.pattern().arg("1", "right")).match(lines[2]).hasMatch(), lines[2]);
    }

    void reviewAfterWrongOnlyAndCloseGoesBack()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.review = TrainingExtras::Review::AfterWrong;
        QVERIFY(e.save());
        TrainingScreen *form = openTrainingScreen(env, {"1", "3", "0.01"});
        int reviews = 0;
        const auto watch = [&] {
            whenDialogOpens(QStringLiteral("ReviewDialog"), [&](QWidget *w) {
                ++reviews;
                static_cast<ReviewDialog *>(w)->m_closeButton->click();
            });
        };
        watch();
        play(form, 0);
        QTest::qWait(30);
        QCOMPARE(reviews, 0);
        play(form, 1);
        QCOMPARE(reviews, 1);
        QVERIFY(!form->m_inGame && form->m_startButton->isEnabled());
        QVERIFY(!QFile::exists(env.path(HistoryFile::fileName())));
    }

    void challengeGameIsRecordedOnlyWithHistoryOn()
    {
        for (const bool keep : {false, true}) {
            TestEnvironment env;
            env.writeDefaultFiles();
            TrainingExtras e;
            e.keepHistory = keep;
            // Extras meant for training leave the challenge as it is.
            e.minusPercent = 50;
            e.flashPercent = 50;
            e.review = TrainingExtras::Review::Always;
            QVERIFY(e.save());
            ChallengeScreen *f = TestSupport::program().challengeScreen();
            f->show();
            f->m_roundTimer->setInterval(5);
            DisplayLog log(f->m_numberLabel);
            int sum = 0;
            whenDialogOpens(QStringLiteral("AnswerDialog"), [&](QWidget *w) {
                sum = f->m_roundSum;
                answerDialog(w, QString::number(sum + 1));
            });
            whenDialogOpens(QStringLiteral("NameDialog"), [](QWidget *w) { answerDialog(w, QStringLiteral("TEST")); });
            QTest::mouseClick(f->m_startButton, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(f->m_exitButton->isEnabled() && !f->m_inGame, 10000);
            QCOMPARE(env.messageTexts(), (QStringList{"不正解!", "Ans:" + QString::number(sum)}));
            QCOMPARE(log.shown.size(), 3); // two numbers, no gap between, and the blank
            QVERIFY(!log.shown[0].startsWith(u'-') && !log.shown[1].startsWith(u'-'));
            if (keep) {
                const QByteArray bytes = env.readFile(HistoryFile::fileName());
                QVERIFY2(QRegularExpression(QStringLiteral(R"(^date,.*\n\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,challenge,,,,,,,,wrong,,1,0\n$)"))
                             .match(QString::fromUtf8(bytes))
                             .hasMatch(),
                         bytes);
            } else {
                QVERIFY(!QFile::exists(env.path(HistoryFile::fileName())));
            }
        }
    }

    void historyThatCannotBeWrittenIsReportedAndTheRoundGoesOn()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.keepHistory = true;
        QVERIFY(e.save());
        QVERIFY(QDir(env.dir()).mkdir(HistoryFile::fileName()));
        TrainingScreen *form = openTrainingScreen(env, {"1", "1", "0.01"});
        play(form, 0);
        QCOMPARE(env.messages.size(), 2);
        QCOMPARE(env.messages[0].text, QStringLiteral("正解!!"));
        QVERIFY(env.messages[1].text.startsWith(QStringLiteral("履歴を記録できませんでした。")));
        QCOMPARE(env.messages[1].title, QStringLiteral("保存報告"));
        QVERIFY(!form->m_inGame);
    }
};

QTEST_MAIN(TestExtrasReview)
#include "tst_extrasreview.moc"
