#pragma once

#include "SingleScreen.h"

#include <QDialog>

class QLineEdit;

// The answer dialog: the player types the sum and presses Enter.
class AnswerDialog : public QDialog, public SingleScreen<AnswerDialog>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::Answer;

    AnswerDialog();
    void load() {}

    QLineEdit *m_answerEdit = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();
};
