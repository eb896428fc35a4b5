// Whatever a player types or pastes into the training screen's boxes and the
// answer dialog: START refuses what a round cannot run with a message, the
// answer dialog refuses what is not a number, and neither ever takes a long
// or odd text for a small number.
#include "AnswerDialog.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class TestTypedInput : public QObject
{
    Q_OBJECT
private slots:
void comboBoxes_data()
{
    QTest::addColumn<int>("box"); // 1 digits, 2 terms, 3 interval
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal"); // empty: the round starts
    QTest::addColumn<QList<int>>("started"); // digits, terms, milliseconds
    const QString nines(400, u'9');
    const QString digitsRefusal = QStringLiteral("桁数には1から9までの数を入力してください。");
    const QString tooShort = QStringLiteral("間隔が短すぎます。0.001秒以上の値を入力してください。");
    QTest::newRow("full-width digit from an input method") << 1 << "ime" << "３" << "" << QList{3, 1, 1000};
    QTest::newRow("ideographic space before") << 1 << "ime" << "\u30005" << "" << QList{5, 1, 1000};
    QTest::newRow("control character before the digit") << 1 << "paste" << "\x01" "3" << digitsRefusal << QList<int>{};
    QTest::newRow("full-width ten terms") << 2 << "ime" << "１０" << "" << QList{1, 10, 1000};
    QTest::newRow("tab before the terms") << 2 << "paste" << "\t5" << "" << QList{1, 5, 1000};
    QTest::newRow("400 digits of terms") << 2 << "paste" << nines << "コマ数には32765以下の数を入力してください。" << QList<int>{};
    QTest::newRow("full-width interval") << 3 << "ime" << "０．５" << "" << QList{1, 1, 500};
    QTest::newRow("full-width minus") << 3 << "ime" << "－１" << tooShort << QList<int>{};
    QTest::newRow("a thousand blanks first") << 3 << "paste" << QString(1000, u' ') + "0.2" << "" << QList{1, 1, 200};
    QTest::newRow("300 zeros after the point") << 3 << "keys" << "0." + QString(300, u'0') + "1" << tooShort << QList<int>{};
    QTest::newRow("400 digits of seconds") << 3 << "paste" << nines << "間隔が長すぎます。もっと短い値を入力してください。" << QList<int>{};
}

void comboBoxes()
{
    QFETCH(int, box);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    TestEnvironment env;
    TrainingScreen *screen = TestSupport::openTrainingScreen(env);
    QComboBox *combo = QList<QComboBox *>{screen->m_digitsBox, screen->m_termsBox, screen->m_intervalBox}[box - 1];
    combo->lineEdit()->clear();
    TestSupport::enterText(combo->lineEdit(), how, text);

    QTest::mouseClick(screen->m_startButton, Qt::LeftButton);
    if (!refusal.isEmpty()) {
        QCOMPARE(env.messages.value(0).title + env.messageTexts().join(u'|'), "確認" + refusal);
        QVERIFY(!screen->m_inGame && !screen->m_roundTimer->isActive() && screen->m_startButton->isEnabled());
        QCOMPARE(combo->currentText(), text); // left for the player to correct
        return;
    }
    QVERIFY(env.messages.isEmpty() && screen->m_inGame && screen->m_roundTimer->isActive());
    QTEST((QList<int>{screen->m_digits, screen->m_terms, screen->m_roundTimer->interval()}), "started");
    screen->m_roundTimer->stop();
}

void answerDialog_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("answer"); // empty: refused
    QTest::newRow("z dropped too") << "keys" << "1z2" << QList{12};
    QTest::newRow("lower-case a and e keys dropped") << "keys" << "1a1e3" << QList{113};
    QTest::newRow("pasted lower-case exponent") << "paste" << "2.5e1" << QList{25};
    QTest::newRow("full-width minus and point") << "ime" << "－１２．５" << QList{-12};
    QTest::newRow("minus sign U+2212") << "ime" << "\u22125" << QList{-5};
    QTest::newRow("pasted with its line break") << "paste" << "42\r\n" << QList{42};
    QTest::newRow("typed control characters never enter") << "typed" << "4\x01" "2\x7f" << QList{42};
    QTest::newRow("300 zeros after the point") << "paste" << "0." + QString(300, u'0') + "1" << QList{0};
    QTest::newRow("empty") << "keys" << "" << QList<int>{};
    QTest::newRow("upper-case letters") << "keys" << "12X" << QList<int>{};
    QTest::newRow("too large for 32 bits") << "keys" << "99999999999" << QList<int>{};
    QTest::newRow("pasted control character inside") << "paste" << "4\x01" "2" << QList<int>{};
    QTest::newRow("pasted NUL") << "paste" << QString(QChar(0)) + "1" << QList<int>{};
    QTest::newRow("letters from an input method") << "ime" << "abc" << QList<int>{};
}

void answerDialog()
{
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QList<int>, answer);
    TestEnvironment env;
    bool refusedAndEmptied = false;
    TestSupport::whenDialogOpens(QStringLiteral("AnswerDialog"), [&](QWidget *dialog) {
        auto *field = dialog->findChild<QLineEdit *>();
        TestSupport::enterText(field, how, text);
        QTest::keyClick(field, Qt::Key_Escape); // never closes the dialog unanswered
        QVERIFY(dialog->isVisible());
        QTest::keyClick(field, Qt::Key_Return);
        if (!dialog->isVisible())
            return;
        refusedAndEmptied = field->text().isEmpty();
        TestSupport::userClose(dialog);
    });
    QCOMPARE(AnswerDialog::ask(nullptr), answer.isEmpty() ? std::nullopt : std::optional<qint32>(answer[0]));
    QCOMPARE(refusedAndEmptied, answer.isEmpty());
    QCOMPARE(env.messages.value(0).title + env.messageTexts().join(u'|'), answer.isEmpty() ? "確認数値を入力してください" : "");
}
};

QTEST_MAIN(TestTypedInput)
#include "tst_typedinput.moc"
