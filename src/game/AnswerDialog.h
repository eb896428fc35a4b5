#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

// The answer dialog: the player types the sum and presses Enter.
class AnswerDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens the dialog over the game screen, with the screen as its parent,
    // and returns the number confirmed; nullopt when the dialog was closed
    // without one.
    static std::optional<qint32> ask(QWidget *screen);

    explicit AnswerDialog(QWidget *screen);

    QLineEdit *m_answerEdit = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();

    std::optional<qint32> m_answer;
};
