#pragma once

#include "HistoryStats.h"

#include <QPolygonF>
#include <QWidget>
#include <vector>

// Accuracy (per cent, left scale) and mean answer time (seconds, right
// scale) per day, drawn as two lines; with the automatic speed a third, the
// pace estimate (seconds, right scale), from its first day with one.
class HistoryChart : public QWidget
{
    Q_OBJECT
public:
    explicit HistoryChart(QWidget *parent = nullptr);

    void setDays(std::vector<HistoryStats::Day> days);
    const std::vector<HistoryStats::Day> &days() const { return m_days; }

    // More days than pixels: one averaged point per pixel column (at its
    // left edge), as the stroke of thousands of short segments costs far
    // more than it shows. The points come left to right.
    static QPolygonF perPixelColumn(const QPolygonF &line);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<HistoryStats::Day> m_days;
};
