// The full-screen number display and the measuring of its font size.
#include "FlashDisplay.h"
#include "FullScreenDisplay.h"
#include "ModeScreen.h"
#include "Placement.h"
#include "Program.h"
#include "TestSupport.h"

#include <QScreen>
#include <QtTest>

class TestFullScreenDisplay : public QObject
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
        env.program().start()->m_fullScreenDisplayAction->trigger();

        QCOMPARE(env.messages.size(), 2);
        QCOMPARE(env.messages[0].text + env.messages[0].title, QStringLiteral("計算中です。計算中"));
        QCOMPARE(env.messages[1].text + env.messages[1].title, QStringLiteral("計算終了です。終了報告"));
        // The largest multiple of ten at which every five-digit number fits
        // the width whole, or the bound; 10 when not even that size fits.
        const int size = env.settings().maxFontSize;
        QVERIFY(size >= 10 && size <= FullScreenDisplay::LargestFontSize && size % 10 == 0);
        FullScreenDisplay *display = FullScreenDisplay::existing();
        QVERIFY(display && !display->isVisible());
        const auto fits = [&](int points) {
            display->setFontSize(points);
            for (char d = '0'; d <= '9'; ++d)
                if (display->textWidth(QString(5, QChar(d))) > screenWidth)
                    return false;
            return true;
        };
        QVERIFY(fits(size) || size == 10);
        QVERIFY(size == FullScreenDisplay::LargestFontSize || !fits(size + 10));
        QCOMPARE(size == 10, screenWidth == 300.0);
    }

    void drawnCentredInOneSize_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("drawn");
        QTest::newRow("calibrated") << 150 << 150;
        QTest::newRow("never calibrated: the design size") << 0 << int(FullScreenDisplay::DesignFontSize);
    }
    void drawnCentredInOneSize()
    {
        QFETCH(int, stored);
        TestEnvironment env;
        Placement::setScreenSizeForTests(12000, 9000);
        FullScreenDisplay *display = FullScreenDisplay::instance();
        for (const QString &text : {QStringLiteral("7"), QStringLiteral("12345"), QString()}) {
            display->clearDrawing();
            display->drawCentred(text, stored);
            QTEST(display->fontSize(), "drawn");
            QCOMPARE(display->drawnText(), text);
            QCOMPARE(qRound(display->drawnAt().x() + display->textWidth(text) / 2), 6000);
        }
    }

    void shownOverTheWholeScreenInTheCurrentColours()
    {
        TestEnvironment env;
        FullScreenDisplay::instance(); // kept hidden in its first colours, as a calibration leaves it
        StoredSettings settings{.foreColour = 255, .backColour = 0xFF0000, .fullScreenDisplay = true};
        FlashDisplay::flash(nullptr, 42, settings);
        FullScreenDisplay *display = FullScreenDisplay::existing();
        QVERIFY(display->isVisible());
        QCOMPARE(display->drawnText(), QStringLiteral("42"));
        QCOMPARE(display->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(display->palette().color(QPalette::Window), QColor(0, 0, 255));
        QVERIFY(display->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(display->frameGeometry(), display->screen()->geometry());
    }
};

QTEST_MAIN(TestFullScreenDisplay)
#include "tst_fullscreendisplay.moc"
