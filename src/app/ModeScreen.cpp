#include "ModeScreen.h"

#include "Artwork.h"
#include "PictureButton.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QLabel>

ModeScreen::ModeScreen()
    : MainScreen(QStringLiteral("ModeScreen"), QStringLiteral("Plumeno-選択-"), 4680, 3120)
{
    m_titleImage = new QLabel(client());
    m_titleImage->setObjectName(QStringLiteral("titleImage"));
    m_titleImage->setGeometry(Twips::rect(0, 0, 4680, 2040));
    m_titleImage->setAlignment(Qt::AlignCenter);
    m_titleImage->setPixmap(Artwork::pixmap(QStringLiteral("title"), 0));
    m_titleImage->setAccessibleName(QStringLiteral("Plumeno"));

    m_trainingButton =
        new PictureButton(QStringLiteral("trainingButton"), QStringLiteral("Training Mode"), QStringLiteral("btn_renshu"), client());
    m_trainingButton->setGeometry(Twips::rect(600, 2160, 1575, 855));
    m_trainingButton->setAccessibleName(QStringLiteral("Training Mode 練習"));
    m_challengeButton =
        new PictureButton(QStringLiteral("challengeButton"), QStringLiteral("Challenge Mode"), QStringLiteral("btn_chousen"), client());
    m_challengeButton->setGeometry(Twips::rect(2520, 2160, 1575, 855));
    m_challengeButton->setAccessibleName(QStringLiteral("Challenge Mode 挑戦"));
    setTabOrder(m_trainingButton, m_challengeButton);
    m_trainingButton->setFocus();

    connect(m_trainingButton, &QAbstractButton::clicked, this, [this] {
        emit trainingChosen();
        close();
    });
    connect(m_challengeButton, &QAbstractButton::clicked, this, [this] {
        emit challengeChosen();
        close();
    });
}

void ModeScreen::exitMenuChosen()
{
    emit exitRequested();
}

void ModeScreen::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous())
        emit exitRequested();
    event->accept();
}
