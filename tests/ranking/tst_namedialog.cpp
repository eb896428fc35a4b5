// The name dialog: its field, its limit of 8 bytes and its Enter key.
#include "NameDialog.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QTest>

class TestNameDialog : public QObject
{
    Q_OBJECT
private slots:
    void limit_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("after");
        QTest::newRow("a ninth half-width key") << "keys" << "" << 0 << "ABCDEFGHI" << "ABCDEFGH";
        QTest::newRow("a key inside a full field") << "keys" << "ABCDEFGH" << 2 << "X" << "ABCDEFGH";
        QTest::newRow("no half of a full-width") << "ime" << "A" << 1 << "山田太郎" << "A山田太";
        QTest::newRow("wave dash in its code page form") << "ime" << "" << 0 << "〜" << "～";
        QTest::newRow("what the file cannot hold stays to be seen") << "ime" << "" << 0 << "A😀éB" << "A😀éB";
        QTest::newRow("and counts two") << "paste" << "" << 0 << "😀😀😀😀😀" << "😀😀😀😀";
        QTest::newRow("a long conversion") << "ime" << "" << 0 << QString(200, QChar(u'あ')) << "ああああ";
        QTest::newRow("typed control characters never enter") << "typed" << "" << 0 << "A\x01" "B\tC\x7f" << "ABC";
        QTest::newRow("paste in the middle") << "paste" << "ABCD" << 2 << "xyz12345" << "ABxyz1CD";
        QTest::newRow("paste with line breaks") << "paste" << "" << 0 << "AB\r\nC\tD" << "ABCD";
    }

    void limit()
    {
        QFETCH(QString, how);
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, input);
        TestEnvironment env;
        NameDialog dialog(nullptr, before);
        dialog.show();
        dialog.m_nameEdit->setCursorPosition(cursor);
        TestSupport::enterText(dialog.m_nameEdit, how, input);
        QTEST(dialog.m_nameEdit->text(), "after");
    }

    void enter_data()
    {
        QTest::addColumn<QString>("lastName");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("typed"); // empty: Enter alone
        QTest::addColumn<QString>("name"); // taken at the first Enter; else "Jose", typed after the refusal
        QTest::addColumn<QString>("message"); // empty: the name is taken
        const QString none = QStringLiteral("名前を入力してください");
        const QString cannot = QStringLiteral("名前に使えない文字があります：%1\n別の文字に直してください。");
        QTest::newRow("first game, Enter at once") << "" << "keys" << "" << "Jose" << none;
        QTest::newRow("three spaces") << "" << "paste" << "   " << "Jose" << none;
        QTest::newRow("full-width spaces") << "Old" << "paste" << QStringLiteral("\u3000\u3000") << "Jose" << none;
        QTest::newRow("spaces around") << "" << "paste" << " Taro " << "Taro" << "";
        QTest::newRow("spaces inside stay") << "" << "paste" << "A B" << "A B" << "";
        QTest::newRow("last name again with Enter alone") << "Hanako" << "keys" << "" << "Hanako" << "";
        // What the names file cannot hold is named, and nothing is taken or
        // changed behind the player's back.
        QTest::newRow("each once, in order") << "Old" << "ime" << "é😀é" << "Jose" << cannot.arg("é、😀");
        QTest::newRow("an invisible one by its code") << "Old" << "paste" << "A\u200BB" << "Jose" << cannot.arg("U+200B");
        QTest::newRow("a lone half of a pair by its code") << "Old" << "ime" << QString(QChar(0xD83D)) + "x" << "Jose"
                                                           << cannot.arg("U+D83D");
    }

    void enter()
    {
        QFETCH(QString, lastName);
        QFETCH(QString, how);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TestEnvironment env;
        QString refusedText;
        TestSupport::whenDialogOpens(QStringLiteral("NameDialog"), [&](QWidget *dialog) {
            auto *field = dialog->findChild<QLineEdit *>();
            if (!typed.isEmpty()) {
                field->clear();
                TestSupport::enterText(field, how, typed);
            }
            QTest::keyClick(field, Qt::Key_Return);
            if (!dialog->isVisible())
                return;
            refusedText = field->text();
            field->setText(QStringLiteral("Jose"));
            QTest::keyClick(field, Qt::Key_Return);
        });
        QTEST(NameDialog::ask(nullptr, lastName).value_or(QStringLiteral("(none)")), "name");
        // An empty name leaves an empty field; anything else stays to be corrected.
        QCOMPARE(env.messages.value(0).title + env.messageTexts().join(u'|') + refusedText,
                 message.isEmpty() ? QString() : "確認" + message + (typed.trimmed().isEmpty() ? QString() : typed));
    }

    void closeBoxGivesNoName()
    {
        TestEnvironment env;
        TestSupport::whenDialogOpens("NameDialog", [](QWidget *w) { w->findChild<QLineEdit *>()->setText("New"); QVERIFY(TestSupport::userClose(w)); });
        QCOMPARE(NameDialog::ask(nullptr, QStringLiteral("Old")), std::nullopt);
    }
};

QTEST_MAIN(TestNameDialog)
#include "tst_namedialog.moc"
