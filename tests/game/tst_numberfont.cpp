// Every number the game can flash shows whole: one to five digits at the
// design size, longer typed digit counts (up to nine) made smaller, on the
// training and challenge screens' number display and on the full screen.
#include "ChallengeScreen.h"
#include "FlashDisplay.h"
#include "FullScreenDisplay.h"
#include "NumberFont.h"
#include "Placement.h"
#include "Program.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QTest>

namespace {

// The widest number of each digit count: the digit repeated.
QStringList widestNumbers(int upTo)
{
    QStringList numbers;
    for (int count = 1; count <= upTo; ++count)
        for (char d = '0'; d <= '9'; ++d)
            if (count == 1 || d != '0')
                numbers << QString(count, QChar(d));
    return numbers;
}

} // namespace

class TestNumberFont : public QObject
{
    Q_OBJECT
private slots:
    void fitRule_data();
    void fitRule();
    void numberDisplays_data();
    void numberDisplays();
    void fullScreenDrawsLongNumbersWhole();
};

void TestNumberFont::fitRule_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<qreal>("width"); // px
    QTest::newRow("number display: MS P Gothic 80.25 pt in 297 px") << "MS P Gothic" << 80.25 << 297.0;
    QTest::newRow("full-screen design: MS P Gothic 72 pt in 1024 px") << "MS P Gothic" << 72.0 << 1024.0;
    QTest::newRow("a narrow width: only one digit fits") << "MS P Gothic" << 80.25 << 60.0;
}

void TestNumberFont::fitRule()
{
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(qreal, width);
    TestEnvironment env; // the stand-in faces of the program
    QFont design(family);
    design.setPointSizeF(points);
    const QFont face = NumberFont::face(design);
    QVERIFY2(NumberFont::digitShare(face) <= 0.52, qPrintable(face.family()));
    const qreal digit = NumberFont::digitShare(face) * QFontInfo(face).pixelSize();
    for (const QString &number : widestNumbers(9)) {
        const QFont font = NumberFont::fitted(face, number, width);
        QVERIFY2(QFontMetricsF(font).horizontalAdvance(number) <= width, qPrintable(number));
        // Shrunk only when it would not fit otherwise.
        if (number.size() * digit <= width)
            QCOMPARE(font.pointSizeF(), points);
        else
            QVERIFY(font.pointSizeF() < points);
    }
}

void TestNumberFont::numberDisplays_data()
{
    QTest::addColumn<bool>("challenge");
    QTest::newRow("training") << false;
    QTest::newRow("challenge") << true;
}

void TestNumberFont::numberDisplays()
{
    QFETCH(bool, challenge);
    TestEnvironment env;
    env.writeDefaultFiles();
    QLabel *label = challenge ? TestSupport::program().challengeScreen()->m_numberLabel : TestSupport::program().trainingScreen()->m_numberLabel;
    QCOMPARE(label->width(), 297); // 4455 twips, as designed
    const qreal design = label->font().pointSizeF();
    QCOMPARE(design, 80.25);
    // Nine digits, then short numbers again: each is fitted afresh.
    for (const QString &number : widestNumbers(9) + widestNumbers(5)) {
        FlashDisplay::flash(label, number.toInt(), env.settings());
        QCOMPARE(label->text(), number);
        QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(number) <= label->contentsRect().width(),
                 qPrintable(number + " in " + label->font().family()));
        if (number.size() <= 5)
            QCOMPARE(label->font().pointSizeF(), design);
    }
}

void TestNumberFont::fullScreenDrawsLongNumbersWhole()
{
    TestEnvironment env;
    Placement::setScreenSizeForTests(800 * 15, 600 * 15);
    FullScreenDisplay *display = FullScreenDisplay::instance();
    for (const QString &number : {QStringLiteral("55555"), QStringLiteral("999999999"), QStringLiteral("7")}) {
        display->drawCentred(number, 200); // five half-em digits are 667 px
        QVERIFY2(display->drawnAt().x() >= 0, qPrintable(number));
        QVERIFY(display->drawnAt().x() + display->textWidth(number) <= 800 * 15 + 1);
        if (number.size() <= 5)
            QCOMPARE(display->fontSize(), 200);
    }
}

QTEST_MAIN(TestNumberFont)
#include "tst_numberfont.moc"
