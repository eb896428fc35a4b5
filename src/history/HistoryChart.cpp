#include "HistoryChart.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

const QColor AccuracyColour(0, 170, 0);
const QColor AnswerColour(220, 120, 0);
const QColor PaceColour(30, 90, 220);

} // namespace

HistoryChart::HistoryChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("historyChart"));
    setMinimumSize(420, 220);
}

void HistoryChart::setDays(std::vector<HistoryStats::Day> days)
{
    m_days = std::move(days);
    update();
}

QPolygonF HistoryChart::perPixelColumn(const QPolygonF &line)
{
    QPolygonF out;
    double x = -1, sum = 0;
    int n = 0;
    for (const QPointF &pt : line) {
        const double column = std::floor(pt.x());
        if (n > 0 && column != x) {
            out << QPointF(x, sum / n);
            sum = 0;
            n = 0;
        }
        x = column;
        sum += pt.y();
        ++n;
    }
    if (n > 0)
        out << QPointF(x, sum / n);
    return out;
}

void HistoryChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const QFontMetrics fm = p.fontMetrics();
    const int left = fm.horizontalAdvance(QStringLiteral("100%")) + 10;
    const int right = fm.horizontalAdvance(QStringLiteral("00.0秒")) + 10;
    const int top = fm.height() + 8;
    const int bottom = fm.height() + 8;
    const QRectF plot(left, top, width() - left - right, height() - top - bottom);
    if (plot.width() < 20 || plot.height() < 20)
        return;

    p.setPen(palette().color(QPalette::Text));
    if (m_days.empty()) {
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("この設定の記録はまだありません"));
        return;
    }

    double maxSeconds = 1;
    for (const auto &d : m_days)
        maxSeconds = std::max({maxSeconds, d.meanAnswerMs / 1000.0, d.paceMs / 1000.0});
    maxSeconds = std::ceil(maxSeconds);

    // Grid and scales: 0, 50 and 100 % on the left, seconds on the right.
    for (int i = 0; i <= 4; ++i) {
        const double y = plot.bottom() - plot.height() * i / 4;
        p.setPen(QPen(palette().color(QPalette::Mid), 1, i == 0 ? Qt::SolidLine : Qt::DotLine));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(AccuracyColour);
        p.drawText(QRectF(0, y - fm.height() / 2.0, left - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1%").arg(25 * i));
        p.setPen(AnswerColour);
        p.drawText(QRectF(plot.right() + 4, y - fm.height() / 2.0, right - 4, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1秒").arg(maxSeconds * i / 4, 0, 'f', 1));
    }

    const qint64 first = m_days.front().date.toJulianDay();
    const qint64 span = std::max<qint64>(1, m_days.back().date.toJulianDay() - first);
    const auto xOf = [&](const HistoryStats::Day &d) {
        return m_days.size() == 1 ? plot.center().x() : plot.left() + plot.width() * double(d.date.toJulianDay() - first) / double(span);
    };
    // Years of days leave no room for a dot on each; the lines say enough.
    const bool dots = double(m_days.size()) <= plot.width() / 8;
    QPolygonF accuracy, answer, pace;
    for (size_t i = 0; i < m_days.size(); ++i) {
        const auto &d = m_days[i];
        const QPointF a(xOf(d), plot.bottom() - plot.height() * d.accuracyPercent() / 100.0);
        const QPointF t(xOf(d), plot.bottom() - plot.height() * (d.meanAnswerMs / 1000.0) / maxSeconds);
        const QPointF e(xOf(d), plot.bottom() - plot.height() * (d.paceMs / 1000.0) / maxSeconds);
        accuracy << a;
        answer << t;
        if (d.paceMs > 0)
            pace << e;
        if (!dots)
            continue;
        p.setPen(Qt::NoPen);
        p.setBrush(AccuracyColour);
        p.drawEllipse(a, 3, 3);
        p.setBrush(AnswerColour);
        p.drawEllipse(t, 3, 3);
        if (d.paceMs > 0) {
            p.setBrush(PaceColour);
            p.drawEllipse(e, 3, 3);
        }
    }
    p.setBrush(Qt::NoBrush);
    if (!dots) {
        accuracy = perPixelColumn(accuracy);
        answer = perPixelColumn(answer);
        pace = perPixelColumn(pace);
    }
    p.setPen(QPen(AccuracyColour, 2));
    p.drawPolyline(accuracy);
    p.setPen(QPen(AnswerColour, 2));
    p.drawPolyline(answer);
    p.setPen(QPen(PaceColour, 2));
    p.drawPolyline(pace);

    p.setPen(palette().color(QPalette::Text));
    const QString from = m_days.front().date.toString(QStringLiteral("yyyy/MM/dd"));
    const QString to = m_days.back().date.toString(QStringLiteral("yyyy/MM/dd"));
    p.drawText(QRectF(plot.left(), plot.bottom() + 4, plot.width(), fm.height()), Qt::AlignLeft, from);
    if (m_days.size() > 1)
        p.drawText(QRectF(plot.left(), plot.bottom() + 4, plot.width(), fm.height()), Qt::AlignRight, to);
    p.setPen(AccuracyColour);
    p.drawText(QRectF(plot.left(), 2, plot.width(), fm.height()), Qt::AlignLeft, QStringLiteral("● 正解率"));
    p.setPen(AnswerColour);
    p.drawText(QRectF(plot.left(), 2, plot.width(), fm.height()), Qt::AlignRight, QStringLiteral("● 平均解答時間"));
    if (!pace.isEmpty()) {
        p.setPen(PaceColour);
        p.drawText(QRectF(plot.left(), 2, plot.width(), fm.height()), Qt::AlignHCenter, QStringLiteral("● 目安の間隔"));
    }
}
