#include "RankingScreen.h"

#include "Artwork.h"
#include "DataLock.h"
#include "Messages.h"
#include "RankingFiles.h"
#include "RankingInsert.h"
#include "RankingProcedures.h"
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

    m_rankHeading = Artwork::pictureLabel(this, QStringLiteral("rankHeading"), QStringLiteral("head_rank"), QStringLiteral("順位"), Twips::rect(240, 240, 735, 315));
    m_nameHeading = Artwork::pictureLabel(this, QStringLiteral("nameHeading"), QStringLiteral("head_name"), QStringLiteral("名前"), Twips::rect(1440, 240, 735, 330));
    m_scoreHeading = Artwork::pictureLabel(this, QStringLiteral("scoreHeading"), QStringLiteral("head_score"), QStringLiteral("得点"), Twips::rect(3360, 240, 735, 345));
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

void RankingScreen::readRanking()
{
    // Under the lock, so that a save by another copy is never read half
    // written. A file that is not there leaves its column as it stands: the
    // ranking files are made sure of before every read, so that happens only
    // where they cannot be created, and the ranking then lives in these labels.
    DataLock lock;
    if (lock.held())
        Ranking::finishInterruptedSave();
    const auto load = [](const QString &path, const QList<QLabel *> &column) {
        if (const auto reading = RankingFiles::readFile(path))
            for (int i = 0; i < RankingFiles::Rows; ++i)
                column[i]->setText(reading->rows[i]);
    };
    load(RankingFiles::namesPath(), m_nameLabels);
    load(RankingFiles::scoresPath(), m_scoreLabels);
}

namespace {

struct Saving
{
    bool saved = false;
    QString tell; // what the player is told once the lock is let go
};

Saving busy()
{
    return {false, QStringLiteral("ほかに起動している Plumeno がランキングファイルを使用中のため、書き込めませんでした。\n"
                                  "ランキングは保存されていません。")};
}

// With the data lock held.
Saving writeColumns(const QList<QLabel *> &nameLabels, const QList<QLabel *> &scoreLabels)
{
    QStringList names, scores;
    for (int i = 0; i < RankingFiles::Rows; ++i) {
        names << nameLabels[i]->text();
        scores << scoreLabels[i]->text();
    }
    // A damaged file is copied aside only now, when it is about to be
    // replaced; until then it is read as it is.
    const QStringList kept = Ranking::keepDamagedAside();
    if (!RankingFiles::writePair(RankingFiles::fileBytes(names, true), RankingFiles::fileBytes(scores, true)))
        return {false, QStringLiteral("ランキングファイルに書き込めませんでした。\nランキングは保存されていません。")};
    return {true, kept.join(u'\n')};
}

bool tell(const Saving &saving)
{
    if (!saving.tell.isEmpty())
        Messages::show(saving.tell, QStringLiteral("保存報告"));
    return saving.saved;
}

} // namespace

bool RankingScreen::saveRanking()
{
    Saving saving = busy();
    {
        DataLock lock;
        if (lock.held())
            saving = writeColumns(m_nameLabels, m_scoreLabels);
    }
    return tell(saving);
}

void RankingScreen::insertScore(qint32 &score, QString &name)
{
    // The files were there at start-up, but a player may have deleted them
    // since; reading nothing would write a ranking of empty rows.
    Ranking::ensureFiles();
    Saving saving = busy();
    {
        // Read, insert and write as one step: another copy entering its
        // score at the same moment waits, then inserts into this result.
        DataLock lock;
        if (lock.held()) {
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
            saving = writeColumns(m_nameLabels, m_scoreLabels);
        }
    }
    tell(saving);
}
