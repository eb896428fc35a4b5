#include "MainScreen.h"

#include "Artwork.h"
#include "Module1.h"
#include "Twips.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>

MainScreen::MainScreen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowIcon(Artwork::programIcon());

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(Twips::size(clientWidthTwips, clientHeightTwips));
    m_client->setAutoFillBackground(true);
    QPalette pal = m_client->palette();
    pal.setColor(QPalette::Window, Qt::black);
    m_client->setPalette(pal);
    setCentralWidget(m_client);

    buildMenu();
    // The window is exactly the client area plus the menu bar; not resizable.
    setFixedSize(m_client->width(), m_client->height() + menuBar()->sizeHint().height());
}

void MainScreen::buildMenu()
{
    const auto action = [this](QMenu *menu, const char *objectName, const QString &text, void (*command)()) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(objectName));
        if (command)
            connect(a, &QAction::triggered, this, [command] { command(); });
        return a;
    };
    const auto separator = [](QMenu *menu, const char *objectName) {
        QAction *a = menu->addSeparator();
        a->setObjectName(QString::fromLatin1(objectName));
        return a;
    };

    IDMCustom = menuBar()->addMenu(QStringLiteral("設定(&C)"));
    IDMCustom->setObjectName(QStringLiteral("IDMCustom"));
    IDMColor = IDMCustom->addMenu(QStringLiteral("配色(&C)"));
    IDMColor->setObjectName(QStringLiteral("IDMColor"));
    IDMFore = action(IDMColor, "IDMFore", QStringLiteral("文字色(&F)"), &Module1::ChooseForeColor);
    IDMBack = action(IDMColor, "IDMBack", QStringLiteral("背景色(&B)"), &Module1::ChooseBackColor);
    IDMMax = action(IDMCustom, "IDMMax", QStringLiteral("数値表示を最大化(&M)"), nullptr);
    IDMSound = action(IDMCustom, "IDMSound", QStringLiteral("効果音の無効(&S)"), nullptr);
    // The check marks follow the settings (ApplyColors), not the clicks.
    for (QAction *a : {IDMMax, IDMSound})
        a->setCheckable(true);
    connect(IDMMax, &QAction::triggered, this, [this] {
        Module1::ToggleMaxDisplay();
        IDMMax->setChecked(Module1::State().MaxDisplayOn);
    });
    connect(IDMSound, &QAction::triggered, this, [this] {
        Module1::ToggleSound();
        IDMSound->setChecked(Module1::State().SoundOff);
    });
    Separator0 = separator(IDMCustom, "Separator0");
    IDMRefresh = action(IDMCustom, "IDMRefresh", QStringLiteral("ランキングの初期化(&R)"), &Module1::ResetRanking);
    IDMRCustom = action(IDMCustom, "IDMRCustom", QStringLiteral("設定の初期化(&E)"), &Module1::ResetSettings);
    Separator1 = separator(IDMCustom, "Separator1");
    IDMEnd = action(IDMCustom, "IDMEnd", QStringLiteral("終了(&X)"), nullptr);
    connect(IDMEnd, &QAction::triggered, this, [this] { exitMenuChosen(); });

    IDMHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    IDMHelp->setObjectName(QStringLiteral("IDMHelp"));
    IDMReadMe = action(IDMHelp, "IDMReadMe", QStringLiteral("READ MEを開く(&R)"), &Module1::OpenReadMe);
    Separator2 = separator(IDMHelp, "Separator2");
    IDMVersion = action(IDMHelp, "IDMVersion", QStringLiteral("バージョン情報(&V)"), &Module1::ShowAbout);
}

void MainScreen::setMenusEnabled(bool enabled)
{
    IDMCustom->menuAction()->setEnabled(enabled);
    IDMHelp->menuAction()->setEnabled(enabled);
}

void MainScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Module1::NoteActiveMainScreen(this);
    QMainWindow::changeEvent(event);
}

void MainScreen::showEvent(QShowEvent *event)
{
    Module1::NoteActiveMainScreen(this);
    QMainWindow::showEvent(event);
}
