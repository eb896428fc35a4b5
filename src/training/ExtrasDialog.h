#pragma once

#include "TrainingExtras.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

// 「練習の詳細設定」: the training extras, all off by default. OK writes them
// to their own file; キャンセル leaves everything as it was.
class ExtrasDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ExtrasDialog(QWidget *parent = nullptr);

    // The menu command: opens the dialog over the active screen.
    // True when the player chose OK.
    static bool openFromMenu();

    TrainingExtras extras() const; // as the controls show them
    void showExtras(const TrainingExtras &extras);

    QSpinBox *m_flashPercentBox = nullptr;
    QCheckBox *m_totalTimeCheck = nullptr;
    QDoubleSpinBox *m_totalSecondsBox = nullptr;
    QComboBox *m_adaptiveBox = nullptr; // 速さの自動調整
    QLabel *m_speedNote = nullptr; // why one of the two speeds is off
    QSpinBox *m_minusPercentBox = nullptr;
    QComboBox *m_reviewBox = nullptr;
    QCheckBox *m_historyCheck = nullptr;
    QPushButton *m_historyButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;

private:
    void confirm();
    // A round's interval has one source: the total time and the automatic
    // speed each lock the other while on.
    void showSpeedChoices();
    void showHistory();
};
