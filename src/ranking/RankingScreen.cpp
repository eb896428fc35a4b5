#include "RankingScreen.h"

#include "Artwork.h"
#include "Messages.h"
#include "RankingFiles.h"
#include "RankingInsert.h"
#include "RankingProcedures.h"
#include "SharedState.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int RowTops[RankingFiles::Rows] = {720, 1200, 1680, 2160, 2640};

QLabel *rankLabel(QWidget *parent, const QString &objectName, int index, const QString &text, const QRect &at,
                  const char *family, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setProperty("Index", index);
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

QLabel *artLabel(QWidget *parent, const QString &objectName, const QString &art, const QString &meaning, const QRect &at)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setGeometry(at);
    label->setPixmap(Artwork::pixmap(art, 0));
    label->setAccessibleName(meaning);
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

    m_rankHeading = artLabel(this, QStringLiteral("rankHeading"), QStringLiteral("head_rank"), QStringLiteral("順位"), Twips::rect(240, 240, 735, 315));
    m_nameHeading = artLabel(this, QStringLiteral("nameHeading"), QStringLiteral("head_name"), QStringLiteral("名前"), Twips::rect(1440, 240, 735, 330));
    m_scoreHeading = artLabel(this, QStringLiteral("scoreHeading"), QStringLiteral("head_score"), QStringLiteral("得点"), Twips::rect(3360, 240, 735, 345));
    for (int i = 0; i < RankingFiles::Rows; ++i) {
        const int top = RowTops[i];
        m_rankMarks.append(artLabel(this, QStringLiteral("rankMark%1").arg(4 + i), QStringLiteral("rank%1").arg(i + 1),
                                    QStringLiteral("%1位").arg(i + 1), Twips::rect(360, top, 360, 345)));
        m_nameLabels.append(rankLabel(this, QStringLiteral("nameLabel"), i, RankingFiles::defaultNames()[i],
                                Twips::rect(1080, top, 1575, 375), "MS Gothic", Qt::AlignHCenter));
        m_scoreLabels.append(rankLabel(this, QStringLiteral("scoreLabel"), i, RankingFiles::defaultScores()[i],
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

void RankingScreen::readRanking()
{
    // A file that is not there leaves its column as it stands: the ranking
    // files are made sure of before every read, so that happens only where
    // they cannot be created, and the ranking then lives in these labels.
    const auto load = [](const QString &path, const QList<QLabel *> &column) {
        if (const auto reading = RankingFiles::readFile(path))
            for (int i = 0; i < RankingFiles::Rows; ++i)
                column[i]->setText(reading->rows[i]);
    };
    load(RankingFiles::namesPath(), m_nameLabels);
    load(RankingFiles::scoresPath(), m_scoreLabels);
}

bool RankingScreen::saveRanking()
{
    QStringList names, scores;
    for (int i = 0; i < RankingFiles::Rows; ++i) {
        names << m_nameLabels[i]->text();
        scores << m_scoreLabels[i]->text();
    }
    const bool saved = RankingFiles::writeFile(RankingFiles::namesPath(), RankingFiles::fileBytes(names, true))
                       && RankingFiles::writeFile(RankingFiles::scoresPath(), RankingFiles::fileBytes(scores, true));
    if (!saved)
        Messages::show(QStringLiteral("ランキングファイルに書き込めませんでした。\nランキングは保存されていません。"),
                        QStringLiteral("確認"));
    return saved;
}

void RankingScreen::insertScore(qint32 &score, QString &name)
{
    const QString playerName = sharedState().PlayerName;
    // The files were there at start-up, but a player may have deleted them
    // since; reading nothing would write a ranking of empty rows.
    Ranking::ensureFiles();
    readRanking();
    QList<RankingInsert::Row> rows;
    for (int i = 0; i < RankingFiles::Rows; ++i)
        rows.append({m_nameLabels[i]->text(), m_scoreLabels[i]->text()});
    if (RankingInsert::insert(rows, score, name) >= 0) {
        for (int i = 0; i < RankingFiles::Rows; ++i) {
            m_nameLabels[i]->setText(rows[i].name);
            m_scoreLabels[i]->setText(rows[i].score);
        }
    }
    sharedState().PlayerName = playerName;
    saveRanking();
}
