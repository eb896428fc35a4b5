#include "AnswerDialog.h"
#include "Messages.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "SettingsProcedures.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

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

bool locked(TrainingScreen *f)
{
    return !f->m_digitsBox->isEnabled() && !f->m_termsBox->isEnabled() && !f->m_intervalBox->isEnabled() && !f->m_startButton->isEnabled()
           && !f->m_exitButton->isEnabled() && !f->m_modeButton->isEnabled() && !f->m_settingsMenu->menuAction()->isEnabled()
           && !f->m_helpMenu->menuAction()->isEnabled() && f->m_inGame;
}

bool unlocked(TrainingScreen *f)
{
    return f->m_digitsBox->isEnabled() && f->m_termsBox->isEnabled() && f->m_intervalBox->isEnabled() && f->m_startButton->isEnabled()
           && f->m_exitButton->isEnabled() && f->m_modeButton->isEnabled() && f->m_settingsMenu->menuAction()->isEnabled()
           && f->m_helpMenu->menuAction()->isEnabled() && !f->m_inGame;
}

} // namespace

class TestTrainingRound : public QObject
{
    Q_OBJECT
private slots:
    void wholeRoundWithTheRightAnswer()
    {
        TestEnvironment env;
        TrainingScreen *form = openTraining(env, "2", "6", "0.02");
        // Every clock sound comes before its number is shown, so the label
        // still holds the number before it.
        QStringList shown;
        env.onSound = [&](const QString &command) {
            if (command.endsWith(u"clock.wav") && form->m_tickCount > 1)
                shown << form->m_numberLabel->text();
        };
        bool blankAtAnswer = false;
        TestSupport::answerNextDialog([&] {
            blankAtAnswer = form->m_numberLabel->text().isEmpty();
            shown << QString::number(form->m_lastNumber);
            int sum = 0;
            for (const QString &n : shown)
                sum += n.toInt();
            return QString::number(sum);
        });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QVERIFY(locked(form));
        QCOMPARE(form->m_roundTimer->interval(), 20);
        QTRY_VERIFY_WITH_TIMEOUT(!env.messages.isEmpty(), 10000);

        QCOMPARE(shown.size(), 6);
        for (int i = 0; i < shown.size(); ++i) {
            QCOMPARE(shown[i].size(), 2);
            if (i > 0)
                QVERIFY(shown[i] != shown[i - 1]);
        }
        QVERIFY(blankAtAnswer);
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});
        QCOMPARE(env.messages[0].title, QStringLiteral("Plumeno"));
        QCOMPARE(env.soundCommands.count(u"Play"), 7);
        QVERIFY(env.soundCommands.last() == u"Play" && env.soundCommands.at(env.soundCommands.size() - 2).endsWith(u"/SE/hit.wav"));
        QVERIFY(unlocked(form));
        QCOMPARE(form->m_roundSum, 0);
        QCOMPARE(form->m_tickCount, std::int16_t(0));
        QVERIFY(!form->m_roundTimer->isActive());
        // The choices stay for the next round.
        QCOMPARE(form->m_termsBox->currentText(), QStringLiteral("6"));
    }

    void wrongAnswerShowsTheCorrectSum()
    {
        TestEnvironment env;
        TrainingScreen *form = openTraining(env, "3", "3", "0.01");
        int sum = 0;
        TestSupport::answerNextDialog([&] {
            sum = form->m_roundSum;
            return QString::number(sum + 1);
        });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(env.messages.size(), 2, 10000);
        QCOMPARE(env.messageTexts(), (QStringList{"不正解!", "Ans:" + QString::number(sum)}));
        QVERIFY(sum >= 300);
        QVERIFY(env.soundCommands.contains("Open " + env.path("SE/miss.wav")));
        QVERIFY(unlocked(form));
    }

    void zeroAndNegativeTermsEndAtOnceWithSumZero_data()
    {
        QTest::addColumn<QString>("terms");
        QTest::addColumn<int>("ticks");
        QTest::newRow("zero") << "0" << 2;
        QTest::newRow("negative") << "-3" << 1;
    }
    void zeroAndNegativeTermsEndAtOnceWithSumZero()
    {
        QFETCH(QString, terms);
        TestEnvironment env;
        TrainingScreen *form = openTraining(env, "1", terms, "0.01");
        int ticksAtAnswer = 0;
        TestSupport::answerNextDialog([&] {
            ticksAtAnswer = form->m_tickCount;
            return QStringLiteral("0");
        });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!env.messages.isEmpty(), 10000);
        QTEST(ticksAtAnswer, "ticks");
        QCOMPARE(env.messageTexts(), QStringList{"正解!!"});
        QVERIFY(env.soundCommands.filter("clock").isEmpty());
    }

    void startRefusesBadChoicesBeforeLocking()
    {
        TestEnvironment env;
        TrainingScreen *form = openTraining(env, "10", "1", "1.0");
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
        QVERIFY(unlocked(form));
        QVERIFY(!form->m_roundTimer->isActive());

        form->m_digitsBox->setEditText("1");
        form->m_intervalBox->setEditText("0");
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QCOMPARE(env.messages.size(), 2);
        QVERIFY(unlocked(form));
    }

    void closeBoxOutsideARoundExitsWithoutAsking()
    {
        TestEnvironment env;
        TrainingScreen *form = openTraining(env, "1", "1", "1.0");
        QVERIFY(TestSupport::userClose(form));
        QVERIFY(env.messages.isEmpty());
        QVERIFY(!TrainingScreen::existing());
        QVERIFY(env.soundCommands.contains("Close"));
    }

    void closeBoxDuringARoundAnsweredYesEndsTheProgram()
    {
        TestEnvironment env;
        TrainingScreen *form = openTraining(env, "1", "15", "0.05");
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QVERIFY(TestSupport::userClose(form));
        QCOMPARE(env.messageTexts(), QStringList{"ゲーム中です。終了しますか？"});
        QCOMPARE(env.messages[0].buttons, Messages::Buttons::YesNo);
        QVERIFY(!TrainingScreen::existing());
    }

    void roundGoesOnUnderTheCloseQuestionAndWaitsForIt()
    {
        TestEnvironment env;
        TrainingScreen *form = openTraining(env, "2", "4", "0.01");
        bool dialogUnderQuestion = true;
        env.onMessage = [&](const Messages::Call &call) {
            if (call.buttons != Messages::Buttons::YesNo)
                return;
            // While the question is open the numbers keep flashing; the round
            // reaches its end but does not open the answer dialog yet.
            QVERIFY(QTest::qWaitFor([&] { return !form->m_roundTimer->isActive(); }, 10000));
            QTest::qWait(30);
            dialogUnderQuestion = TestSupport::openDialog() != nullptr;
        };
        env.answers = {Messages::Answer::No};
        // The player closes the window right after the first number.
        bool closeAccepted = true;
        env.onSound = [&](const QString &command) {
            if (command.endsWith(u"clock.wav") && form->m_tickCount == 1)
                QTimer::singleShot(0, form, [&] { closeAccepted = TestSupport::userClose(form); });
        };
        TestSupport::answerNextDialog([&] { return QString::number(form->m_roundSum); });
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(env.messages.size(), 2, 10000);
        QVERIFY(!closeAccepted);
        QVERIFY(!dialogUnderQuestion);
        QCOMPARE(env.messageTexts(), (QStringList{"ゲーム中です。終了しますか？", "正解!!"}));
        QVERIFY(form->isVisible());
        QVERIFY(unlocked(form));
    }

    void answerDialogClosedByItsCloseBoxCountsAsZero()
    {
        TestEnvironment env;
        TrainingScreen *form = openTraining(env, "1", "2", "0.01");
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QWidget *dialog = TestSupport::openDialog()) {
                poll.stop();
                TestSupport::userClose(dialog);
            }
        });
        poll.start(2);
        QTest::mouseClick(form->m_startButton, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(env.messages.size(), 2, 10000);
        QCOMPARE(env.messages[0].text, QStringLiteral("不正解!"));
        QVERIFY(env.messages[1].text.startsWith(u"Ans:"));
    }

    void answerDialogFiltersKeysAndTestsNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("answer");
        QTest::newRow("plain") << "1234" << true << 1234;
        QTest::newRow("lower-case letters dropped") << "1a2b3" << true << 123;
        QTest::newRow("exponent") << "1E3" << true << 1000;
        QTest::newRow("lower-case e dropped") << "1e3" << true << 13;
        QTest::newRow("half to even down") << "12.5" << true << 12;
        QTest::newRow("half to even up") << "13.5" << true << 14;
        QTest::newRow("negative") << "-5" << true << -5;
        QTest::newRow("blanks around") << " 7 " << true << 7;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("upper-case letters") << "12X" << false << 0;
        QTest::newRow("too large for 32 bits") << "99999999999" << false << 0;
        QTest::newRow("two points") << "1.2.3" << false << 0;
    }
    void answerDialogFiltersKeysAndTestsNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        TestEnvironment env;
        sharedState().AnswerValue = -77;
        AnswerDialog *dialog = AnswerDialog::instance();
        dialog->show();
        QTest::keyClicks(dialog->m_answerEdit, typed);
        QTest::keyClick(dialog->m_answerEdit, Qt::Key_Escape); // never closes the dialog unanswered
        QVERIFY(AnswerDialog::existing());
        QTest::keyClick(dialog->m_answerEdit, Qt::Key_Return);
        if (accepted) {
            QVERIFY(env.messages.isEmpty());
            QVERIFY(!AnswerDialog::existing());
            QTEST(int(sharedState().AnswerValue), "answer");
        } else {
            QCOMPARE(env.messageTexts(), QStringList{"数値を入力してください"});
            QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
            QVERIFY(AnswerDialog::existing() && dialog->isVisible());
            QVERIFY(dialog->m_answerEdit->text().isEmpty());
            QCOMPARE(sharedState().AnswerValue, -77);
        }
    }

    void pastedTextStillGoesThroughTheNumericTest()
    {
        TestEnvironment env;
        AnswerDialog *dialog = AnswerDialog::instance();
        dialog->show();
        dialog->m_answerEdit->setText("2.5e1");
        QTest::keyClick(dialog->m_answerEdit, Qt::Key_Return);
        QCOMPARE(sharedState().AnswerValue, 25);
        AnswerDialog *again = AnswerDialog::instance();
        QVERIFY(again->m_answerEdit->text().isEmpty());
        again->show();
        again->m_answerEdit->setText("abc");
        QTest::keyClick(again->m_answerEdit, Qt::Key_Return);
        QCOMPARE(env.messages.size(), 1);
    }
};

QTEST_MAIN(TestTrainingRound)
#include "tst_traininground.moc"
