#include "Form5.h"

#include "Artwork.h"
#include "HalfWidth.h"
#include "Module1.h"
#include "TextNumber.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLineEdit>

Form5::Form5()
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Plumeno-答-"));
    setWindowIcon(Artwork::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::size(2085, 630));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("答"));
    Text1->setGeometry(Twips::rect(120, 120, 1815, 375));
    QFont f(QStringLiteral("MS Gothic"));
    f.setPointSizeF(14.25);
    Text1->setFont(f);
    Text1->installEventFilter(this);
    Text1->setFocus();
}

bool Form5::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            confirm();
            return true;
        }
        // Escape would close the dialog unanswered and cost the round.
        if (key->key() == Qt::Key_Escape)
            return true;
        const QString text = key->text();
        if (text.size() == 1 && text[0] >= u'a' && text[0] <= u'z')
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form5::confirm()
{
    // An input method gives full-width digits; they are the same answer.
    if (const auto value = TextNumber::parseNumeric(HalfWidth::fold(Text1->text()))) {
        if (const auto answer = TextNumber::toInt32(*value)) {
            Module1::State().AnswerValue = *answer;
            close();
            return;
        }
    }
    Text1->clear();
    Module1::MsgBox(QStringLiteral("数値を入力してください"), QStringLiteral("確認"));
}
