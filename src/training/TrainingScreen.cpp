#include "TrainingScreen.h"

#include "Artwork.h"
#include "CompactComboStyle.h"
#include "FlashDisplay.h"
#include "GapTimer.h"
#include "HistoryRecord.h"
#include "Messages.h"
#include "PictureButton.h"
#include "Placement.h"
#include "ReviewDialog.h"
#include "RoundPlan.h"
#include "RoundTimer.h"
#include "SettingsStore.h"
#include "StartChoice.h"
#include "Twips.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <cmath>

Q_LOGGING_CATEGORY(lcTraining, "plumeno.training", QtWarningMsg)

namespace {

QString seconds(double ms, int decimals)
{
    return QString::number(ms / 1000.0, 'f', decimals) + QStringLiteral("秒");
}

QString paceLine(const Staircase::State &s, TrainingExtras::Adaptive adaptive)
{
    QString text = QStringLiteral("次の間隔: ") + seconds(Staircase::roundMs(s), 3);
    if (const std::optional<double> pace = Staircase::estimate(s))
        text += QStringLiteral("\nいまの目安: %1（正解率 約%2%）")
                    .arg(seconds(*pace, *pace < 100 ? 3 : 2))
                    .arg(std::lround(100 * Staircase::targetAccuracy(TrainingExtras::rule(adaptive))));
    return text;
}

QLabel *picture(QWidget *parent, const char *objectName, const QString &art, const QString &words, QRect at)
{
    QLabel *label = Artwork::pictureLabel(parent, QString::fromLatin1(objectName), art, words, at);
    label->setToolTip(words);
    return label;
}

QComboBox *combo(QWidget *parent, const char *objectName, const QStringList &items, const QString &text, QRect at,
                 const QString &accessibleName)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setEditText(text);
    box->move(at.topLeft());
    box->setFixedWidth(at.width());
    box->setAccessibleName(accessibleName);
    return box;
}

} // namespace

TrainingScreen::TrainingScreen(SettingsStore &settings)
    : GameScreen(QStringLiteral("TrainingScreen"), QStringLiteral("Plumeno-練習-"), 4680, 3000, settings)
{
    buildControls();
    m_gapTimer = new GapTimer(this);
    connect(m_gapTimer, &GapTimer::timeout, this, [this] { FlashDisplay::blank(m_numberLabel, m_settings.values()); });
}

void TrainingScreen::buildControls()
{
    QWidget *c = client();
    m_numberLabel = new QLabel(c);
    m_numberLabel->setObjectName(QStringLiteral("numberLabel"));
    m_numberLabel->setGeometry(Twips::rect(120, 120, 4455, 1575));
    m_numberLabel->setAlignment(Qt::AlignCenter);
    m_numberLabel->setTextFormat(Qt::PlainText);
    m_numberLabel->setAutoFillBackground(true);
    QFont numberFont(QStringLiteral("MS P Gothic"));
    numberFont.setPointSizeF(80.25);
    m_numberLabel->setFont(numberFont);

    m_digitsCaption =
        picture(c, "digitsCaption", QStringLiteral("word_ketasu"), QStringLiteral("桁数："), Twips::rect(120, 1800, 915, 345));
    QStringList one2five{"1", "2", "3", "4", "5"};
    m_digitsBox = combo(c, "digitsBox", one2five, QStringLiteral("1"), Twips::rect(1080, 1800, 615, 0), QStringLiteral("桁数"));
    m_digitsUnit = picture(c, "digitsUnit", QStringLiteral("word_keta"), QStringLiteral("桁"), Twips::rect(1680, 1800, 375, 345));
    m_termsCaption =
        picture(c, "termsCaption", QStringLiteral("word_komasu"), QStringLiteral("コマ数："), Twips::rect(2160, 1800, 1125, 345));
    QStringList terms;
    for (int i = 1; i <= 15; ++i)
        terms << QString::number(i);
    m_termsBox = combo(c, "termsBox", terms, QStringLiteral("1"), Twips::rect(3360, 1800, 615, 0), QStringLiteral("コマ数"));
    m_termsUnit = picture(c, "termsUnit", QStringLiteral("word_koma"), QStringLiteral("コマ"), Twips::rect(3960, 1800, 585, 345));
    m_intervalCaption =
        picture(c, "intervalCaption", QStringLiteral("word_kankaku"), QStringLiteral("間隔："), Twips::rect(120, 2400, 915, 345));
    QStringList intervals;
    for (int i = 1; i <= 20; ++i)
        intervals << QString::number(i / 10.0, 'f', 1);
    m_intervalBox =
        combo(c, "intervalBox", intervals, QStringLiteral("1.0"), Twips::rect(1080, 2400, 615, 0), QStringLiteral("間隔（秒）"));
    m_intervalUnit = picture(c, "intervalUnit", QStringLiteral("word_byou"), QStringLiteral("秒"), Twips::rect(1680, 2400, 375, 315));
    CompactComboStyle::apply({m_digitsBox, m_termsBox, m_intervalBox}, this);

    m_startButton = new PictureButton(QStringLiteral("startButton"), QStringLiteral("START"), QStringLiteral("btn_hajime"), c);
    m_startButton->setGeometry(Twips::rect(2160, 2280, 735, 615));
    m_modeButton = new PictureButton(QStringLiteral("modeButton"), QStringLiteral("MODE"), QStringLiteral("btn_modoru"), c);
    m_modeButton->setGeometry(Twips::rect(3000, 2280, 735, 615));
    m_exitButton = new PictureButton(QStringLiteral("exitButton"), QStringLiteral("EXIT"), QStringLiteral("btn_owari"), c);
    m_exitButton->setGeometry(Twips::rect(3840, 2280, 735, 615));
    QFont buttonFont(QStringLiteral("MS P Gothic"));
    buttonFont.setPointSize(9);
    buttonFont.setBold(true);
    for (PictureButton *b : {m_startButton, m_modeButton, m_exitButton})
        b->setFont(buttonFont);

    setTabOrder(m_startButton, m_modeButton);
    setTabOrder(m_modeButton, m_exitButton);
    setTabOrder(m_exitButton, m_digitsBox);
    setTabOrder(m_digitsBox, m_termsBox);
    setTabOrder(m_termsBox, m_intervalBox);
    m_startButton->setFocus();

    connect(m_digitsBox, &QComboBox::editTextChanged, this, &TrainingScreen::showIntervalSource);
    connect(m_termsBox, &QComboBox::editTextChanged, this, &TrainingScreen::showIntervalSource);
    connect(m_startButton, &QAbstractButton::clicked, this, &TrainingScreen::start);
    connect(m_exitButton, &QAbstractButton::clicked, this, &TrainingScreen::quit);
    connect(m_modeButton, &QAbstractButton::clicked, this, &TrainingScreen::backToModes);
}

void TrainingScreen::startFresh()
{
    resetRound();
    showIntervalSource();
}

void TrainingScreen::showIntervalSource()
{
    const TrainingExtras extras = TrainingExtras::load();
    const bool adaptive = extras.adaptive != TrainingExtras::Adaptive::Off;
    m_intervalBox->setEnabled(!adaptive);
    m_intervalBox->setToolTip(adaptive ? QStringLiteral("速さの自動調整が決める間隔です。") : QString());
    if (!adaptive)
        return;
    const StartChoice::StartReading reading = StartChoice::readStartWithoutInterval(m_digitsBox->currentText(), m_termsBox->currentText());
    if (!reading.choice)
        return;
    if (const auto state = TrainingExtras::loadStaircase(extras.adaptive, reading.choice->digits, reading.choice->terms))
        m_intervalBox->setEditText(QString::number(Staircase::roundMs(*state) / 1000.0, 'f', 3));
}

int TrainingScreen::intervalBoxMs() const
{
    return StartChoice::readInterval(m_intervalBox->currentText()).intervalMs.value_or(1000);
}

QList<QWidget *> TrainingScreen::roundControls() const
{
    return {m_digitsBox, m_termsBox, m_intervalBox, m_startButton, m_exitButton, m_modeButton};
}

void TrainingScreen::start()
{
    m_extras = TrainingExtras::load();
    // A round set by its total time or by the automatic speed never uses the
    // interval box, so nothing there may stand in its way.
    const bool ownInterval = m_extras.byTotalTime || m_extras.adaptive != TrainingExtras::Adaptive::Off;
    const StartChoice::StartReading reading =
        ownInterval ? StartChoice::readStartWithoutInterval(m_digitsBox->currentText(), m_termsBox->currentText())
                    : StartChoice::readStart(m_digitsBox->currentText(), m_termsBox->currentText(), m_intervalBox->currentText());
    if (!reading.choice) {
        Messages::show(reading.refusal, QStringLiteral("確認"));
        return;
    }
    m_digits = reading.choice->digits;
    m_terms = reading.choice->terms;
    m_flashInterval = reading.choice->interval;
    m_replay = false;
    if (!prepareExtras(reading.choice->intervalMs))
        return;
    runRound(m_roundTimer->interval());
}

bool TrainingScreen::prepareExtras(int intervalMs)
{
    if (m_extras.byTotalTime) {
        const std::optional<int> ms = RoundPlan::intervalForTotal(m_extras.totalMs, m_terms);
        if (!ms) {
            Messages::show(m_terms <= 0 ? QStringLiteral("合計時間で指定するときは、コマ数に1以上の数を入力してください。")
                                        : QStringLiteral("合計時間が短すぎます。1コマ1ミリ秒以上になるようにしてください。"),
                           QStringLiteral("確認"));
            return false;
        }
        intervalMs = *ms;
        m_flashInterval = float(intervalMs / 1000.0);
    }
    m_staircase.reset();
    if (m_extras.adaptive != TrainingExtras::Adaptive::Off) {
        m_staircase = TrainingExtras::loadStaircase(m_extras.adaptive, m_digits, m_terms);
        if (!m_staircase)
            m_staircase = Staircase::start(intervalBoxMs());
        intervalMs = Staircase::roundMs(*m_staircase);
        m_flashInterval = float(intervalMs / 1000.0);
    }
    m_plan.clear();
    if (m_extras.minusPercent > 0)
        m_plan = RoundPlan::numbers([this] { return m_random.next(); }, m_digits, m_terms, m_extras.minusPercent);
    m_roundTimer->setInterval(intervalMs);
    return true;
}

void TrainingScreen::runRound(int intervalMs)
{
    m_flashed.clear();
    m_gapOnsetNs = RoundPlan::gapOnsetNs(intervalMs, m_extras.flashPercent);
    m_roundTimer->start();
    lockControls();
}

std::int32_t TrainingScreen::numberToFlash(int tick, std::int32_t drawn)
{
    // However late the last gap is, it never takes down the next number.
    m_gapTimer->stop();
    const std::int32_t n = tick >= 1 && tick <= m_plan.size() ? m_plan[tick - 1] : drawn;
    m_flashed.append(n);
    return n;
}

void TrainingScreen::numberFlashed()
{
    // Timed from when the number was due, not from when it was painted.
    if (m_gapOnsetNs)
        m_gapTimer->start(*m_gapOnsetNs - m_roundTimer->sinceDueNs(),
                          std::min(RoundTimer::WakeEarlyNs, RoundTimer::idealOffsetNs(1, m_roundTimer->interval()) / 2));
}

void TrainingScreen::answerRound()
{
    QPointer<TrainingScreen> self(this);
    m_gapTimer->stop();
    QElapsedTimer answerClock;
    answerClock.start();
    const std::int32_t answer = askAnswer();
    const qint64 answerMs = answerClock.elapsed();
    if (!self)
        return;
    const bool right = judge(answer);
    if (!self)
        return;
    resetRound();
    if (afterJudgement(right, answer, answerMs) || !self)
        return;
    unlockControls();
    showIntervalSource();
    m_inGame = false;
}

QString TrainingScreen::takeVerdict(bool right)
{
    if (!m_staircase)
        return QString();
    if (!m_replay) {
        m_staircase = Staircase::next(*m_staircase, right, TrainingExtras::rule(m_extras.adaptive));
        if (!TrainingExtras::saveStaircase(m_extras.adaptive, m_digits, m_terms, *m_staircase))
            qCWarning(lcTraining) << "the automatic speed could not be kept in" << TrainingExtras::fileName();
    }
    return paceLine(*m_staircase, m_extras.adaptive);
}

bool TrainingScreen::afterJudgement(bool right, std::int32_t answer, qint64 answerMs)
{
    if (m_extras.keepHistory) {
        HistoryRecord r;
        r.digits = m_digits;
        r.terms = m_terms;
        r.intervalMs = m_roundTimer->interval();
        r.totalMs = m_extras.byTotalTime ? m_extras.totalMs : 0;
        r.flashPercent = m_extras.flashPercent;
        r.minusPercent = m_extras.minusPercent;
        r.replay = m_replay;
        r.adaptive = m_staircase.has_value();
        r.result = right ? HistoryRecord::Result::Right : HistoryRecord::Result::Wrong;
        r.answerMs = answerMs;
        emit roundJudged(r);
    }
    const bool review =
        m_extras.review == TrainingExtras::Review::Always || (m_extras.review == TrainingExtras::Review::AfterWrong && !right);
    if (!review)
        return false;
    QPointer<TrainingScreen> self(this);
    ReviewDialog dialog(m_flashed, answer);
    Placement::centerOnActiveScreen(&dialog);
    const int result = dialog.exec();
    if (!self || result != ReviewDialog::Replay)
        return !self;
    // The same numbers at the same speed, with the same extras.
    m_plan = m_flashed;
    m_replay = true;
    runRound(m_roundTimer->interval());
    return true;
}
