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

void NameDialogTest::enter_data()
{
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("typed"); // empty: Enter alone
    QTest::addColumn<QString>("playerName");
    QTest::addColumn<QString>("message"); // empty: the name is taken
    const QString none = QStringLiteral("名前を入力してください");
    const QString cannot = QStringLiteral("名前に使えない文字があります：%1\n別の文字に直してください。");
    QTest::newRow("first game, Enter at once") << "" << "keys" << "" << "" << none;
    QTest::newRow("three spaces") << "" << "paste" << "   " << "" << none;
    QTest::newRow("full-width spaces") << "Old" << "paste" << QStringLiteral("\u3000\u3000") << "Old" << none;
    QTest::newRow("spaces around") << "" << "paste" << " Taro " << "Taro" << "";
    QTest::newRow("spaces inside stay") << "" << "paste" << "A B" << "A B" << "";
    QTest::newRow("last name again with Enter alone") << "Hanako" << "keys" << "" << "Hanako" << "";
    // What the names file cannot hold is named, and nothing is taken or
    // changed behind the player's back.
    QTest::newRow("typed accent") << "Old" << "typed" << "José" << "Old" << cannot.arg("é");
    QTest::newRow("pasted emoji") << "Old" << "paste" << "Ai😀" << "Old" << cannot.arg("😀");
    QTest::newRow("each once, in order") << "Old" << "ime" << "é😀é" << "Old" << cannot.arg("é、😀");
    QTest::newRow("an invisible one by its code") << "Old" << "paste" << "A\u200BB" << "Old" << cannot.arg("U+200B");
    QTest::newRow("a lone half of a pair by its code") << "Old" << "ime" << QString(QChar(0xD83D)) + "x" << "Old"
                                                       << cannot.arg("U+D83D");
}

void NameDialogTest::enter()
{
    QFETCH(QString, lastName);
    QFETCH(QString, how);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    TestEnvironment env;
    sharedState().PlayerName = lastName;
    NameDialog *dialog = NameDialog::instance();
    dialog->show();
    QLineEdit *field = dialog->m_nameEdit;
    if (!typed.isEmpty()) {
        field->clear();
        TestSupport::enterText(field, how, typed);
        QCOMPARE(field->text(), typed);
    }
    QTest::keyClick(field, Qt::Key_Return);
    QTEST(sharedState().PlayerName, "playerName");
    QCOMPARE(ScreenRegistry::open(NameDialog::ScreenNumber) != nullptr, !message.isEmpty());
    QCOMPARE(env.messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (message.isEmpty())
        return;
    QCOMPARE(env.messages[0].title, QStringLiteral("確認"));
    // An empty name leaves an empty field; anything else stays to be corrected.
    QCOMPARE(field->text(), typed.trimmed().isEmpty() ? QString() : typed);
    field->setText(QStringLiteral("Jose"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(sharedState().PlayerName, QStringLiteral("Jose"));
    QCOMPARE(ScreenRegistry::open(NameDialog::ScreenNumber), nullptr);
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
