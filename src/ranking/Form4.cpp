#include "Form4.h"

#include "Artwork.h"
#include "Module1.h"
#include "RankingFiles.h"
#include "RankingInsert.h"
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

Form4::Form4()
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Plumeno-成績表-"));
    setWindowIcon(Artwork::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::size(4815, 3720));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    Image1 = artLabel(this, QStringLiteral("Image1"), QStringLiteral("head_rank"), QStringLiteral("順位"), Twips::rect(240, 240, 735, 315));
    Image2 = artLabel(this, QStringLiteral("Image2"), QStringLiteral("head_name"), QStringLiteral("名前"), Twips::rect(1440, 240, 735, 330));
    Image3 = artLabel(this, QStringLiteral("Image3"), QStringLiteral("head_score"), QStringLiteral("得点"), Twips::rect(3360, 240, 735, 345));
    for (int i = 0; i < RankingFiles::Rows; ++i) {
        const int top = RowTops[i];
        RankMarkers.append(artLabel(this, QStringLiteral("Image%1").arg(4 + i), QStringLiteral("rank%1").arg(i + 1),
                                    QStringLiteral("%1位").arg(i + 1), Twips::rect(360, top, 360, 345)));
        Label1.append(rankLabel(this, QStringLiteral("Label1"), i, RankingFiles::defaultNames()[i],
                                Twips::rect(1080, top, 1575, 375), "MS Gothic", Qt::AlignHCenter));
        Label2.append(rankLabel(this, QStringLiteral("Label2"), i, RankingFiles::defaultScores()[i],
                                Twips::rect(3000, top, 1575, 375), "MS PGothic", Qt::AlignRight));
    }

    Command1 = new QPushButton(Artwork::icon(QStringLiteral("close_small")), QStringLiteral("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Close"));
    Command1->setGeometry(Twips::rect(1320, 3120, 2175, 495));
    QFont f(QStringLiteral("MS PGothic"));
    f.setPointSize(9);
    f.setBold(true);
    Command1->setFont(f);
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

void Form4::fileread()
{
    // A file that is not there leaves its column as it stands: the ranking
    // files are made sure of before every read, so that happens only where
    // they cannot be created, and the ranking then lives in these labels.
    const auto load = [](const QString &path, const QList<QLabel *> &column) {
        if (const auto reading = RankingFiles::readFile(path))
            for (int i = 0; i < RankingFiles::Rows; ++i)
                column[i]->setText(reading->rows[i]);
    };
    load(RankingFiles::namesPath(), Label1);
    load(RankingFiles::scoresPath(), Label2);
}

bool Form4::filesave()
{
    QStringList names, scores;
    for (int i = 0; i < RankingFiles::Rows; ++i) {
        names << Label1[i]->text();
        scores << Label2[i]->text();
    }
    const bool saved = RankingFiles::writeFile(RankingFiles::namesPath(), RankingFiles::fileBytes(names, true))
                       && RankingFiles::writeFile(RankingFiles::scoresPath(), RankingFiles::fileBytes(scores, true));
    if (!saved)
        Module1::MsgBox(QStringLiteral("ランキングファイルに書き込めませんでした。\nランキングは保存されていません。"),
                        QStringLiteral("確認"));
    return saved;
}

void Form4::irekae(qint32 &score, QString &name)
{
    const QString playerName = Module1::State().PlayerName;
    // The files were there at start-up, but a player may have deleted them
    // since; reading nothing would write a ranking of empty rows.
    Module1::EnsureRankingFiles();
    fileread();
    QList<RankingInsert::Row> rows;
    for (int i = 0; i < RankingFiles::Rows; ++i)
        rows.append({Label1[i]->text(), Label2[i]->text()});
    if (RankingInsert::insert(rows, score, name) >= 0) {
        for (int i = 0; i < RankingFiles::Rows; ++i) {
            Label1[i]->setText(rows[i].name);
            Label2[i]->setText(rows[i].score);
        }
    }
    Module1::State().PlayerName = playerName;
    filesave();
}
