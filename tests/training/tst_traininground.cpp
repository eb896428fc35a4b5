// Rounds of the training screen with real widgets and real timers.
#include "FullScreenDisplay.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "TestSupport.h"
#include "TrainingExtras.h"
#include "TrainingScreen.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace {

// How many of the eight controls that start, leave or change a round are enabled.
int enabledControls(TrainingScreen *screen)
{
    const QList<bool> enabled{screen->m_digitsBox->isEnabled(), screen->m_termsBox->isEnabled(), screen->m_intervalBox->isEnabled(),
                              screen->m_startButton->isEnabled(), screen->m_exitButton->isEnabled(), screen->m_modeButton->isEnabled(),
                              screen->m_settingsMenu->menuAction()->isEnabled(), screen->m_helpMenu->menuAction()->isEnabled()};
    return int(enabled.count(true));
}

} // namespace

class TestTrainingRound : public QObject
{
    Q_OBJECT
private slots:
    void round_data()
    {
        QTest::addColumn<QString>("terms");
        QTest::addColumn<bool>("fullScreen"); // 数値表示を最大化 on
        QTest::addColumn<int>("wrongBy"); // -1: the answer dialog closed by its close box, which counts as zero
        QTest::addColumn<int>("ticks"); // when the answer is asked for
        QTest::newRow("right answer") << "6" << false << 0 << 8;
        QTest::newRow("wrong answer") << "3" << false << 1 << 5;
        QTest::newRow("answer dialog closed") << "3" << false << -1 << 5;
        QTest::newRow("zero terms: a blank, then the answer") << "0" << false << 0 << 2;
        QTest::newRow("negative terms: the answer at once") << "-3" << false << 0 << 1;
        QTest::newRow("on the full-screen display") << "4" << true << 0 << 6;
    }
    void round()
    {
        QFETCH(QString, terms);
        QFETCH(bool, fullScreen);
        QFETCH(int, wrongBy);
        TestEnvironment env;
        TrainingScreen *screen = TestSupport::openTrainingScreen(
            env, {"2", terms, "0.01"}, fullScreen ? "65280\r\n0\r\n#TRUE#\r\n#FALSE#\r\n100\r\n" : TestSupport::DefaultSettings);
        const auto visible = [screen] {
            const FullScreenDisplay *display = FullScreenDisplay::existing();
            return display && display->isVisible() ? display->drawnText() : screen->m_numberLabel->text();
        };
        QStringList shown;   // after each tick before the answer
        QStringList onLabel; // on the screen's own label meanwhile
        QStringList atSound; // when each clock sounds: still the number before
        connect(screen->m_roundTimer, &RoundTimer::timeout, this, [&] {
            if (!screen->m_inGame) // the answer tick, seen once the round is over
                return;
            shown << visible();
            onLabel << screen->m_numberLabel->text();
        });
        env.sound.onCall = [&](const QString &command) {
            if (command.endsWith(u"clock.wav"))
                atSound << visible();
        };
        int ticksAtAnswer = 0, enabledAtAnswer = -1, sum = 0;
        bool displayOpenAtAnswer = true;
        TestSupport::whenDialogOpens(QStringLiteral("AnswerDialog"), [&](QWidget *dialog) {
            ticksAtAnswer = screen->m_tickCount;
            enabledAtAnswer = screen->m_inGame ? enabledControls(screen) : -1;
            displayOpenAtAnswer = FullScreenDisplay::existing() != nullptr;
            for (const QString &n : shown)
                sum += n.toInt();
            if (wrongBy < 0)
                TestSupport::userClose(dialog);
            else
                TestSupport::answerDialog(dialog, QString::number(sum + wrongBy));
        });
        QTest::mouseClick(screen->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!env.messages.isEmpty() && screen->m_startButton->isEnabled(), 10000);

        QTEST(ticksAtAnswer, "ticks");
        QCOMPARE(enabledAtAnswer, 0); // nothing but the answer while it is asked for
        // Every flashed number has its digits and differs from the one before; then a blank.
        const int flashes = std::max(0, ticksAtAnswer - 2);
        QCOMPARE(shown.size(), ticksAtAnswer - 1);
        for (int i = 0; i < flashes; ++i)
            QVERIFY2(shown[i].size() == 2 && (i == 0 || shown[i] != shown[i - 1]), qPrintable(shown.join(u' ')));
        QVERIFY(shown.isEmpty() || shown.last().isEmpty());
        QCOMPARE(atSound, flashes ? QStringList{QString()} + shown.first(flashes - 1) : QStringList());
        if (fullScreen) {
            QCOMPARE(onLabel, QStringList(shown.size(), QString()));
            QVERIFY(!displayOpenAtAnswer && !FullScreenDisplay::existing());
        }
        QCOMPARE(env.messages[0].title + env.messageTexts().join(u'|'), wrongBy ? "Plumeno不正解!|Ans:" + QString::number(sum) : "Plumeno正解!!");
        QCOMPARE(env.sound.calls,
                 QStringList(flashes, "play " + env.path("SE/clock.wav")) << "play " + env.path(wrongBy ? "SE/miss.wav" : "SE/hit.wav"));
        // Ready for the next round, with the same choices.
        QCOMPARE(enabledControls(screen), 8);
        QVERIFY(!screen->m_inGame && !screen->m_roundTimer->isActive() && screen->m_roundSum == 0 && screen->m_tickCount == 0);
        QCOMPARE(screen->m_termsBox->currentText(), terms);
        QVERIFY(!QFile::exists(env.path(TrainingExtras::fileName()))); // the extras, all off, write nothing
    }
};

QTEST_MAIN(TestTrainingRound)
#include "tst_traininground.moc"
