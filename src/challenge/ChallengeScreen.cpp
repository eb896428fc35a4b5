#include "ChallengeScreen.h"

#include "Artwork.h"
#include "ChallengeScoring.h"
#include "LevelLadder.h"
#include "Messages.h"
#include "NameDialog.h"
#include "PictureButton.h"
#include "Placement.h"
#include "RankingScreen.h"
#include "RoundTimer.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

const QString Title = QStringLiteral("Plumeno");

qint64 steadyMs()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

QLabel *textLabel(QWidget *parent, const char *objectName, const QString &text, QRect at, qreal points, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(at);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPointSizeF(points);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    label->setPalette(pal);
    return label;
}

} // namespace

ChallengeScreen::ChallengeScreen(SettingsStore &settings, RankingStore &ranking)
    : GameScreen(QStringLiteral("ChallengeScreen"), QStringLiteral("Plumeno-挑戦-"), 4680, 3225, settings)
    , m_ranking(ranking)
    , m_clock(&steadyMs)
{
    buildControls();
    m_bonusTimer = new QTimer(this);
    m_bonusTimer->setObjectName(QStringLiteral("bonusTimer"));
    m_bonusTimer->setInterval(int(ChallengeScoring::StepMs));
    m_bonusTimer->setTimerType(Qt::PreciseTimer);
    connect(m_bonusTimer, &QTimer::timeout, this, &ChallengeScreen::wearBonus);
}

void ChallengeScreen::buildControls()
{
    QWidget *c = client();
    m_numberLabel = textLabel(c, "numberLabel", QString(), Twips::rect(120, 120, 4455, 1575), 80.25, Qt::AlignHCenter);
    m_scoreLabel = textLabel(c, "scoreLabel", QStringLiteral("0"), Twips::rect(1560, 1800, 2175, 615), 26.25, Qt::AlignRight);
    m_levelLabel = textLabel(c, "levelLabel", QStringLiteral("1"), Twips::rect(720, 2520, 975, 615), 26.25, Qt::AlignHCenter);
    m_scoreCaption = Artwork::pictureLabel(c, QStringLiteral("scoreCaption"), QStringLiteral("lbl_score"), QStringLiteral("SCORE:"),
                                           Twips::rect(0, 1920, 1515, 420));
    m_levelCaption = Artwork::pictureLabel(c, QStringLiteral("levelCaption"), QStringLiteral("lbl_lv"), QStringLiteral("LV."),
                                           Twips::rect(0, 2520, 720, 570));
    // The lettering beside the two numbers is a picture; a screen reader
    // hears the number with what it counts.
    m_scoreLabel->setAccessibleDescription(QStringLiteral("SCORE"));
    m_levelLabel->setAccessibleDescription(QStringLiteral("LV."));

    m_startButton = new PictureButton(QStringLiteral("startButton"), QStringLiteral("START"), QStringLiteral("btn_hajime"), c);
    m_startButton->setGeometry(Twips::rect(1800, 2520, 735, 615));
    m_nextButton = new PictureButton(QStringLiteral("nextButton"), QStringLiteral("NEXT"), QStringLiteral("btn_tsugi"), c);
    m_nextButton->setGeometry(Twips::rect(1800, 2520, 735, 615));
    m_nextButton->hide();
    m_rankingButton = new PictureButton(QStringLiteral("rankingButton"), QStringLiteral("RANKING"), QStringLiteral("btn_seiseki"), c);
    m_rankingButton->setGeometry(Twips::rect(2640, 2520, 1095, 615));
    m_modeButton = new PictureButton(QStringLiteral("modeButton"), QStringLiteral("MODE"), QStringLiteral("btn_modoru"), c);
    m_modeButton->setGeometry(Twips::rect(3840, 1800, 735, 615));
    m_exitButton = new PictureButton(QStringLiteral("exitButton"), QStringLiteral("EXIT"), QStringLiteral("btn_owari"), c);
    m_exitButton->setGeometry(Twips::rect(3840, 2520, 735, 615));
    // NEXT keeps the screen's own font.
    QFont buttonFont(QStringLiteral("ＭＳ Ｐゴシック"));
    buttonFont.setPointSize(9);
    buttonFont.setBold(true);
    for (PictureButton *b : {m_startButton, m_rankingButton, m_modeButton, m_exitButton})
        b->setFont(buttonFont);

    setTabOrder(m_startButton, m_nextButton);
    setTabOrder(m_nextButton, m_rankingButton);
    setTabOrder(m_rankingButton, m_modeButton);
    setTabOrder(m_modeButton, m_exitButton);
    m_startButton->setFocus();

    connect(m_startButton, &QAbstractButton::clicked, this, &ChallengeScreen::start);
    connect(m_nextButton, &QAbstractButton::clicked, this, &ChallengeScreen::next);
    connect(m_rankingButton, &QAbstractButton::clicked, this, &ChallengeScreen::showRanking);
    connect(m_modeButton, &QAbstractButton::clicked, this, &ChallengeScreen::backToModes);
    connect(m_exitButton, &QAbstractButton::clicked, this, &ChallengeScreen::quit);
}

void ChallengeScreen::startFresh()
{
    resetGame();
}

QString ChallengeScreen::modeQuestion() const
{
    return QStringLiteral("ゲーム中です。モード画面に戻りますか？");
}

void ChallengeScreen::setAnswerClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(&steadyMs);
}

void ChallengeScreen::resetGame()
{
    const LevelLadder::Shape first = LevelLadder::First;
    m_score = 0;
    m_level = 1;
    m_digits = first.digits;
    m_terms = first.terms;
    m_flashInterval = first.interval;
    resetRound();
    m_timeBonus = LevelLadder::startingBonus(m_flashInterval);
    m_inGame = false;
    m_roundTimer->setInterval(LevelLadder::intervalMs(m_flashInterval));
    m_scoreLabel->setText(QString::number(m_score));
    m_levelLabel->setText(QString::number(m_level));
    m_nextButton->hide();
    m_startButton->show();
}

void ChallengeScreen::levelUp()
{
    const auto shape = LevelLadder::next({m_digits, m_terms, m_flashInterval});
    if (!shape) {
        // The last level answered: the game is complete and leaves no ranking entry.
        Messages::show(QStringLiteral("GAME COMPLETE!!"), Title);
        Messages::show(QStringLiteral("SCORE:") + QString::number(m_score), Title);
        emit gameEnded(m_level, m_score, true);
        resetGame();
        return;
    }
    m_digits = shape->digits;
    m_terms = shape->terms;
    m_flashInterval = shape->interval;
    resetRound();
    ++m_level;
    m_timeBonus = LevelLadder::startingBonus(m_flashInterval);
    m_levelLabel->setText(QString::number(m_level));
    m_roundTimer->setInterval(LevelLadder::intervalMs(m_flashInterval));
}

QList<QWidget *> ChallengeScreen::roundControls() const
{
    return {m_startButton, m_exitButton, m_modeButton, m_nextButton, m_rankingButton};
}

void ChallengeScreen::focusAfterRound()
{
    (m_startButton->isHidden() ? m_nextButton : m_startButton)->setFocus();
}

void ChallengeScreen::start()
{
    // Locking the controls starts the game.
    m_roundTimer->start();
    lockControls();
}

void ChallengeScreen::next()
{
    m_roundTimer->start();
    lockControls();
}

void ChallengeScreen::showRanking()
{
    m_ranking.ensureFiles();
    RankingScreen *ranking = RankingScreen::instance();
    ranking->showRows(m_ranking.rows());
    Placement::placeAtActiveScreen(ranking);
    ranking->exec();
}

void ChallengeScreen::closeEvent(QCloseEvent *event)
{
    GameScreen::closeEvent(event);
    // A score still waiting for another copy to let go of the ranking is
    // offered once more before the screen that holds it goes.
    if (event->isAccepted())
        m_ranking.offerWaitingScores();
}

void ChallengeScreen::answerRound()
{
    QPointer<ChallengeScreen> self(this);
    m_bonusAtOpen = m_timeBonus;
    m_answerOpenedAt = m_clock();
    m_bonusTimer->start();
    const std::int32_t answer = askAnswer();
    if (!self)
        return;
    m_bonusTimer->stop();
    // The time up to the closing counts even where its last tick was late.
    wearBonus();

    if (judge(answer))
        hit();
    else
        miss();
    if (self)
        unlockControls();
}

void ChallengeScreen::wearBonus()
{
    m_timeBonus = ChallengeScoring::wornBonus(m_bonusAtOpen, m_clock() - m_answerOpenedAt);
}

void ChallengeScreen::hit()
{
    m_timeBonus = ChallengeScoring::cappedBonus(m_timeBonus);
    m_score = ChallengeScoring::scoreAfterHit(m_score, m_level, m_timeBonus);
    m_scoreLabel->setText(QString::number(m_score));
    m_nextButton->show();
    m_startButton->hide();
    levelUp();
}

void ChallengeScreen::miss()
{
    QPointer<ChallengeScreen> self(this);
    // Closed without a name, the dialog leaves the name given last time.
    const std::optional<QString> name = NameDialog::ask(this, m_playerName);
    if (!self)
        return;
    if (name)
        m_playerName = *name;
    m_ranking.enter(m_score, m_playerName);
    emit gameEnded(m_level, m_score, false);
    resetGame();
}
