#include "MainScreen.h"

#include "Artwork.h"
#include "Placement.h"
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
    const auto action = [this](QMenu *menu, const char *objectName, const QString &text, void (MainScreen::*command)()) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(objectName));
        if (command)
            connect(a, &QAction::triggered, this, command);
        return a;
    };
    const auto separator = [](QMenu *menu, const char *objectName) {
        QAction *a = menu->addSeparator();
        a->setObjectName(QString::fromLatin1(objectName));
        return a;
    };

    m_settingsMenu = menuBar()->addMenu(QStringLiteral("設定(&C)"));
    m_settingsMenu->setObjectName(QStringLiteral("settingsMenu"));
    m_colourMenu = m_settingsMenu->addMenu(QStringLiteral("配色(&C)"));
    m_colourMenu->setObjectName(QStringLiteral("colourMenu"));
    m_foreColourAction = action(m_colourMenu, "foreColourAction", QStringLiteral("文字色(&F)"), &MainScreen::foreColourRequested);
    m_backColourAction = action(m_colourMenu, "backColourAction", QStringLiteral("背景色(&B)"), &MainScreen::backColourRequested);
    m_fullScreenDisplayAction = action(m_settingsMenu, "fullScreenDisplayAction", QStringLiteral("数値表示を最大化(&M)"), nullptr);
    m_soundOffAction = action(m_settingsMenu, "soundOffAction", QStringLiteral("効果音の無効(&S)"), nullptr);
    // The check marks follow the settings (setMenuChecks), not the clicks.
    for (QAction *a : {m_fullScreenDisplayAction, m_soundOffAction})
        a->setCheckable(true);
    connect(m_fullScreenDisplayAction, &QAction::triggered, this, [this] {
        emit fullScreenDisplayToggled();
        m_fullScreenDisplayAction->setChecked(m_fullScreenDisplayChecked);
    });
    connect(m_soundOffAction, &QAction::triggered, this, [this] {
        emit soundToggled();
        m_soundOffAction->setChecked(m_soundOffChecked);
    });
    m_rankingSeparator = separator(m_settingsMenu, "rankingSeparator");
    m_resetRankingAction =
        action(m_settingsMenu, "resetRankingAction", QStringLiteral("ランキングの初期化(&R)"), &MainScreen::rankingResetRequested);
    m_resetSettingsAction =
        action(m_settingsMenu, "resetSettingsAction", QStringLiteral("設定の初期化(&E)"), &MainScreen::settingsResetRequested);
    m_trainingExtrasAction =
        action(m_settingsMenu, "trainingExtrasAction", QStringLiteral("練習の詳細設定(&T)"), &MainScreen::trainingExtrasRequested);
    m_exitSeparator = separator(m_settingsMenu, "exitSeparator");
    m_exitAction = action(m_settingsMenu, "exitAction", QStringLiteral("終了(&X)"), nullptr);
    connect(m_exitAction, &QAction::triggered, this, [this] { exitMenuChosen(); });

    m_helpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    m_helpMenu->setObjectName(QStringLiteral("helpMenu"));
    m_readMeAction = action(m_helpMenu, "readMeAction", QStringLiteral("READ MEを開く(&R)"), &MainScreen::readMeRequested);
    m_helpSeparator = separator(m_helpMenu, "helpSeparator");
    m_aboutAction = action(m_helpMenu, "aboutAction", QStringLiteral("バージョン情報(&V)"), &MainScreen::aboutRequested);
}

void MainScreen::setMenusEnabled(bool enabled)
{
    m_settingsMenu->menuAction()->setEnabled(enabled);
    m_helpMenu->menuAction()->setEnabled(enabled);
}

void MainScreen::setMenuChecks(bool fullScreenDisplay, bool soundOff)
{
    m_fullScreenDisplayChecked = fullScreenDisplay;
    m_soundOffChecked = soundOff;
    m_fullScreenDisplayAction->setChecked(fullScreenDisplay);
    m_soundOffAction->setChecked(soundOff);
}

void MainScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Placement::noteActiveMainScreen(this);
    QMainWindow::changeEvent(event);
}

void MainScreen::showEvent(QShowEvent *event)
{
    Placement::noteActiveMainScreen(this);
    QMainWindow::showEvent(event);
}
