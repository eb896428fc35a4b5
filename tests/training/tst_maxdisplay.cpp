// The full-screen number display and the measuring of its font size.
#include "AnswerDialog.h"
#include "FullScreenDisplay.h"
#include "ModeScreen.h"
#include "PictureButton.h"
#include "Placement.h"
#include "RoundTimer.h"
#include "SettingsFile.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

class tst_MaxDisplay : public QObject
{
    Q_OBJECT
private slots:
    void calibration_data()
    {
        QTest::addColumn<double>("screenWidth"); // twips
        QTest::newRow("1024 px") << 1024 * 15.0;
        QTest::newRow("3840 px") << 3840 * 15.0;
        QTest::newRow("narrower than 55555 at 10 pt") << 300.0;
        QTest::newRow("wider than any font") << 1e9;
    }
    void calibration()
    {
        QFETCH(double, screenWidth);
        TestEnvironment env;
        env.writeDefaultFiles();
        Placement::setScreenSizeForTests(screenWidth, 11520);
        ModeScreen::instance()->show();
        ModeScreen::existing()->m_maxDisplayAction->trigger();

        QCOMPARE(env.messages.size(), 2);
        QCOMPARE(env.messages[0].text + env.messages[0].title, QStringLiteral("計算中です。計算中"));
        QCOMPARE(env.messages[1].text + env.messages[1].title, QStringLiteral("計算終了です。終了報告"));
        // The smallest multiple of ten at which five digits fill the width, or the bound.
        const int size = sharedState().MaxFontSize;
        QVERIFY(size >= 10 && size <= FullScreenDisplay::LargestFontSize && size % 10 == 0);
        FullScreenDisplay *display = FullScreenDisplay::existing();
        QVERIFY(display && !display->isVisible());
        const auto fills = [&](int points) {
            display->setFontSize(points);
            return display->textWidth(QStringLiteral("55555")) >= screenWidth;
        };
        QVERIFY(fills(size) || size == FullScreenDisplay::LargestFontSize);
        QVERIFY(size == 10 || !fills(size - 10));
        QCOMPARE(size == 10, screenWidth == 300.0);
    }

    void catchCentresEveryNumberInOneSize_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("drawn");
        QTest::newRow("calibrated") << 150 << 150;
        QTest::newRow("never calibrated: the design size") << 0 << int(FullScreenDisplay::DesignFontSize);
    }
    void catchCentresEveryNumberInOneSize()
    {
        QFETCH(int, stored);
        TestEnvironment env;
        Placement::setScreenSizeForTests(12000, 9000);
        SharedState &s = sharedState();
        s.MaxFontSize = qint16(stored);
        FullScreenDisplay *display = FullScreenDisplay::instance();
        for (const QString &text : {QStringLiteral("7"), QStringLiteral("12345"), QString()}) {
            s.MaxDisplayText = text;
            display->clearDrawing();
            display->drawCentred();
            QTEST(display->fontSize(), "drawn");
            QCOMPARE(display->drawnText(), text);
            QCOMPARE(qRound(display->drawnAt().x() + display->textWidth(text) / 2), 6000);
        }
    }

    void shownOverTheWholeScreenInTheCurrentColours()
    {
        TestEnvironment env;
        sharedState().ForeColorSetting = 65280;
        FullScreenDisplay *display = FullScreenDisplay::instance(); // kept hidden, as a calibration leaves it
        sharedState().ForeColorSetting = 255;
        display->show();
        QCOMPARE(display->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(display->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(display->frameGeometry(), display->screen()->geometry());
    }

    void trainingRoundFlashesOnlyThere()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        env.writeFile(QStringLiteral("Plumeno.config"), SettingsFile::serialize({65280, 0, true, false, 100}));
        ModeScreen::instance()->show();
        ModeScreen::existing()->m_trainingButton->click();
        TrainingScreen *form = TrainingScreen::existing();
        for (auto [box, text] : {std::pair{form->m_termsBox, "4"}, std::pair{form->m_intervalBox, "0.01"}}) {
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), QString::fromLatin1(text));
        }
        QStringList shown;   // on FullScreenDisplay after each flash and the blank tick
        QStringList onLabel; // the training screen's own label meanwhile
        connect(form->m_roundTimer, &RoundTimer::timeout, this, [&] {
            if (!form->m_inGame) // the answer tick, seen once the round is over
                return;
            if (FullScreenDisplay *display = FullScreenDisplay::existing(); display && display->isVisible())
                shown << display->drawnText();
            onLabel << form->m_numberLabel->text();
        });
        bool displayOpenAtAnswer = true;
        std::function<void()> answer = [&] {
            auto *dialog = qobject_cast<AnswerDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return QTimer::singleShot(5, answer);
            displayOpenAtAnswer = FullScreenDisplay::existing() != nullptr;
            int sum = 0;
            for (const QString &n : shown)
                sum += n.toInt();
            QTest::keyClicks(dialog->m_answerEdit, QString::number(sum));
            QTest::keyClick(dialog->m_answerEdit, Qt::Key_Return);
        };
        QTimer::singleShot(0, answer);
        form->m_startButton->click(); // START

        QTRY_VERIFY(!env.messages.isEmpty());
        QCOMPARE(env.messageTexts(), QStringList{QStringLiteral("正解!!")});
        QCOMPARE(shown.size(), 5);
        for (int i = 0; i < 4; ++i)
            QVERIFY2(shown[i].size() == 1 && shown[i] != u"0", qPrintable(shown[i]));
        QCOMPARE(shown[4], QString());
        QCOMPARE(onLabel, QStringList(5, QString()));
        QVERIFY(!displayOpenAtAnswer);
        QVERIFY(!FullScreenDisplay::existing());
    }
};

QTEST_MAIN(tst_MaxDisplay)
#include "tst_maxdisplay.moc"
