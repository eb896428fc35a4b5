// Every screen can be used without seeing its pictures and without a mouse:
// whatever shows its meaning as a picture has a name a screen reader reads,
// and the Tab key walks the buttons in the designed order.
#include "TrainingScreen.h"
#include "ModeScreen.h"
#include "ChallengeScreen.h"
#include "RankingScreen.h"
#include "AnswerDialog.h"
#include "NameDialog.h"
#include "FullScreenDisplay.h"
#include "AboutDialog.h"
#include "PictureButton.h"
#include "Program.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QtTest>

namespace {

QWidget *openScreen(int number)
{
    switch (number) {
    case 1: return TestSupport::program().trainingScreen();
    case 2: return TestSupport::program().modeScreen();
    case 3: return TestSupport::program().challengeScreen();
    case 4: return RankingScreen::instance();
    case 5: return new AnswerDialog(TestSupport::program().modeScreen());
    case 6: return new NameDialog(TestSupport::program().modeScreen(), QString());
    case 7: return FullScreenDisplay::instance();
    case 8: return AboutDialog::instance();
    case 9: { // between levels: NEXT stands where START stood
        ChallengeScreen *c = TestSupport::program().challengeScreen();
        c->m_startButton->hide();
        c->m_nextButton->show();
        c->unlockControls();
        return c;
    }
    }
    return nullptr;
}

// The controls that show their meaning only as a picture, or that a user
// works with: every one needs a name a screen reader reads out.
bool needsName(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return !label->pixmap().isNull();
    // Not Qt's own overflow arrow of the menu bar, nor a combo box's text
    // field, for which the box speaks.
    return (qobject_cast<QAbstractButton *>(w) && !qobject_cast<QMenuBar *>(w->parentWidget()))
           || qobject_cast<QComboBox *>(w) || (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget()));
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void namesAndTabOrder_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QStringList>("order"); // from the focus the screen opens with
        QTest::newRow("TrainingScreen: START, MODE, EXIT, then the choices")
            << 1 << QStringList{"startButton", "modeButton", "exitButton", "digitsBox", "termsBox", "intervalBox"};
        QTest::newRow("ModeScreen: Training Mode first") << 2 << QStringList{"trainingButton", "challengeButton"};
        QTest::newRow("ChallengeScreen: START first") << 3 << QStringList{"startButton", "rankingButton", "modeButton", "exitButton"};
        QTest::newRow("RankingScreen: Close") << 4 << QStringList{"closeButton"};
        QTest::newRow("AnswerDialog: the answer box") << 5 << QStringList{"answerEdit"};
        QTest::newRow("NameDialog: the name box") << 6 << QStringList{"nameEdit"};
        QTest::newRow("FullScreenDisplay: nothing to tab to") << 7 << QStringList{};
        QTest::newRow("AboutDialog: Close, the home page, the e-mail address")
            << 8 << QStringList{"closeButton", "homePageButton", "mailLink"};
        QTest::newRow("ChallengeScreen: NEXT takes START's turn") << 9 << QStringList{"nextButton", "rankingButton", "modeButton", "exitButton"};
    }
    void namesAndTabOrder()
    {
        QFETCH(int, screen);
        QFETCH(QStringList, order);
        TestEnvironment env;
        QWidget *form = openScreen(screen);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        for (QWidget *w : form->findChildren<QWidget *>()) {
            QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(!needsName(w) || (spoken && !spoken->text(QAccessible::Name).trimmed().isEmpty()),
                     qPrintable(form->objectName() + u'.' + w->objectName() + QStringLiteral(" is read out without a name")));
        }
        // The training screen's boxes keep their designed width; every choice
        // must read in full (Qt's text field keeps 2 pixels clear each side).
        for (QComboBox *box : form->findChildren<QComboBox *>())
            for (int i = 0; i < box->count(); ++i)
                QVERIFY2(box->lineEdit()->fontMetrics().horizontalAdvance(box->itemText(i)) <= box->lineEdit()->contentsRect().width() - 4,
                         qPrintable(box->objectName() + u' ' + box->itemText(i)));
        // Twice round: after the last control Tab comes back to the first,
        // so every control in the order is reached, and nothing else is.
        QStringList visited;
        for (int i = 0; i < 2 * order.size() && QApplication::focusWidget(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order + order);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
