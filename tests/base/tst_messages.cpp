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
        QString seen;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = box->windowTitle() + box->text() + (box->icon() == QMessageBox::NoIcon ? " no icon" : "")
                   + (box->buttons().size() == 2 && box->button(QMessageBox::No) ? " Yes/No" : "")
                   + (box->defaultButton() && box->defaultButton() == box->button(QMessageBox::Yes) ? " default Yes" : "");
            QTest::keyClick(box, Qt::Key_Return); // Enter answers with the default button
        });
        const Messages::Answer answer = Messages::show(QStringLiteral("保存しますか？"), QStringLiteral("確認"),
                                                       Messages::Buttons::YesNo);
        QCOMPARE(seen, QStringLiteral("確認保存しますか？ no icon Yes/No default Yes"));
        QCOMPARE(answer, Messages::Answer::Yes);
    }
};

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
