#pragma once

#include <QDialog>
#include <QList>
#include <cstdint>

class QLabel;
class QPushButton;
class QTableWidget;

// After a judged round: the round's numbers in order with the running
// total, and the player's answer. 「もう一度」 asks for the same numbers
// again at the same speed; closing goes back to the training screen.
class ReviewDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Replay = 2; // the dialog's result for 「もう一度」

    ReviewDialog(const QList<std::int32_t> &numbers, std::int32_t answer, QWidget *parent = nullptr);

    QTableWidget *m_table = nullptr;
    QLabel *m_answerLabel = nullptr;
    QPushButton *m_replayButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};
