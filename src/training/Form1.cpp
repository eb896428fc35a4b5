#include "Form1.h"

#include "Artwork.h"
#include "CompactComboStyle.h"
#include "FlashRules.h"
#include "Form2.h"
#include "Form5.h"
#include "MMControl.h"
#include "Module1.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>

namespace {

QLabel *picture(QWidget *parent, const char *objectName, const QString &art, const QString &words, QRect at)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(at);
    label->setPixmap(Artwork::pixmap(art, 0));
    label->setAccessibleName(words);
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

Form1::Form1()
    : GameScreen(QStringLiteral("Form1"), QStringLiteral("Plumeno-練習-"), 4680, 3000)
{
    buildControls();
}

void Form1::buildControls()
{
    QWidget *c = client();
    Label1 = new QLabel(c);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Twips::rect(120, 120, 4455, 1575));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAutoFillBackground(true);
    QFont numberFont(QStringLiteral("MS P Gothic"));
    numberFont.setPointSizeF(80.25);
    Label1->setFont(numberFont);

    Image1 = picture(c, "Image1", QStringLiteral("word_ketasu"), QStringLiteral("桁数："), Twips::rect(120, 1800, 915, 345));
    QStringList one2five{"1", "2", "3", "4", "5"};
    Combo1 = combo(c, "Combo1", one2five, QStringLiteral("1"), Twips::rect(1080, 1800, 615, 0), QStringLiteral("桁数"));
    Image2 = picture(c, "Image2", QStringLiteral("word_keta"), QStringLiteral("桁"), Twips::rect(1680, 1800, 375, 345));
    Image5 = picture(c, "Image5", QStringLiteral("word_komasu"), QStringLiteral("コマ数："), Twips::rect(2160, 1800, 1125, 345));
    QStringList terms;
    for (int i = 1; i <= 15; ++i)
        terms << QString::number(i);
    Combo2 = combo(c, "Combo2", terms, QStringLiteral("1"), Twips::rect(3360, 1800, 615, 0), QStringLiteral("コマ数"));
    Image6 = picture(c, "Image6", QStringLiteral("word_koma"), QStringLiteral("コマ"), Twips::rect(3960, 1800, 585, 345));
    Image3 = picture(c, "Image3", QStringLiteral("word_kankaku"), QStringLiteral("間隔："), Twips::rect(120, 2400, 915, 345));
    QStringList intervals;
    for (int i = 1; i <= 20; ++i)
        intervals << QString::number(i / 10.0, 'f', 1);
    Combo3 = combo(c, "Combo3", intervals, QStringLiteral("1.0"), Twips::rect(1080, 2400, 615, 0), QStringLiteral("間隔（秒）"));
    Image4 = picture(c, "Image4", QStringLiteral("word_byou"), QStringLiteral("秒"), Twips::rect(1680, 2400, 375, 315));
    CompactComboStyle::apply({Combo1, Combo2, Combo3}, this);

    Command1 = new PictureButton(QStringLiteral("Command1"), QStringLiteral("START"), QStringLiteral("btn_hajime"), c);
    Command1->setGeometry(Twips::rect(2160, 2280, 735, 615));
    Command3 = new PictureButton(QStringLiteral("Command3"), QStringLiteral("MODE"), QStringLiteral("btn_modoru"), c);
    Command3->setGeometry(Twips::rect(3000, 2280, 735, 615));
    Command2 = new PictureButton(QStringLiteral("Command2"), QStringLiteral("EXIT"), QStringLiteral("btn_owari"), c);
    Command2->setGeometry(Twips::rect(3840, 2280, 735, 615));
    QFont buttonFont(QStringLiteral("MS P Gothic"));
    buttonFont.setPointSize(9);
    buttonFont.setBold(true);
    for (PictureButton *b : {Command1, Command3, Command2})
        b->setFont(buttonFont);

    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command2);
    setTabOrder(Command2, Combo1);
    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Combo3);
    Command1->setFocus();

    connect(Command1, &QAbstractButton::clicked, this, &Form1::start);
    connect(Command2, &QAbstractButton::clicked, this, &Form1::closePlayerAndExit);
    connect(Command3, &QAbstractButton::clicked, this, [this] {
        Form2 *modeScreen = Form2::instance();
        Module1::PlaceAtActiveForm(modeScreen);
        modeScreen->show();
        MMControl1->Command(QStringLiteral("Close"));
        close();
    });
}

void Form1::load()
{
    Module1::ApplyColors(objectName());
    syokika();
    SE_Preparation();
}

void Form1::syokika()
{
    m_random.reseedFromClock();
    RoundSum = 0;
    Module1::State().AnswerValue = 0;
    LastNumber = 0;
    TickCount = 0;
}

void Form1::Control_Lock()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Combo1, Combo2, Combo3, Command1, Command2, Command3})
        w->setEnabled(false);
    setMenusEnabled(false);
    InGame = true;
}

void Form1::Control_UnLock()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Combo1, Combo2, Combo3, Command1, Command2, Command3})
        w->setEnabled(true);
    setMenusEnabled(true);
    InGame = false;
}

void Form1::start()
{
    const FlashRules::StartReading reading =
        FlashRules::readStart(Combo1->currentText(), Combo2->currentText(), Combo3->currentText());
    if (!reading.choice) {
        Module1::MsgBox(reading.refusal, QStringLiteral("確認"));
        return;
    }
    Digits = reading.choice->digits;
    Terms = reading.choice->terms;
    FlashInterval = reading.choice->interval;
    Timer1->setInterval(reading.choice->intervalMs);
    Timer1->start();
    Control_Lock();
}

void Form1::answerRound()
{
    QPointer<Form1> self(this);
    Form5 *dialog = Form5::instance();
    Module1::CenterOnActiveForm(dialog);
    dialog->exec();
    if (!self)
        return;

    const SharedState &s = Module1::State();
    const QString title = QStringLiteral("Plumeno");
    if (s.AnswerValue == RoundSum) {
        SE_Play(QStringLiteral("hit"));
        Module1::MsgBox(QStringLiteral("正解!!"), title);
    } else {
        SE_Play(QStringLiteral("miss"));
        Module1::MsgBox(QStringLiteral("不正解!"), title);
        Module1::MsgBox(QStringLiteral("Ans:") + QString::number(RoundSum), title);
    }
    if (!self)
        return;
    syokika();
    Control_UnLock();
}

void Form1::exitMenuChosen()
{
    closePlayerAndExit();
}
