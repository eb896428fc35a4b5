// The training extras end to end, through the real screens and real timers.
#include "ChallengeScreen.h"
#include "ExtrasDialog.h"
#include "GapTimer.h"
#include "HistoryFile.h"
#include "ModeScreen.h"
#include "NameDialog.h"
#include "PictureButton.h"
#include "ReviewDialog.h"
#include "RoundPlan.h"
#include "RoundTimer.h"
#include "SettingsProcedures.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "TrainingExtras.h"
#include "TrainingScreen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

std::unique_ptr<QObject> scope; // dialog watches end with their test function

// Runs `act` on the modal dialog with that object name once it is open.
void whenOpen(const QString &name, const std::function<void(QWidget *)> &act, int tries = 4000)
{
    QTimer::singleShot(2, scope.get(), [=] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->isVisible() && w->objectName() == name)
            act(w);
        else if (tries > 0)
            whenOpen(name, act, tries - 1);
    });
}

void answer(QWidget *dialog, const QString &text)
{
    auto *field = dialog->findChild<QLineEdit *>();
    field->insert(text);
    QTest::keyClick(field, Qt::Key_Return);
}

// What the number display showed, in order, one entry per change.
class DisplayLog : public QObject
{
public:
    explicit DisplayLog(QLabel *label)
        : m_label(label)
    {
        label->installEventFilter(this);
    }
    QStringList shown;
    QList<std::int32_t> numbers() const
    {
        QList<std::int32_t> n;
        for (const QString &s : shown)
            if (!s.isEmpty())
                n << s.toInt();
        return n;
    }
    int sum() const
    {
        int total = 0;
        for (std::int32_t n : numbers())
            total += n;
        return total;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // From the first number on; the label may be painted empty before.
        const QString text = m_label->text();
        if (event->type() == QEvent::Paint && (shown.isEmpty() ? !text.isEmpty() : shown.last() != text))
            shown << text;
        return false;
    }

private:
    QLabel *m_label;
};

TrainingScreen *openTraining(TestEnvironment &env, const QString &digits, const QString &terms, const QString &interval)
{
    env.writeDefaultFiles();
    Settings::setDefaults();
    TrainingScreen *form = TrainingScreen::instance();
    form->show();
    form->m_digitsBox->setEditText(digits);
    form->m_termsBox->setEditText(terms);
    form->m_intervalBox->setEditText(interval);
    return form;
}

// Plays one round from START to the unlocked screen, answering the sum + wrongBy.
void play(TrainingScreen *form, int wrongBy)
{
    whenOpen(QStringLiteral("AnswerDialog"), [=](QWidget *w) { answer(w, QString::number(form->m_roundSum + wrongBy)); });
    QTest::mouseClick(form->m_startButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(form->m_startButton->isEnabled(), 10000);
}

// Alternating numbers and blanks: n1, "", n2, "", ..., nN, "".
bool blankAfterEveryNumber(const QStringList &shown, int terms)
{
    if (shown.size() != 2 * terms)
        return false;
    for (int i = 0; i < shown.size(); ++i)
        if (shown[i].isEmpty() != (i % 2 == 1))
            return false;
    return true;
}

} // namespace

class TestExtras : public QObject
{
    Q_OBJECT
private slots:
    void init() { scope = std::make_unique<QObject>(); }
    void cleanup() { scope.reset(); }

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
        TrainingScreen *form = openTraining(env, "2", "6", "0.02");
        bool reviewOpened = false;
        whenOpen(QStringLiteral("ReviewDialog"), [&](QWidget *w) {
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
        whenOpen(QStringLiteral("AnswerDialog"), [&](QWidget *w) {
            sum = form->m_roundSum;
            answer(w, QString::number(sum + 1));
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
        QCOMPARE(modes->m_trainingExtrasAction->text(), QStringLiteral("練習の詳細設定(&T)"));
        // OK without a change writes nothing.
        whenOpen(QStringLiteral("ExtrasDialog"), [](QWidget *w) { static_cast<ExtrasDialog *>(w)->m_okButton->click(); });
        modes->m_trainingExtrasAction->trigger();
        QVERIFY(!QFile::exists(env.path(TrainingExtras::fileName())));

        whenOpen(QStringLiteral("ExtrasDialog"), [](QWidget *w) {
            auto *d = static_cast<ExtrasDialog *>(w);
            QCOMPARE(d->windowTitle(), QStringLiteral("練習の詳細設定"));
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
        whenOpen(QStringLiteral("ExtrasDialog"), [](QWidget *w) {
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
        TrainingScreen *form = openTraining(env, "1", "2", "0.01");
        play(form, 0);
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});
        const TrainingExtras e = TrainingExtras::load();
        QTEST(e.flashPercent, "flashPercent");
        QVERIFY(!e.byTotalTime && e.minusPercent == 0 && e.review == TrainingExtras::Review::Never && !e.keepHistory);
    }

    void flashAndGap()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.flashPercent = 50;
        QVERIFY(e.save());
        TrainingScreen *form = openTraining(env, "3", "5", "0.06");
        DisplayLog log(form->m_numberLabel);
        play(form, 0);
        QVERIFY2(blankAfterEveryNumber(log.shown, 5), qPrintable(log.shown.join(u'|')));
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});
    }

    void flashAndGapOnTheMaximisedDisplay()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.flashPercent = 60;
        QVERIFY(e.save());
        TrainingScreen *form = openTraining(env, "2", "3", "0.06");
        sharedState().MaxDisplayOn = true;
        QStringList texts;
        env.onSound = [&](const QString &command) {
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
        TrainingScreen *form = openTraining(env, "1", "15", "2.0");
        DisplayLog log(form->m_numberLabel);
        int interval = 0;
        whenOpen(QStringLiteral("AnswerDialog"), [&](QWidget *w) {
            interval = form->m_roundTimer->interval();
            answer(w, QString::number(form->m_roundSum));
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

    void subtractionShowsTheSignAndJudgesTheSignedSum()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.minusPercent = 50;
        QVERIFY(e.save());
        TrainingScreen *form = openTraining(env, "2", "10", "0.01");
        DisplayLog log(form->m_numberLabel);
        play(form, 0);
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});
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

    void reviewReplaysTheSameNumbersAndHistoryRecordsBoth()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.minusPercent = 30;
        e.flashPercent = 70;
        e.review = TrainingExtras::Review::Always;
        e.keepHistory = true;
        QVERIFY(e.save());
        TrainingScreen *form = openTraining(env, "3", "6", "0.02");
        DisplayLog first(form->m_numberLabel);
        QStringList table;
        QString answerText;
        bool lockedUnderReview = false;
        whenOpen(QStringLiteral("ReviewDialog"), [&](QWidget *w) {
            auto *review = static_cast<ReviewDialog *>(w);
            for (int row = 0; row < review->m_table->rowCount(); ++row)
                table << review->m_table->item(row, 0)->text() + u' ' + review->m_table->item(row, 1)->text();
            answerText = review->m_answerLabel->text();
            lockedUnderReview = !form->m_startButton->isEnabled();
            DisplayLog *replayLog = new DisplayLog(form->m_numberLabel);
            replayLog->setParent(scope.get());
            replayLog->setObjectName("replayLog");
            whenOpen(QStringLiteral("AnswerDialog"), [=](QWidget *d) { answer(d, QString::number(form->m_roundSum)); });
            whenOpen(QStringLiteral("ReviewDialog"), [](QWidget *again) {
                static_cast<ReviewDialog *>(again)->m_closeButton->click();
            });
            review->m_replayButton->click();
        });
        int sum = 0;
        whenOpen(QStringLiteral("AnswerDialog"), [&](QWidget *d) {
            sum = form->m_roundSum;
            answer(d, QString::number(sum + 1));
        });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form->m_startButton->isEnabled() && scope->findChild<QObject *>("replayLog"), 20000);

        const QList<std::int32_t> numbers = first.numbers().mid(0, 6);
        QCOMPARE(numbers.size(), 6);
        QStringList expectedTable;
        const QList<std::int32_t> totals = RoundPlan::runningTotals(numbers);
        for (int i = 0; i < 6; ++i)
            expectedTable << QString::number(numbers[i]) + u' ' + QString::number(totals[i]);
        QCOMPARE(table, expectedTable);
        QVERIFY2(answerText.contains(QString::number(sum + 1)) && answerText.contains(QString::number(sum)), qPrintable(answerText));
        QVERIFY(lockedUnderReview);
        const auto *replayLog = static_cast<DisplayLog *>(scope->findChild<QObject *>("replayLog"));
        QCOMPARE(replayLog->numbers(), numbers);
        QVERIFY2(blankAfterEveryNumber(replayLog->shown, 6), qPrintable(replayLog->shown.join(u'|')));
        QCOMPARE(env.messageTexts(), (QStringList{"不正解!", "Ans:" + QString::number(sum), "正解!!"}));
        QVERIFY(!form->m_inGame && form->m_modeButton->isEnabled());

        const QList<QByteArray> lines = env.readFile(HistoryFile::fileName()).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0] + '\n', HistoryFile::header());
        QVERIFY(lines[3].isEmpty());
        const QRegularExpression round(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,training,3,6,20,0,70,30,%1,%2,\d+,,$)"));
        QVERIFY2(round.pattern().size() > 0 && QRegularExpression(round.pattern().arg("0", "wrong")).match(lines[1]).hasMatch(), lines[1]);
        QVERIFY2(QRegularExpression(round.pattern().arg("1", "right")).match(lines[2]).hasMatch(), lines[2]);
    }

    void reviewAfterWrongOnlyAndCloseGoesBack()
    {
        TestEnvironment env;
        TrainingExtras e;
        e.review = TrainingExtras::Review::AfterWrong;
        QVERIFY(e.save());
        TrainingScreen *form = openTraining(env, "1", "3", "0.01");
        int reviews = 0;
        const auto watch = [&] {
            whenOpen(QStringLiteral("ReviewDialog"), [&](QWidget *w) {
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
            sharedState().StartupDone = true;
            TrainingExtras e;
            e.keepHistory = keep;
            // Extras meant for training leave the challenge as it is.
            e.minusPercent = 50;
            e.flashPercent = 50;
            e.review = TrainingExtras::Review::Always;
            QVERIFY(e.save());
            ChallengeScreen *f = ChallengeScreen::instance();
            f->show();
            f->m_roundTimer->setInterval(5);
            DisplayLog log(f->m_numberLabel);
            int sum = 0;
            whenOpen(QStringLiteral("AnswerDialog"), [&](QWidget *w) {
                sum = f->m_roundSum;
                answer(w, QString::number(sum + 1));
            });
            whenOpen(QStringLiteral("NameDialog"), [](QWidget *w) { answer(w, QStringLiteral("TEST")); });
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
        TrainingScreen *form = openTraining(env, "1", "1", "0.01");
        play(form, 0);
        QCOMPARE(env.messages.size(), 2);
        QCOMPARE(env.messages[0].text, QStringLiteral("正解!!"));
        QVERIFY(env.messages[1].text.startsWith(QStringLiteral("履歴を記録できませんでした。")));
        QCOMPARE(env.messages[1].title, QStringLiteral("保存報告"));
        QVERIFY(!form->m_inGame);
    }
};

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
