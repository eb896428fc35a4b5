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
#include "Twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
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

// What a screen reader is told about a control.
QString spokenName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The controls that show their meaning only as a picture, or that a user
// works with: every one needs a name.
QList<QWidget *> namedControls(QWidget *screen)
{
    QList<QWidget *> controls;
    for (QAbstractButton *b : screen->findChildren<QAbstractButton *>())
        if (!qobject_cast<QMenuBar *>(b->parentWidget())) // Qt's own overflow arrow of the menu bar
            controls << b;
    for (QLabel *l : screen->findChildren<QLabel *>())
        if (!l->pixmap().isNull())
            controls << l;
    for (QComboBox *c : screen->findChildren<QComboBox *>())
        controls << c;
    for (QLineEdit *e : screen->findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(e->parentWidget())) // a combo box's own text field speaks for it
            controls << e;
    return controls;
}

QStringList names(const QList<QWidget *> &widgets)
{
    QStringList out;
    for (QWidget *w : widgets)
        out << (w ? w->objectName() : QStringLiteral("(none)"));
    return out;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env.emplace(); }
    void cleanup() { m_env.reset(); }

    void everyPictureAndButtonHasAName_data()
    {
        QTest::addColumn<int>("screen");
        for (int screen = 1; screen <= 8; ++screen)
            QTest::addRow("screen %d", screen) << screen;
    }
    void everyPictureAndButtonHasAName()
    {
        QFETCH(int, screen);
        QWidget *form = openScreen(screen);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        for (QWidget *w : namedControls(form)) {
            const QString what = form->objectName() + u'.' + w->objectName();
            QVERIFY2(!w->accessibleName().trimmed().isEmpty(), qPrintable(what + QStringLiteral(" has no accessible name")));
            QVERIFY2(!spokenName(w).trimmed().isEmpty(), qPrintable(what + QStringLiteral(" is read out without a name")));
        }
    }

    void tabOrderAsDesigned_data()
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
        QTest::newRow("AboutDialog: Close, the home page, the e-mail address")
            << 8 << QStringList{"closeButton", "homePageButton", "mailLink"};
        QTest::newRow("ChallengeScreen: NEXT takes START's turn") << 9 << QStringList{"nextButton", "rankingButton", "modeButton", "exitButton"};
    }
    void tabOrderAsDesigned()
    {
        QFETCH(int, screen);
        QFETCH(QStringList, order);
        QWidget *form = openScreen(screen);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));

        // Twice round: after the last control Tab comes back to the first,
        // so every control in the order is reached, and nothing else is.
        QList<QWidget *> visited;
        for (int i = 0; i < 2 * order.size(); ++i) {
            QWidget *focus = QApplication::focusWidget();
            visited << focus;
            if (!focus)
                break;
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(names(visited), order + order);
    }

    void everyTrainingChoiceReadsInFull()
    {
        // The boxes keep their designed width of 615 twips; what they show
        // must fit in it (Qt's text field keeps 2 pixels clear on each side).
        TrainingScreen *form = TestSupport::program().trainingScreen();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        for (QComboBox *box : {form->m_digitsBox, form->m_termsBox, form->m_intervalBox}) {
            QCOMPARE(box->width(), Twips::toPx(615));
            const int room = box->lineEdit()->contentsRect().width() - 4;
            for (int i = 0; i < box->count(); ++i) {
                const int needed = box->lineEdit()->fontMetrics().horizontalAdvance(box->itemText(i));
                QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                                                        .arg(box->objectName(), box->itemText(i))
                                                        .arg(needed)
                                                        .arg(room)));
            }
        }
    }

private:
    std::optional<TestEnvironment> m_env;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
