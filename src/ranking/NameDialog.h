#pragma once

#include "SingleScreen.h"

#include <QDialog>

class QLineEdit;

// The name dialog: after a challenge game ends on a wrong answer the player
// types a name for the ranking and presses Enter.
class NameDialog : public QDialog, public SingleScreen<NameDialog>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::Name;

    NameDialog();
    void load();

    QLineEdit *m_nameEdit = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();
};
