#include "ReviewDialog.h"

#include "Artwork.h"
#include "RoundPlan.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ReviewDialog::ReviewDialog(const QList<std::int32_t> &numbers, std::int32_t answer, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ReviewDialog"));
    setWindowTitle(QStringLiteral("Plumeno-ふりかえり-"));
    setWindowIcon(Artwork::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    const QList<std::int32_t> totals = RoundPlan::runningTotals(numbers);
    m_table = new QTableWidget(int(numbers.size()), 2, this);
    m_table->setObjectName(QStringLiteral("reviewTable"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("数"), QStringLiteral("累計")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int i = 0; i < numbers.size(); ++i) {
        const auto cell = [](std::int32_t v) {
            auto *item = new QTableWidgetItem(QString::number(v));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return item;
        };
        m_table->setItem(i, 0, cell(numbers[i]));
        m_table->setItem(i, 1, cell(totals[i]));
    }
    const std::int32_t sum = totals.isEmpty() ? 0 : totals.last();
    m_answerLabel = new QLabel(QStringLiteral("あなたの答え：%1　（%2）")
                                   .arg(answer)
                                   .arg(answer == sum ? QStringLiteral("正解") : QStringLiteral("不正解、正しくは%1").arg(sum)),
                               this);
    m_answerLabel->setObjectName(QStringLiteral("answerLabel"));

    m_replayButton = new QPushButton(QStringLiteral("もう一度"), this);
    m_replayButton->setObjectName(QStringLiteral("replayButton"));
    m_closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_replayButton->setDefault(true);
    connect(m_replayButton, &QPushButton::clicked, this, [this] { done(Replay); });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_replayButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_answerLabel);
    layout->addLayout(buttons);
    resize(320, 420);
}
