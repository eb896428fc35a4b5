#pragma once

#include "HistoryFile.h"
#include "HistoryStats.h"

#include <QDialog>

class HistoryChart;
class QComboBox;
class QLabel;
class QTableWidget;

// The history: a chart of accuracy and answer time per day for one
// setting (digits x terms x interval), and the latest rounds and games.
class HistoryWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr int LatestRows = 200;

    explicit HistoryWindow(const QString &path, QWidget *parent = nullptr);

    QComboBox *m_settingBox = nullptr;
    HistoryChart *m_chart = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_noteLabel = nullptr;

private:
    void showSetting(int index);
    void fillTable();

    HistoryFile::Contents m_contents;
    std::vector<HistoryStats::Setting> m_settings;
};
