#pragma once

#include <QMainWindow>

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

    QMenu *m_settingsMenu = nullptr;
    QMenu *m_colourMenu = nullptr;
    QAction *m_foreColourAction = nullptr;
    QAction *m_backColourAction = nullptr;
    QAction *m_fullScreenDisplayAction = nullptr;
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
    // The check marks show the settings, whatever the clicks did.
    void setMenuChecks(bool fullScreenDisplay, bool soundOff);

signals:
    // One per menu command; the program connects them where it is assembled.
    void foreColourRequested();
    void backColourRequested();
    void fullScreenDisplayToggled();
    void soundToggled();
    void rankingResetRequested();
    void settingsResetRequested();
    void trainingExtrasRequested();
    void readMeRequested();
    void aboutRequested();
    // Every way out of the program ends here, after the screen's clean-up.
    void exitRequested();

protected:
    // The exit item: each screen does its own clean-up first.
    virtual void exitMenuChosen() = 0;

    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();

    QWidget *m_client = nullptr;
    bool m_fullScreenDisplayChecked = false;
    bool m_soundOffChecked = false;
};
