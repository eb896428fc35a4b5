#include "AnswerDialog.h"

#include "Artwork.h"
#include "HalfWidth.h"
#include "Messages.h"
#include "Placement.h"
#include "TextNumber.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

std::optional<qint32> AnswerDialog::ask(QWidget *screen)
{
    const QPointer<AnswerDialog> dialog = new AnswerDialog(screen);
    Placement::centerOnActiveScreen(dialog);
    dialog->exec();
    if (!dialog)
        return std::nullopt;
    const std::optional<qint32> answer = dialog->m_answer;
    delete dialog;
    return answer;
}

AnswerDialog::AnswerDialog(QWidget *screen)
    : QDialog(screen)
{
    setObjectName(QStringLiteral("AnswerDialog"));
    setWindowTitle(QStringLiteral("Plumeno-答-"));
    setWindowIcon(Artwork::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::size(2085, 630));

    m_answerEdit = new QLineEdit(this);
    m_answerEdit->setObjectName(QStringLiteral("answerEdit"));
    m_answerEdit->setAccessibleName(QStringLiteral("答"));
    m_answerEdit->setGeometry(Twips::rect(120, 120, 1815, 375));
    QFont f(QStringLiteral("MS Gothic"));
    f.setPointSizeF(14.25);
    m_answerEdit->setFont(f);
    m_answerEdit->installEventFilter(this);
    m_answerEdit->setFocus();
}

bool AnswerDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_answerEdit && event->type() == QEvent::KeyPress) {
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

void AnswerDialog::confirm()
{
    // An input method gives full-width digits; they are the same answer.
    if (const auto value = TextNumber::parseNumeric(HalfWidth::fold(m_answerEdit->text()))) {
        if (const auto answer = TextNumber::toInt32(*value)) {
            m_answer = *answer;
            close();
            return;
        }
    }
    m_answerEdit->clear();
    Messages::show(QStringLiteral("数値を入力してください"), QStringLiteral("確認"));
}
