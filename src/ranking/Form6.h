#pragma once

#include "SingleForm.h"

#include <QDialog>

class QLineEdit;

// The name dialog: after a challenge game ends on a wrong answer the player
// types a name for the ranking and presses Enter.
class Form6 : public QDialog, public SingleForm<Form6>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 6;

    Form6();
    void load();

    QLineEdit *Text1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();
};
