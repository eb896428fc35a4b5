#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

// The name dialog: after a challenge game ends on a wrong answer the player
// types a name for the ranking and presses Enter.
class NameDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens the dialog over the game screen, with the screen as its parent,
    // offering the name given last time, and returns the name confirmed;
    // nullopt when the dialog was closed without one.
    static std::optional<QString> ask(QWidget *screen, const QString &lastName);

    NameDialog(QWidget *screen, const QString &lastName);

    QLineEdit *m_nameEdit = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();

    std::optional<QString> m_name;
};
