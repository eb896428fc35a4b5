#include "Form6.h"

#include "Artwork.h"
#include "Module1.h"
#include "NameLimit.h"
#include "NameValidator.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLineEdit>

Form6::Form6()
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Plumeno-名前-"));
    setWindowIcon(Artwork::programIcon());
    // The close box stays: closing keeps the name given last time.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::size(2085, 630));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("名前"));
    Text1->setGeometry(Twips::rect(120, 114, 1815, 375));
    QFont f(QStringLiteral("MS Gothic"));
    f.setPointSizeF(14.25);
    f.setBold(true);
    Text1->setFont(f);
    Text1->setValidator(new NameValidator(Text1));
    Text1->installEventFilter(this);
    Text1->setFocus();
}

void Form6::load()
{
    // From the second game on, the last name is offered again.
    Text1->setText(Module1::State().PlayerName);
}

bool Form6::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            confirm();
            return true;
        }
        // Escape would drop the dialog by accident; the close box is there
        // for leaving on purpose.
        if (key == Qt::Key_Escape)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form6::confirm()
{
    const QString name = NameLimit::trimmed(Text1->text());
    if (name.isEmpty()) {
        Text1->clear();
        Module1::MsgBox(QStringLiteral("名前を入力してください"), QStringLiteral("確認"));
        return;
    }
    // The names file is code page 932: a character it lacks would be stored
    // as a question mark, so the name is sent back to be changed, as it is.
    if (const QStringList lacking = NameLimit::unstorable(name); !lacking.isEmpty()) {
        Module1::MsgBox(QStringLiteral("名前に使えない文字があります：%1\n別の文字に直してください。")
                            .arg(NameLimit::describe(lacking)),
                        QStringLiteral("確認"));
        return;
    }
    Module1::State().PlayerName = name;
    close();
}
