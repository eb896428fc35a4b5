// The name dialog: its field, its limit of 8 bytes and its Enter key.
#include "Form6.h"
#include "FormRegistry.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QTest>

class Form6Test : public QObject
{
    Q_OBJECT
private slots:
    void limit_data();
    void limit();
    void enter_data();
    void enter();
    void refusesWhatTheNamesFileCannotHold_data();
    void refusesWhatTheNamesFileCannotHold();
    void closeBoxKeepsTheLastName();
};

void Form6Test::limit_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("after");
    QTest::newRow("a ninth half-width key") << "keys" << "" << 0 << "ABCDEFGHI" << "ABCDEFGH";
    QTest::newRow("a key inside a full field") << "keys" << "ABCDEFGH" << 2 << "X" << "ABCDEFGH";
    QTest::newRow("full-width counts two") << "ime" << "" << 0 << "山田太郎花" << "山田太郎";
    QTest::newRow("no half of a full-width") << "ime" << "A" << 1 << "山田太郎" << "A山田太";
    QTest::newRow("wave dash in its code page form") << "ime" << "" << 0 << "〜" << "～";
    QTest::newRow("what the file cannot hold stays to be seen") << "ime" << "" << 0 << "A😀éB" << "A😀éB";
    QTest::newRow("and counts two") << "paste" << "" << 0 << "😀😀😀😀😀" << "😀😀😀😀";
    QTest::newRow("a long conversion") << "ime" << "" << 0 << QString(200, QChar(u'あ')) << "ああああ";
    QTest::newRow("typed control characters never enter") << "typed" << "" << 0 << "A\x01" "B\tC\x7f" << "ABC";
    QTest::newRow("paste at the end") << "paste" << "AB" << 2 << "CDEFGHIJK" << "ABCDEFGH";
    QTest::newRow("paste in the middle") << "paste" << "ABCD" << 2 << "xyz12345" << "ABxyz1CD";
    QTest::newRow("paste with line breaks") << "paste" << "" << 0 << "AB\r\nC\tD" << "ABCD";
}

void Form6Test::limit()
{
    QFETCH(QString, how);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, input);
    QFETCH(QString, after);
    TestEnvironment env;
    Module1::State().PlayerName = before;
    Form6 *dialog = Form6::instance();
    dialog->show();
    QLineEdit *field = dialog->Text1;
    QCOMPARE(field->text(), before);
    field->setCursorPosition(cursor);
    TestSupport::enterText(field, how, input);
    QCOMPARE(field->text(), after);
}

void Form6Test::refusesWhatTheNamesFileCannotHold_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("named"); // how the message names what is lacking
    QTest::newRow("typed accent") << "typed" << "José" << "é";
    QTest::newRow("pasted emoji") << "paste" << "Ai😀" << "😀";
    QTest::newRow("each once, in order") << "ime" << "é😀é" << "é、😀";
    QTest::newRow("an invisible one by its code") << "paste" << "A\u200BB" << "U+200B";
    QTest::newRow("a lone half of a pair by its code") << "ime" << QString(QChar(0xD83D)) + "x" << "U+D83D";
}

void Form6Test::refusesWhatTheNamesFileCannotHold()
{
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, named);
    TestEnvironment env;
    Module1::State().PlayerName = QStringLiteral("Old");
    Form6 *dialog = Form6::instance();
    dialog->show();
    dialog->Text1->clear();
    TestSupport::enterText(dialog->Text1, how, input);
    QCOMPARE(dialog->Text1->text(), input);
    QTest::keyClick(dialog->Text1, Qt::Key_Return);

    QCOMPARE(env.messages.size(), 1);
    QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
    QCOMPARE(env.messages[0].text, QStringLiteral("名前に使えない文字があります：%1\n別の文字に直してください。").arg(named));
    // Nothing is taken or changed behind the player's back.
    QCOMPARE(FormRegistry::open(Form6::FormNumber), dialog);
    QCOMPARE(dialog->Text1->text(), input);
    QCOMPARE(Module1::State().PlayerName, QStringLiteral("Old"));

    dialog->Text1->setText(QStringLiteral("Jose"));
    QTest::keyClick(dialog->Text1, Qt::Key_Return);
    QCOMPARE(Module1::State().PlayerName, QStringLiteral("Jose"));
    QCOMPARE(FormRegistry::open(Form6::FormNumber), nullptr);
}

void Form6Test::enter_data()
{
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("playerName");
    QTest::addColumn<bool>("refused");
    QTest::newRow("first game, Enter at once") << "" << "" << "" << true;
    QTest::newRow("three spaces") << "" << "   " << "" << true;
    QTest::newRow("full-width spaces") << "Old" << QStringLiteral("\u3000\u3000") << "Old" << true;
    QTest::newRow("spaces around") << "" << " Taro " << "Taro" << false;
    QTest::newRow("spaces inside stay") << "" << "A B" << "A B" << false;
    QTest::newRow("last name again with Enter alone") << "Hanako" << "" << "Hanako" << false;
}

void Form6Test::enter()
{
    QFETCH(QString, lastName);
    QFETCH(QString, typed);
    QFETCH(QString, playerName);
    QFETCH(bool, refused);
    TestEnvironment env;
    Module1::State().PlayerName = lastName;
    Form6 *dialog = Form6::instance();
    dialog->show();
    if (!typed.isEmpty()) {
        dialog->Text1->clear();
        dialog->Text1->insert(typed);
    }
    QTest::keyClick(dialog->Text1, Qt::Key_Return);
    QCOMPARE(Module1::State().PlayerName, playerName);
    QCOMPARE(FormRegistry::open(Form6::FormNumber) != nullptr, refused);
    if (refused) {
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].text, QStringLiteral("名前を入力してください"));
        QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
        QCOMPARE(dialog->Text1->text(), QString());
    } else {
        QCOMPARE(env.messages.size(), 0);
    }
}

void Form6Test::closeBoxKeepsTheLastName()
{
    TestEnvironment env;
    Module1::State().PlayerName = QStringLiteral("Old");
    Form6 *dialog = Form6::instance();
    dialog->show();
    dialog->Text1->setText(QStringLiteral("New"));
    QVERIFY(TestSupport::userClose(dialog));
    QCOMPARE(FormRegistry::open(Form6::FormNumber), nullptr);
    QCOMPARE(Module1::State().PlayerName, QStringLiteral("Old"));
}

QTEST_MAIN(Form6Test)
#include "tst_form6.moc"
