// Every dialog and message box of a round belongs to the screen it is about
// (its transient parent), so that compositors that place windows themselves
// open it over the game. Run offscreen with the suite, and on a headless
// Wayland compositor by run_on_wayland.sh.
#include "ChallengeScreen.h"
#include "ModeScreen.h"
#include "PictureButton.h"
#include "Placement.h"
#include "RoundTimer.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace TestSupport;

class TestDialogOwners : public QObject
{
    Q_OBJECT
private slots:
    void everyDialogOpensOverItsScreen()
    {
        TestEnvironment env;
        Messages::setResponder({}); // the real boxes are what is checked
        QStringList seen; // "what over whose"
        int sum = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w || w->property("seen").toBool())
                return;
            w->setProperty("seen", true);
            QString owner = QStringLiteral("nothing");
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->windowHandle() && top->windowHandle() == w->windowHandle()->transientParent())
                    owner = top->objectName();
            if (auto *box = qobject_cast<QMessageBox *>(w)) {
                // Where a box without an owner opens, as boxes always have.
                QMessageBox alone(QMessageBox::NoIcon, box->windowTitle(), box->text());
                alone.show();
                seen << box->text() + QStringLiteral(" over ") + owner + (alone.pos() == box->pos() ? "" : " moved");
                box->buttons().constFirst()->click();
                return;
            }
            seen << w->objectName() + QStringLiteral(" over ") + owner;
            if (w->objectName() == u"NameDialog") {
                // An empty name first, for its 確認 over the name box; out
                // of this watch, which cannot fire again while it runs.
                QTimer::singleShot(0, w, [w] {
                    w->findChild<QLineEdit *>()->clear();
                    answerDialog(w, QString());
                    answerDialog(w, QStringLiteral("TEST"));
                });
            } else {
                answerDialog(w, QString::number((sum = static_cast<GameScreen *>(Placement::activeScreen())->m_roundSum) + 1));
            }
        });
        watch.start(2);

        TrainingScreen *training = openTrainingScreen(env, {"1", "2", "0.01"});
        QTest::mouseClick(training->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(training->m_startButton->isEnabled(), 10000);
        QCOMPARE(seen, (QStringList{"AnswerDialog over TrainingScreen", "不正解! over TrainingScreen",
                                    u"Ans:%1 over TrainingScreen"_qs.arg(sum)}));

        seen.clear();
        training->m_modeButton->click();
        ModeScreen::existing()->m_challengeButton->click();
        ChallengeScreen *challenge = ChallengeScreen::existing();
        challenge->m_roundTimer->setInterval(5);
        QTest::mouseClick(challenge->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(challenge->m_exitButton->isEnabled() && !challenge->m_inGame, 10000);
        QCOMPARE(seen, (QStringList{"AnswerDialog over ChallengeScreen", "不正解! over ChallengeScreen",
                                    u"Ans:%1 over ChallengeScreen"_qs.arg(sum), "NameDialog over ChallengeScreen",
                                    "名前を入力してください over NameDialog"}));
    }
};

QTEST_MAIN(TestDialogOwners)
#include "tst_dialogowners.moc"
