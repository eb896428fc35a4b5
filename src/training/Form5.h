#pragma once

#include "SingleForm.h"

#include <QDialog>

class QLineEdit;

// The answer dialog: the player types the sum and presses Enter.
class Form5 : public QDialog, public SingleForm<Form5>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 5;

    Form5();
    void load() {}

    QLineEdit *Text1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();
};
