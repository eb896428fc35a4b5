#pragma once

#include "SingleForm.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The about screen: version, release date and the project's addresses,
// the last two working as links.
class Form8 : public QDialog, public SingleForm<Form8>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 8;

    static const QString RightsHolder;
    static const QString MailAddress;
    static const QString HomePage;

    Form8();
    void load() {}

    QPushButton *Command1 = nullptr; // the program's icon: the home page
    QLabel *Image1 = nullptr;
    QFrame *Frame1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    QLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr;
    QPushButton *Command2 = nullptr; // Close

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildFrame();
    void hoverOver(const QObject *over);
};
