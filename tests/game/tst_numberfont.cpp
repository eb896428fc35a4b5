// Every number the game can flash shows whole: one to five digits at the
// design size, longer typed digit counts (up to nine) made smaller, on the
// training and challenge screens' number display (the full screen's is
// checked with the rest of that display).
#include "ChallengeScreen.h"
#include "FlashDisplay.h"
#include "Program.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QTest>

class TestNumberFont : public QObject
{
    Q_OBJECT
private slots:
    void numberDisplays()
    {
        TestEnvironment env; // with the stand-in faces of the program
        env.writeDefaultFiles();
        // The widest number of each digit count (the digit repeated), up to
        // nine digits, then short numbers again: each is fitted afresh.
        QStringList numbers;
        for (int count : {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 5})
            for (char d = '1'; d <= '9'; ++d)
                numbers << QString(count, QChar(d));
        for (QLabel *label : {TestSupport::program().trainingScreen()->m_numberLabel, TestSupport::program().challengeScreen()->m_numberLabel}) {
            QCOMPARE(label->width(), 297); // 4455 twips
            const qreal design = label->font().pointSizeF();
            for (const QString &number : numbers) {
                FlashDisplay::flash(label, number.toInt(), env.settings());
                QCOMPARE(label->text(), number);
                QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(number) <= label->contentsRect().width(),
                         qPrintable(number + " in " + label->font().family()));
                QVERIFY(number.size() > 5 || label->font().pointSizeF() == design);
            }
        }
    }
};

QTEST_MAIN(TestNumberFont)
#include "tst_numberfont.moc"
