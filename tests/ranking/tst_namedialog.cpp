// The name dialog: its field, its limit of 8 bytes and its Enter key.
#include "NameDialog.h"
#include "ScreenRegistry.h"
#include "SharedState.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QTest>

class NameDialogTest : public QObject
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

void NameDialogTest::limit_data()
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

void NameDialogTest::limit()
{
    QFETCH(QString, how);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, input);
    QFETCH(QString, after);
    TestEnvironment env;
    sharedState().PlayerName = before;
    NameDialog *dialog = NameDialog::instance();
    dialog->show();
    QLineEdit *field = dialog->m_nameEdit;
    QCOMPARE(field->text(), before);
    field->setCursorPosition(cursor);
    TestSupport::enterText(field, how, input);
    QCOMPARE(field->text(), after);
}

void NameDialogTest::refusesWhatTheNamesFileCannotHold_data()
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

void NameDialogTest::refusesWhatTheNamesFileCannotHold()
{
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, named);
    TestEnvironment env;
    sharedState().PlayerName = QStringLiteral("Old");
    NameDialog *dialog = NameDialog::instance();
    dialog->show();
    dialog->m_nameEdit->clear();
    TestSupport::enterText(dialog->m_nameEdit, how, input);
    QCOMPARE(dialog->m_nameEdit->text(), input);
    QTest::keyClick(dialog->m_nameEdit, Qt::Key_Return);

    QCOMPARE(env.messages.size(), 1);
    QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
    QCOMPARE(env.messages[0].text, QStringLiteral("名前に使えない文字があります：%1\n別の文字に直してください。").arg(named));
    // Nothing is taken or changed behind the player's back.
    QCOMPARE(ScreenRegistry::open(NameDialog::ScreenNumber), dialog);
    QCOMPARE(dialog->m_nameEdit->text(), input);
    QCOMPARE(sharedState().PlayerName, QStringLiteral("Old"));

    dialog->m_nameEdit->setText(QStringLiteral("Jose"));
    QTest::keyClick(dialog->m_nameEdit, Qt::Key_Return);
    QCOMPARE(sharedState().PlayerName, QStringLiteral("Jose"));
    QCOMPARE(ScreenRegistry::open(NameDialog::ScreenNumber), nullptr);
}

void NameDialogTest::enter_data()
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

void NameDialogTest::enter()
{
    QFETCH(QString, lastName);
    QFETCH(QString, typed);
    QFETCH(QString, playerName);
    QFETCH(bool, refused);
    TestEnvironment env;
    sharedState().PlayerName = lastName;
    NameDialog *dialog = NameDialog::instance();
    dialog->show();
    if (!typed.isEmpty()) {
        dialog->m_nameEdit->clear();
        dialog->m_nameEdit->insert(typed);
    }
    QTest::keyClick(dialog->m_nameEdit, Qt::Key_Return);
    QCOMPARE(sharedState().PlayerName, playerName);
    QCOMPARE(ScreenRegistry::open(NameDialog::ScreenNumber) != nullptr, refused);
    if (refused) {
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].text, QStringLiteral("名前を入力してください"));
        QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
        QCOMPARE(dialog->m_nameEdit->text(), QString());
    } else {
        QCOMPARE(env.messages.size(), 0);
    }
}

void NameDialogTest::closeBoxKeepsTheLastName()
{
    TestEnvironment env;
    sharedState().PlayerName = QStringLiteral("Old");
    NameDialog *dialog = NameDialog::instance();
    dialog->show();
    dialog->m_nameEdit->setText(QStringLiteral("New"));
    QVERIFY(TestSupport::userClose(dialog));
    QCOMPARE(ScreenRegistry::open(NameDialog::ScreenNumber), nullptr);
    QCOMPARE(sharedState().PlayerName, QStringLiteral("Old"));
}

QTEST_MAIN(NameDialogTest)
#include "tst_namedialog.moc"
