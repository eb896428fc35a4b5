// The full-screen number display and the measuring of its font size.
#include "FlashDisplay.h"
#include "FullScreenDisplay.h"
#include "MaxFontCalibration.h"
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
        QTest::addColumn<double>("screenWidth"); // twips; 0: the menu command, on the (offscreen) screen the game is on
        QTest::newRow("menu command") << 0.0;
        QTest::newRow("narrower than 55555 at 10 pt") << 300.0;
        QTest::newRow("wider than any font") << 1e9;
    }
    void calibration()
    {
        QFETCH(double, screenWidth);
        TestEnvironment env;
        env.writeDefaultFiles();
        const bool menu = screenWidth == 0;
        if (menu)
            env.program().start()->m_fullScreenDisplayAction->trigger();
        const int size = menu ? env.settings().maxFontSize : MaxFontCalibration::calibrate(screenWidth);
        screenWidth = menu ? Placement::screenWidth() : screenWidth;
        QCOMPARE(env.messages.value(0).title + env.messages.value(1).title + env.messageTexts().join(u'|'), "計算中終了報告計算中です。|計算終了です。");
        // The largest multiple of ten at which every five-digit number fits
        // the width whole, or the bound; 10 when not even that size fits.
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

    void shownOverTheWholeScreenCentredInOneSize()
    {
        TestEnvironment env; // on the offscreen 800 x 600 screen
        FullScreenDisplay::instance(); // kept hidden in its first colours, as a calibration leaves it
        // Stored 0: never calibrated, the design size. A number longer than the
        // calibration's five digits is made smaller to show whole; the next
        // one is drawn in the stored size again.
        for (const auto &[stored, number] : {std::pair<std::int16_t, int>{150, 12495}, {200, 999999999}, {0, 12345}}) {
            FlashDisplay::flash(nullptr, number, {.foreColour = 255, .backColour = 0xFF0000, .fullScreenDisplay = true, .maxFontSize = stored});
            FullScreenDisplay *display = FullScreenDisplay::existing();
            QVERIFY(display->isVisible() && (display->windowFlags() & Qt::FramelessWindowHint));
            QCOMPARE(display->drawnText(), QString::number(number));
            QCOMPARE(display->fontSize() == (stored ? stored : int(FullScreenDisplay::DesignFontSize)), number < 100000);
            QVERIFY(display->drawnAt().x() >= 0);
            QCOMPARE(qRound(display->drawnAt().x() + display->textWidth(display->drawnText()) / 2), 6000);
            QVERIFY(display->palette().color(QPalette::WindowText) == QColor(255, 0, 0) && display->palette().color(QPalette::Window) == QColor(0, 0, 255));
            QCOMPARE(display->frameGeometry(), display->screen()->geometry());
        }
    }
};

QTEST_MAIN(TestFullScreenDisplay)
#include "tst_fullscreendisplay.moc"
