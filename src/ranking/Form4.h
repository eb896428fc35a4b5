#pragma once

#include "SingleForm.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

// The ranking screen. Its labels are the ranking while the program runs:
// they are loaded from the ranking files before every display or insertion.
class Form4 : public QDialog, public SingleForm<Form4>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 4;

    Form4();
    void load() {}

    void fileread();
    bool filesave();
    // Enters a finished game's score and the player's name in its place
    // and writes the ranking files back, whether or not it entered.
    void irekae(qint32 &score, QString &name);

    QList<QLabel *> Label1; // names of rows 0..4
    QList<QLabel *> Label2; // score texts of rows 0..4
    QList<QLabel *> RankMarkers; // Image4 .. Image8
    QLabel *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr;
    QPushButton *Command1 = nullptr;
};
