#include "RankingScreen.h"

#include "Artwork.h"
#include "RankingFiles.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int RowTops[RankingFiles::Rows] = {720, 1200, 1680, 2160, 2640};

QLabel *rankLabel(QWidget *parent, const QString &objectName, const QString &text, const QRect &at, const char *family,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText); // names are shown as typed, never as markup
    label->setGeometry(at);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QFont f(QString::fromLatin1(family));
    f.setPointSize(18);
    f.setBold(true);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    label->setPalette(pal);
    return label;
}

} // namespace

RankingScreen::RankingScreen()
{
    setObjectName(QStringLiteral("RankingScreen"));
    setWindowTitle(QStringLiteral("Plumeno-成績表-"));
    setWindowIcon(Artwork::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::size(4815, 3720));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    m_rankHeading = Artwork::pictureLabel(this, QStringLiteral("rankHeading"), QStringLiteral("head_rank"), QStringLiteral("順位"),
                                          Twips::rect(240, 240, 735, 315));
    m_nameHeading = Artwork::pictureLabel(this, QStringLiteral("nameHeading"), QStringLiteral("head_name"), QStringLiteral("名前"),
                                          Twips::rect(1440, 240, 735, 330));
    m_scoreHeading = Artwork::pictureLabel(this, QStringLiteral("scoreHeading"), QStringLiteral("head_score"), QStringLiteral("得点"),
                                           Twips::rect(3360, 240, 735, 345));
    for (int i = 0; i < RankingFiles::Rows; ++i) {
        const int top = RowTops[i];
        m_rankMarks.append(Artwork::pictureLabel(this, QStringLiteral("rankMark%1").arg(i + 1), QStringLiteral("rank%1").arg(i + 1),
                                                 QStringLiteral("%1位").arg(i + 1), Twips::rect(360, top, 360, 345)));
        m_nameLabels.append(rankLabel(this, QStringLiteral("nameLabel%1").arg(i + 1), RankingFiles::defaultNames()[i],
                                      Twips::rect(1080, top, 1575, 375), "MS Gothic", Qt::AlignHCenter));
        m_scoreLabels.append(rankLabel(this, QStringLiteral("scoreLabel%1").arg(i + 1), RankingFiles::defaultScores()[i],
                                       Twips::rect(3000, top, 1575, 375), "MS PGothic", Qt::AlignRight));
    }

    m_closeButton = new QPushButton(Artwork::icon(QStringLiteral("close_small")), QStringLiteral("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAccessibleName(QStringLiteral("Close"));
    m_closeButton->setGeometry(Twips::rect(1320, 3120, 2175, 495));
    QFont f(QStringLiteral("MS PGothic"));
    f.setPointSize(9);
    f.setBold(true);
    m_closeButton->setFont(f);
    m_closeButton->setAutoDefault(false);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void RankingScreen::showRows(const QList<RankingInsert::Row> &rows)
{
    for (int i = 0; i < RankingFiles::Rows; ++i) {
        m_nameLabels[i]->setText(i < rows.size() ? rows[i].name : QString());
        m_scoreLabels[i]->setText(i < rows.size() ? rows[i].score : QString());
    }
}
