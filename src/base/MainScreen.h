#pragma once

#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;

// What the three main screens share: a fixed client area of the designed
// size, black by default, and the common menu bar.
class MainScreen : public QMainWindow
{
    Q_OBJECT
public:
    MainScreen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips);

    QWidget *client() const { return m_client; }

    // What the menu items do, installed once by the program at start-up.
    // The exit item is each screen's own (exitMenuChosen).
    struct MenuCommands
    {
        std::function<void()> chooseForeColor;
        std::function<void()> chooseBackColor;
        std::function<void()> toggleMaxDisplay;
        std::function<void()> toggleSound;
        std::function<void()> resetRanking;
        std::function<void()> resetSettings;
        std::function<void()> openTrainingExtras;
        std::function<void()> openReadMe;
        std::function<void()> showAbout;
    };
    static void setMenuCommands(MenuCommands commands);

    QMenu *m_settingsMenu = nullptr;
    QMenu *m_colourMenu = nullptr;
    QAction *m_foreColourAction = nullptr;
    QAction *m_backColourAction = nullptr;
    QAction *m_maxDisplayAction = nullptr;
    QAction *m_soundOffAction = nullptr;
    QAction *m_rankingSeparator = nullptr;
    QAction *m_resetRankingAction = nullptr;
    QAction *m_resetSettingsAction = nullptr;
    QAction *m_trainingExtrasAction = nullptr; // 練習の詳細設定
    QAction *m_exitSeparator = nullptr;
    QAction *m_exitAction = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_readMeAction = nullptr;
    QAction *m_helpSeparator = nullptr;
    QAction *m_aboutAction = nullptr;

    // Both top-level menus on or off, as a round locks and unlocks them.
    void setMenusEnabled(bool enabled);

protected:
    // The exit item: each screen does its own clean-up first.
    virtual void exitMenuChosen() = 0;

    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    static MenuCommands &commands();
    void buildMenu();

    QWidget *m_client = nullptr;
};
