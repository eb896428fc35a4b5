#include "HistoryWindow.h"

#include "Artwork.h"
#include "HistoryChart.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString describe(const HistoryRecord &r)
{
    if (r.mode == HistoryRecord::Mode::Challenge)
        return QStringLiteral("LV.%1　SCORE:%2").arg(r.level).arg(r.score);
    QString text = QStringLiteral("%1桁 %2コマ %3秒").arg(r.digits).arg(r.terms).arg(r.intervalMs / 1000.0, 0, 'f', 3);
    if (r.totalMs > 0)
        text += QStringLiteral("（合計%1秒）").arg(r.totalMs / 1000.0, 0, 'f', 3);
    if (r.flashPercent < 100)
        text += QStringLiteral(" 表示%1%").arg(r.flashPercent);
    if (r.minusPercent > 0)
        text += QStringLiteral(" 引き算%1%").arg(r.minusPercent);
    if (r.adaptive)
        text += QStringLiteral(" 自動調整");
    if (r.replay)
        text += QStringLiteral(" もう一度");
    return text;
}

QString resultText(const HistoryRecord &r)
{
    switch (r.result) {
    case HistoryRecord::Result::Right:
        return QStringLiteral("正解");
    case HistoryRecord::Result::Complete:
        return QStringLiteral("COMPLETE");
    case HistoryRecord::Result::Wrong:
        break;
    }
    return QStringLiteral("不正解");
}

} // namespace

HistoryWindow::HistoryWindow(const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_contents(HistoryFile::read(path))
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("Plumeno-履歴-"));
    setWindowIcon(Artwork::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_settings = HistoryStats::settings(m_contents.records);
    m_settingBox = new QComboBox(this);
    m_settingBox->setObjectName(QStringLiteral("settingBox"));
    // Sized without measuring every entry: a long history has hundreds.
    m_settingBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_settingBox->setMinimumContentsLength(28);
    for (const auto &s : m_settings)
        m_settingBox->addItem(
            QStringLiteral("%1桁 × %2コマ × %3（%4回）")
                .arg(s.digits)
                .arg(s.terms)
                .arg(s.adaptive ? QStringLiteral("速さの自動調整") : QStringLiteral("%1秒").arg(s.intervalMs / 1000.0, 0, 'f', 3))
                .arg(s.rounds));
    m_chart = new HistoryChart(this);
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("latestTable"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("日時"), QStringLiteral("内容"), QStringLiteral("結果"), QStringLiteral("解答時間")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_noteLabel = new QLabel(this);
    m_noteLabel->setObjectName(QStringLiteral("noteLabel"));
    if (!m_contents.readable)
        m_noteLabel->setText(QStringLiteral("履歴ファイルを読めませんでした。"));
    else if (m_contents.skippedLines > 0)
        m_noteLabel->setText(QStringLiteral("読めない行が%1行あったため、飛ばしました。").arg(m_contents.skippedLines));
    m_noteLabel->setVisible(!m_noteLabel->text().isEmpty());
    fillTable();

    auto *closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_settingBox, &QComboBox::currentIndexChanged, this, &HistoryWindow::showSetting);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("設定："), this));
    top->addWidget(m_settingBox, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_noteLabel, 1);
    bottom->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_chart, 3);
    layout->addWidget(new QLabel(QStringLiteral("最近の記録"), this));
    layout->addWidget(m_table, 2);
    layout->addLayout(bottom);
    resize(640, 560);
    showSetting(m_settingBox->currentIndex());
}

void HistoryWindow::showSetting(int index)
{
    if (index < 0 || index >= int(m_settings.size())) {
        m_chart->setDays({});
        return;
    }
    m_chart->setDays(HistoryStats::byDay(m_contents.records, m_settings[size_t(index)]));
}

void HistoryWindow::fillTable()
{
    const auto &records = m_contents.records;
    const int rows = int(std::min<size_t>(LatestRows, records.size()));
    m_table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const HistoryRecord &r = records[records.size() - 1 - size_t(row)]; // newest first
        const bool training = r.mode == HistoryRecord::Mode::Training;
        const QStringList cells{r.date.toString(QStringLiteral("yyyy/MM/dd ")) + r.time.toString(QStringLiteral("HH:mm")),
                                (training ? QStringLiteral("練習 ") : QStringLiteral("チャレンジ ")) + describe(r), resultText(r),
                                training ? QStringLiteral("%1秒").arg(r.answerMs / 1000.0, 0, 'f', 1) : QString()};
        for (int c = 0; c < cells.size(); ++c)
            m_table->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    m_table->resizeColumnToContents(0);
}
