// Whatever a player types or pastes into the training screen's boxes and the
// answer dialog: START refuses what a round cannot run with a message, the
// answer dialog refuses what is not a number, and neither ever takes a long
// or odd text for a small number.
#include "AnswerDialog.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "SettingsProcedures.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

const QString DigitsRefusal = QStringLiteral("桁数には1から9までの数を入力してください。");
const QString TermsRefusal = QStringLiteral("コマ数には32765以下の数を入力してください。");
const QString TooShort = QStringLiteral("間隔が短すぎます。0.001秒以上の値を入力してください。");
const QString TooLong = QStringLiteral("間隔が長すぎます。もっと短い値を入力してください。");

} // namespace

class TestTypedInput : public QObject
{
    Q_OBJECT
private slots:
    void comboBoxes_data();
    void comboBoxes();
    void answerDialog_data();
    void answerDialog();
};

void TestTypedInput::comboBoxes_data()
{
    QTest::addColumn<int>("box"); // 1 digits, 2 terms, 3 interval
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal"); // empty: the round starts
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("terms");
    QTest::addColumn<int>("ms");
    const QString nines(400, u'9');
    QTest::newRow("full-width digit from an input method") << 1 << "ime" << "３" << "" << 3 << 1 << 1000;
    QTest::newRow("full-width digit typed") << 1 << "typed" << "４" << "" << 4 << 1 << 1000;
    QTest::newRow("ideographic space before") << 1 << "ime" << "\u30005" << "" << 5 << 1 << 1000;
    QTest::newRow("pasted with its line break") << 1 << "paste" << "2\n" << "" << 2 << 1 << 1000;
    QTest::newRow("control character before the digit") << 1 << "paste" << "\x01" "3" << DigitsRefusal << 0 << 0 << 0;
    QTest::newRow("400 digits of digits") << 1 << "paste" << nines << DigitsRefusal << 0 << 0 << 0;
    QTest::newRow("a box full of letters") << 1 << "paste" << QString(32767, u'x') << DigitsRefusal << 0 << 0 << 0;
    QTest::newRow("full-width ten terms") << 2 << "ime" << "１０" << "" << 1 << 10 << 1000;
    QTest::newRow("tab before the terms") << 2 << "paste" << "\t5" << "" << 1 << 5 << 1000;
    QTest::newRow("400 digits of terms") << 2 << "paste" << nines << TermsRefusal << 0 << 0 << 0;
    QTest::newRow("full-width interval") << 3 << "ime" << "０．５" << "" << 1 << 1 << 500;
    QTest::newRow("full-width minus") << 3 << "ime" << "－１" << TooShort << 0 << 0 << 0;
    QTest::newRow("a thousand blanks first") << 3 << "paste" << QString(1000, u' ') + "0.2" << "" << 1 << 1 << 200;
    QTest::newRow("300 zeros after the point") << 3 << "keys" << "0." + QString(300, u'0') + "1" << TooShort << 0 << 0 << 0;
    QTest::newRow("400 digits of seconds") << 3 << "paste" << nines << TooLong << 0 << 0 << 0;
}

void TestTypedInput::comboBoxes()
{
    QFETCH(int, box);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    TestEnvironment env;
    env.writeDefaultFiles();
    Settings::setDefaults();
    TrainingScreen *form = TrainingScreen::instance();
    form->show();
    QComboBox *combo = QList<QComboBox *>{form->m_digitsBox, form->m_termsBox, form->m_intervalBox}[box - 1];
    combo->lineEdit()->clear();
    TestSupport::enterText(combo->lineEdit(), how, text);

    QTest::mouseClick(form->m_startButton, Qt::LeftButton);
    if (!refusal.isEmpty()) {
        QCOMPARE(env.messageTexts(), QStringList{refusal});
        QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
        QVERIFY(!form->m_inGame && !form->m_roundTimer->isActive() && form->m_startButton->isEnabled());
        QCOMPARE(combo->currentText(), text.left(32767)); // left for the player to correct
        return;
    }
    QVERIFY(env.messages.isEmpty());
    QVERIFY(form->m_inGame && form->m_roundTimer->isActive());
    QTEST(int(form->m_digits), "digits");
    QTEST(int(form->m_terms), "terms");
    QTEST(form->m_roundTimer->interval(), "ms");
    form->m_roundTimer->stop();
}

void TestTypedInput::answerDialog_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("answer");
    QTest::newRow("full-width digits from an input method") << "ime" << "１２３" << true << 123;
    QTest::newRow("full-width minus and point") << "ime" << "－１２．５" << true << -12;
    QTest::newRow("pasted with its line break") << "paste" << "42\r\n" << true << 42;
    QTest::newRow("typed control characters never enter") << "typed" << "4\x01" "2\x7f" << true << 42;
    QTest::newRow("pasted control character inside") << "paste" << "4\x01" "2" << false << 0;
    QTest::newRow("pasted NUL") << "paste" << QString(QChar(0)) + "1" << false << 0;
    QTest::newRow("letters from an input method") << "ime" << "abc" << false << 0;
    QTest::newRow("400 digits") << "paste" << QString(400, u'9') << false << 0;
    QTest::newRow("a box full of ones") << "paste" << QString(32767, u'1') << false << 0;
    QTest::newRow("300 zeros after the point") << "paste" << "0." + QString(300, u'0') + "1" << true << 0;
}

void TestTypedInput::answerDialog()
{
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    TestEnvironment env;
    sharedState().AnswerValue = -77;
    AnswerDialog *dialog = AnswerDialog::instance();
    dialog->show();
    TestSupport::enterText(dialog->m_answerEdit, how, text);
    QTest::keyClick(dialog->m_answerEdit, Qt::Key_Return);
    if (accepted) {
        QVERIFY(env.messages.isEmpty());
        QVERIFY(!AnswerDialog::existing());
        QTEST(int(sharedState().AnswerValue), "answer");
        return;
    }
    QCOMPARE(env.messageTexts(), QStringList{"数値を入力してください"});
    QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
    QVERIFY(AnswerDialog::existing() && dialog->isVisible());
    QVERIFY(dialog->m_answerEdit->text().isEmpty());
    QCOMPARE(sharedState().AnswerValue, -77);
}

QTEST_MAIN(TestTypedInput)
#include "tst_typedinput.moc"
