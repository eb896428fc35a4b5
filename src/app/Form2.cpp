#include "Form2.h"

#include "Artwork.h"
#include "Form1.h"
#include "Form3.h"
#include "Module1.h"
#include "PictureButton.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

Form2::Form2()
    : MainScreen(QStringLiteral("Form2"), QStringLiteral("Plumeno-選択-"), 4680, 3120)
{
    Image1 = new QLabel(client());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Twips::rect(0, 0, 4680, 2040));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(Artwork::pixmap(QStringLiteral("title"), 0));
    Image1->setAccessibleName(QStringLiteral("Plumeno"));

    Command1 = new PictureButton(QStringLiteral("Command1"), QStringLiteral("Training Mode"),
                                 QStringLiteral("btn_renshu"), client());
    Command1->setGeometry(Twips::rect(600, 2160, 1575, 855));
    Command1->setAccessibleName(QStringLiteral("Training Mode 練習"));
    Command2 = new PictureButton(QStringLiteral("Command2"), QStringLiteral("Challenge Mode"),
                                 QStringLiteral("btn_chousen"), client());
    Command2->setGeometry(Twips::rect(2520, 2160, 1575, 855));
    Command2->setAccessibleName(QStringLiteral("Challenge Mode 挑戦"));
    setTabOrder(Command1, Command2);
    Command1->setFocus();

    connect(Command1, &QAbstractButton::clicked, this, &Form2::switchTo<Form1>);
    connect(Command2, &QAbstractButton::clicked, this, &Form2::switchTo<Form3>);
}

void Form2::load()
{
    SharedState &s = Module1::State();
    if (!s.StartupDone) {
        Module1::EnsureSettingsFile();
        Module1::ReadSettingsFile();
        Module1::EnsureRankingFiles();
        s.StartupDone = true;
        // At program start the screen opens centred on the screen.
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect avail = screen->availableGeometry();
            move(avail.center() - QPoint(width() / 2, height() / 2));
        }
    }
    Module1::ApplyColors(objectName());
}

template <class Target>
void Form2::switchTo()
{
    Target *target = Target::instance();
    Module1::PlaceAtActiveForm(target);
    target->show();
    close();
}

void Form2::exitMenuChosen()
{
    Module1::ExitApplication();
}

void Form2::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous())
        Module1::ExitApplication();
    event->accept();
}
