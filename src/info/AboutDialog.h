#pragma once

#include "SingleScreen.h"

#include <QColor>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The about screen: version, release date and the project's addresses,
// the last two working as links.
class AboutDialog : public QDialog, public SingleScreen<AboutDialog>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::About;

    static const QString RightsHolder;
    static const QString MailAddress;
    static const QString HomePage;
    static constexpr QColor LinkHoverColour{0, 0, 255}; // a link pointed at; otherwise the text colour

    AboutDialog();
    void load() {}

    QPushButton *m_homePageButton = nullptr; // the program's icon: the home page
    QLabel *m_titleImage = nullptr;
    QFrame *m_detailsFrame = nullptr;
    QLabel *m_noticeCaption = nullptr, *m_rightsLabel = nullptr, *m_versionLabel = nullptr, *m_releaseLabel = nullptr,
           *m_mailCaption = nullptr;
    QLabel *m_homePageCaption = nullptr, *m_mailLink = nullptr, *m_homePageLink = nullptr, *m_noticeText = nullptr,
           *m_contactLabel = nullptr;
    QPushButton *m_closeButton = nullptr; // Close

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildFrame();
    void hoverOver(const QObject *over);
    void showLinkColours();
    void openLink(const QObject *link);
    bool mailLinkKeyboardEvent(QEvent *event);

    const QObject *m_pointedAt = nullptr; // where the mouse last moved, of the areas that colour the links
};
