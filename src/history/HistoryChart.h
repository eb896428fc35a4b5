#pragma once

#include "HistoryStats.h"

#include <QWidget>
#include <vector>

// Accuracy (per cent, left scale) and mean answer time (seconds, right
// scale) per day, drawn as two lines.
class HistoryChart : public QWidget
{
    Q_OBJECT
public:
    explicit HistoryChart(QWidget *parent = nullptr);

    void setDays(std::vector<HistoryStats::Day> days);
    const std::vector<HistoryStats::Day> &days() const { return m_days; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<HistoryStats::Day> m_days;
};
