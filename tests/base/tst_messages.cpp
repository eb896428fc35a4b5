// The real message box behind the message seam.
#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMessages : public QObject
{
    Q_OBJECT
private slots:
    void questionsDefaultToYes()
    {
        Messages::setResponder(nullptr);
        QString title, text;
        bool noIcon = false, yesIsDefault = false, twoButtons = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            noIcon = box->icon() == QMessageBox::NoIcon;
            twoButtons = box->buttons().size() == 2 && box->button(QMessageBox::No);
            yesIsDefault = box->defaultButton() && box->defaultButton() == box->button(QMessageBox::Yes);
            // Enter answers with the default button.
            QTest::keyClick(box, Qt::Key_Return);
        });
        const Messages::Answer answer = Messages::show(QStringLiteral("保存しますか？"), QStringLiteral("確認"),
                                                       Messages::Buttons::YesNo);
        QCOMPARE(title + text, QStringLiteral("確認保存しますか？"));
        QVERIFY(noIcon && twoButtons && yesIsDefault);
        QCOMPARE(answer, Messages::Answer::Yes);
    }
};

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
