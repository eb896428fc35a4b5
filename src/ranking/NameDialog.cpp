#include "NameDialog.h"

#include "Artwork.h"
#include "Messages.h"
#include "NameLimit.h"
#include "NameValidator.h"
#include "Placement.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

std::optional<QString> NameDialog::ask(QWidget *screen, const QString &lastName)
{
    const QPointer<NameDialog> dialog = new NameDialog(screen, lastName);
    Placement::centerOnActiveScreen(dialog);
    dialog->exec();
    if (!dialog)
        return std::nullopt;
    const std::optional<QString> name = dialog->m_name;
    delete dialog;
    return name;
}

NameDialog::NameDialog(QWidget *screen, const QString &lastName)
    : QDialog(screen)
{
    setObjectName(QStringLiteral("NameDialog"));
    setWindowTitle(QStringLiteral("Plumeno-名前-"));
    setWindowIcon(Artwork::programIcon());
    // The close box stays: closing keeps the name given last time.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::size(2085, 630));

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setAccessibleName(QStringLiteral("名前"));
    m_nameEdit->setGeometry(Twips::rect(120, 114, 1815, 375));
    QFont f(QStringLiteral("MS Gothic"));
    f.setPointSizeF(14.25);
    f.setBold(true);
    m_nameEdit->setFont(f);
    m_nameEdit->setValidator(new NameValidator(m_nameEdit));
    m_nameEdit->installEventFilter(this);
    // From the second game on, the last name is offered again.
    m_nameEdit->setText(lastName);
    m_nameEdit->setFocus();
}

bool NameDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameEdit && event->type() == QEvent::KeyPress) {
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

void NameDialog::confirm()
{
    const QString name = NameLimit::trimmed(m_nameEdit->text());
    if (name.isEmpty()) {
        m_nameEdit->clear();
        Messages::show(QStringLiteral("名前を入力してください"), QStringLiteral("確認"));
        return;
    }
    // The names file is code page 932: a character it lacks would be stored
    // as a question mark, so the name is sent back to be changed, as it is.
    if (const QStringList lacking = NameLimit::unstorable(name); !lacking.isEmpty()) {
        Messages::show(QStringLiteral("名前に使えない文字があります：%1\n別の文字に直してください。").arg(NameLimit::describe(lacking)),
                       QStringLiteral("確認"));
        return;
    }
    m_name = name;
    close();
}
