#pragma once

#include <QMainWindow>

class QAction;
class QMenu;

// What the three main screens share: a fixed client area of the designed
// size, black by default, and the common menu bar wired to Module1.
class MainScreen : public QMainWindow
{
    Q_OBJECT
public:
    MainScreen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips);

    QWidget *client() const { return m_client; }

    QMenu *IDMCustom = nullptr;
    QMenu *IDMColor = nullptr;
    QAction *IDMFore = nullptr;
    QAction *IDMBack = nullptr;
    QAction *IDMMax = nullptr;
    QAction *IDMSound = nullptr;
    QAction *Separator0 = nullptr;
    QAction *IDMRefresh = nullptr;
    QAction *IDMRCustom = nullptr;
    QAction *Separator1 = nullptr;
    QAction *IDMEnd = nullptr;
    QMenu *IDMHelp = nullptr;
    QAction *IDMReadMe = nullptr;
    QAction *Separator2 = nullptr;
    QAction *IDMVersion = nullptr;

    // Both top-level menus on or off, as a round locks and unlocks them.
    void setMenusEnabled(bool enabled);

protected:
    // The exit item: each screen does its own clean-up first.
    virtual void exitMenuChosen() = 0;

    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();

    QWidget *m_client = nullptr;
};
